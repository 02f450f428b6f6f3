#pragma once

#include <vector>

#include "TDialogChecks.h"
#include "TTableDialog.h"

class Edit;

// The switch's one port-mirroring set-up: target port, ingress and egress
// source ports and state. The target is checked against the sources and
// against the members of enabled trunks (a hidden view of the trunk table)
// before anything is sent. Blocking; messages in panel 0 of the status bar.
class TPortMirrorForm : public TTableDialog {
public:
    explicit TPortMirrorForm(const TDialogContext& context);

    void RefreshBtnClick() override;  // BT_Refresh
    void SetBtnClick() override;      // BT_Set "Set Member"

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* MirrorRequest;
    CvSNMPRequest2Edits* MirrorTrunkRequest;
    TStackingPortUitForm* IngressGrid;
    TStackingPortUitForm* EgressGrid;
    TStackingPortUitForm* TrunkGrid;  // the hidden trunk view's members
    std::vector<TUnitEntry> UnitList;
    Edit* PortEdit;
    Edit* UnitEdit;
    Edit* ET_TargetPort;

private:
    void ET_TargetPortChange();
    // The target port as a global port number; 0 after a refusal.
    int CheckTargetPort();
};

// For every port, the ports it may forward to; Set writes the selected
// port's set. Asynchronous: Refresh and Set wait until a read has ended,
// Stop ends a running read.
class TTrafficSegmentationForm : public TTableDialog {
public:
    explicit TTrafficSegmentationForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // BT_Get
    void SetBtnClick() override;      // BT_Set
    void StopBtnClick();
    void ListClick() override;

    CvSNMPRequest2Edits* SegmentRequest;
    TStackingPortUitForm* ForwardGrid;
    bool Ready = false;  // a read of the table has ended

private:
    void ClearSelection();
    // A read stopped by Stop may still wait for its last reply.
    bool RunningReadEnded();
};
