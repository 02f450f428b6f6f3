#pragma once

#include <QString>

#include "TForm1.h"
#include "TTableDialog.h"

// The 802.1D extensions of the bridge: traffic classes and GMRP.
class TPBridgeConfigForm : public TTableDialog {
public:
    explicit TPBridgeConfigForm(const TDialogContext& context);

    void SetBtnClick() override;
};

// The GARP timers and port capabilities share TForm1's gates: no new read
// or write starts while one of theirs runs.
class TGarpGatedForm : public TTableDialog {
public:
    TGarpGatedForm(const TDialogContext& context, const TTableDialogDecl& decl);

    void FormCreate() override;
    void RefreshBtnClick() override;
    TForm1& Gates() { return Context.Form1 != nullptr ? *Context.Form1 : FOwnGates; }

protected:
    virtual bool MayRefresh() { return Gates().GetReady; }

private:
    TForm1 FOwnGates;  // a dialog opened without the module's hidden form
};

// The GARP join, leave and leave-all timers of each port.
class TGARPForm : public TGarpGatedForm {
public:
    explicit TGARPForm(const TDialogContext& context);

    void SetBtnClick() override;

protected:
    bool MayRefresh() override { return Gates().GetReady && Gates().SetReady; }
};

// What each port of the bridge can do: read only.
class TPortCapabilities8021dForm : public TGarpGatedForm {
public:
    explicit TPortCapabilities8021dForm(const TDialogContext& context);
};

// The 802.1Q version, limits and GVRP switch.
class TVLanGeneralInfoForm : public TTableDialog {
public:
    explicit TVLanGeneralInfoForm(const TDialogContext& context);
};

// Each port's VLAN settings: PVID, frame types, ingress filtering, GVRP.
class TVLanPortInfomationForm : public TTableDialog {
public:
    explicit TVLanPortInfomationForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;
    void SetBtnClick() override;
};

// The multicast groups the bridge learned, with their egress and GMRP ports.
class TTpGroupDestinationForwardedForm : public TTableDialog {
public:
    explicit TTpGroupDestinationForwardedForm(const TDialogContext& context);
};

// Per VLAN, the ports all multicast (or all unregistered multicast) goes to:
// all, static and forbidden, on twelve units of 64 ports.
class TForwardPortsForm : public TTableDialog {
public:
    using TTableDialog::TTableDialog;

    void SetBtnClick() override;
};

class TMulticastForwardingInformationForm : public TForwardPortsForm {
public:
    explicit TMulticastForwardingInformationForm(const TDialogContext& context);
};

class TForwardUnregisteredInformationForm : public TForwardPortsForm {
public:
    explicit TForwardUnregisteredInformationForm(const TDialogContext& context);
};
