#pragma once

#include "TTableDialog.h"

// Per VLAN, the static, dynamic and forbidden multicast-router ports of one
// snooping protocol; Set writes the static and forbidden sets of the
// selected VLAN. Asynchronous: Refresh and Set wait until a read has ended.
class TRouterPortsForm : public TTableDialog {
public:
    void FormCreate() override;
    void RefreshBtnClick() override;  // btnGet
    void SetBtnClick() override;      // btnSet
    void ListClick() override;

    CvSNMPRequest2Edits* RouterRequest;
    TStackingPortUitForm* StaticGrid;
    TStackingPortUitForm* DynamicGrid;
    TStackingPortUitForm* ForbiddenGrid;
    bool Ready = false;  // a read of the table has ended

protected:
    TRouterPortsForm(const TDialogContext& context, const TTableDialogDecl& decl);

private:
    // Set is offered for a selected row once no exchange runs.
    void ShowRowButtons();
};

// The IGMP snooping router ports; messages in Memo1.
class TIGMPRouterPortsForm : public TRouterPortsForm {
public:
    explicit TIGMPRouterPortsForm(const TDialogContext& context);
};

// The MLD snooping router ports; messages in panel 0 of the status bar.
class TMLD_SnoopingRouterPortsForm : public TRouterPortsForm {
public:
    explicit TMLD_SnoopingRouterPortsForm(const TDialogContext& context);
};

// The IPv6 multicast groups the switch has learned, with their member
// ports: read only.
class TMLD_SnoopingGroupForm : public TTableDialog {
public:
    explicit TMLD_SnoopingGroupForm(const TDialogContext& context);

    void RefreshBtnClick() override;  // btnGet

    CvSNMPRequest2Edits* GroupRequest;
    TStackingPortUitForm* PortGrid;
};
