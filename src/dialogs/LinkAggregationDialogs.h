#pragma once

#include <vector>

#include "TDialogChecks.h"
#include "TTableDialog.h"

class ComboBox;
class Edit;

// The trunk groups of the switch: created, changed and deleted with their
// member ports, master port, type and state, each checked before it is sent.
// Blocking; messages in panel 0 of the status bar.
class TPortTrunkForm : public TTableDialog {
public:
    explicit TPortTrunkForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // BT_Get
    void AddBtnClick() override;      // BT_Set "Add"
    void SetBtnClick() override;      // SetBtn
    void DeleteBtnClick() override;   // BT_Delete
    void ListClick() override;

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* TrunkRequest;
    TStackingPortUitForm* MemberGrid;
    TStackingPortUitForm* ActiveGrid;
    std::vector<TUnitEntry> TrunkUnitList;
    Edit* ED_Index;
    Edit* ED_Name;
    Edit* PortEdit;
    Edit* UnitEdit;
    Edit* ED_MasterPort;
    ComboBox* Combo_Type;
    ComboBox* Combo_State;
    ComboBox* ComboBox1;

private:
    void ClearTrunkEdits();
    void NewTrunkState();
    // The master port from the edits, checked; 0 after a refusal.
    int CheckedMasterPort();
    // Two to eight members; a ninth ticked box is unticked.
    bool CheckTrunkMembers();
    bool IndexInUse(const QString& index) const;
    bool MasterPortInUse(int master) const;
};

// The LACP settings of every port; Edit writes the administrative keys,
// partner system and states of the selected port.
class TAggregatorPortTableForm : public TTableDialog {
public:
    explicit TAggregatorPortTableForm(const TDialogContext& context);

    void FormCreate() override;
    void RefreshBtnClick() override;  // GetBtn
    void ListClick() override;
    void btnEditClick();
    void ClearAggregatorEdits();

    CvSNMPRequest2Edits* AggregatorRequest;
    bool Loaded = false;  // the last read has ended

private:
    void ReadDone();
};
