#pragma once

#include "TProgressForm.h"
#include "TTableDialog.h"

class ComboBox;
class Edit;

// Switches the spanning tree on or off; switching it on is confirmed and
// followed by the wait while the switch reconfigures.
class TSpanningTreeAlgorithmForm : public TTableDialog {
public:
    explicit TSpanningTreeAlgorithmForm(const TDialogContext& context);

    void RefreshBtnClick() override;  // GetButton
    void SetBtnClick() override;      // SetButton

    CvSNMPRequest2Edits* StpSwitchRequest;
    int ProgressTickMs = TProgressForm::kTickMs;
};

// The bridge-wide spanning-tree parameters, checked by the IEEE 802.1D
// timer rules before they are written; in MSTP mode without the hello time.
class TSTP_Info : public TTableDialog {
public:
    explicit TSTP_Info(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // BT_Get
    void SetBtnClick() override;      // BT_Set
    void Combo_STPVersionChange();

    CvSNMPRequest2Edits* StpParamRequest;
    CvSNMPRequest2Edits* MstpParamRequest;
    CvSNMPRequest2Edits* StpSwitchRequest;
    ComboBox* Combo_STPVersion;
    Edit* ET_HelloTime;
    int ProgressTickMs = TProgressForm::kTickMs;

private:
    // The main window's STP version ("" when the dialog has none).
    QString MainStpVersion() const;
    void EnableHelloTime(bool enabled, const QString& text);
    // The checks before a write; false after a refusal.
    bool CheckTimers();
    void WriteMstp();
};
