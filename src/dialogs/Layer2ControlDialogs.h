#pragma once

#include "TTableDialog.h"

class CheckBox;
class ComboBox;
class Edit;

// The switch-wide layer-2 settings and the web and Telnet ports: every field
// has a tick box and only ticked fields are written. A port whose service is
// off cannot be set. Blocking; messages in the memo. Closing it has the main
// window look at the RMON state again, which the dialog may have switched.
class TLayer2ControlForm : public TTableDialog {
public:
    explicit TLayer2ControlForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // GetButton
    void SetBtnClick() override;      // SetButton "Set Checked"
    void CheckButtonClick();
    void ClearButtonClick();
    void WebStateComBoChange();
    void TelStateComBoChange();

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* DeviceCtrlRequest;
    CvSNMPRequest2Edits* WebPortRequest;
    CvSNMPRequest2Edits* TelnetPortRequest;
    // How long a port that was not written stays empty before it is read
    // back: the switch needs longer over SNMPv3.
    int PortPauseMs = 800;
    int PortPauseV3Ms = 1500;

private:
    // A TCP port and the service that owns it.
    struct TServicePort {
        std::size_t Request;
        const char* State;
        const char* Box;
        const char* Edit;
    };
    static const TServicePort kWeb;
    static const TServicePort kTelnet;

    void StateRules();
    void PortRule(const TServicePort& port);
    bool ServiceEnabled(const TServicePort& port) const;
    void ReadPorts();
    // Writes the port when ticked, else shows it empty for a moment; then
    // reads it back unless the switch refused it.
    void WriteOrPausePort(const TServicePort& port);
    void Pause(int ms);
};

// The ports that recover by themselves from a packet storm, and the traps
// a storm sends. Blocking; messages in panel 0 of the status bar.
class TPacketStormControlForm : public TTableDialog {
public:
    explicit TPacketStormControlForm(const TDialogContext& context);

    void RefreshBtnClick() override;  // btnGet
    void SetBtnClick() override;      // btnSet

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* StormRequest;
    TStackingPortUitForm* RecoverGrid;
};
