#include "LinkAggregationDialogs.h"

#include <QLabel>
#include <QPushButton>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"
#include "TrunkTable.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

constexpr int kMaxMembers = 8;

// Entries of the state combo.
enum StateEntry { kEnable, kDisable, kCreateAndGo, kCreateAndWait, kDestroy };

const TTableDialogDecl kTrunkForm{
    .Name = "PortTrunkForm",
    .Caption = "Port Trunk Table :",
    .Width = 655,
    .Height = 516,
    .CaptionWithDevice = true,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"BT_Set", "Add", TDialogAction::Add},
                {"BT_Delete", "Delete", TDialogAction::Delete},
                {"SetBtn", "Set", TDialogAction::Set},
                {"BT_Close", "Close", TDialogAction::Close}},
    .Requests = {{kTrunkTable, MVT_UMV, 1, "LV_PortTrunk", true, 0, 300}},
    .Fields =
        {{0, kTrunkIndex, TFieldKind::Edit, "ED_Index", "Index(1-32)", "%i{n1x32}"},
         {0, kName, TFieldKind::Edit, "ED_Name", "Name", "%s{l12}"},
         {0, kType, TFieldKind::Combo, "Combo_Type", "Trunk Type"},
         {0, kFlooding, TFieldKind::Static, "ST_FloodingPort", "Flooding Port"},
         {0, -1, TFieldKind::Edit, "PortEdit", "Port : "},
         {0, -1, TFieldKind::Combo, "ComboBox1", "Status", "", true, false, {"enable", "disable"}},
         {0, -1, TFieldKind::Edit, "UnitEdit", "Unit", "", false},
         {0, kMasterPort, TFieldKind::Edit, "ED_MasterPort", "Master Port", "%i", false},
         {0, kState, TFieldKind::Combo, "Combo_State", "Trunk State", "", false}},
    .Grids = {{0, kMembers, "tbsMember", "Member Ports", "StackingPortPanel", "MemberGrid"},
              {0, kActive, "tbsActive", "Active Ports", "StackingPortPanel2", "ActiveGrid", true}},
    .StatusItem = kState,
    .KeyField = "ED_Index",
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TPortTrunkForm::TPortTrunkForm(const TDialogContext& context)
    : TTableDialog(context, kTrunkForm),
      TrunkRequest(Request(0)),
      MemberGrid(Grid(0)),
      ActiveGrid(Grid(1)),
      TrunkUnitList(DefaultUnitList()),
      ED_Index(static_cast<Edit*>(Field("ED_Index"))),
      ED_Name(static_cast<Edit*>(Field("ED_Name"))),
      PortEdit(static_cast<Edit*>(Field("PortEdit"))),
      UnitEdit(static_cast<Edit*>(Field("UnitEdit"))),
      ED_MasterPort(static_cast<Edit*>(Field("ED_MasterPort"))),
      Combo_Type(static_cast<ComboBox*>(Field("Combo_Type"))),
      Combo_State(static_cast<ComboBox*>(Field("Combo_State"))),
      ComboBox1(static_cast<ComboBox*>(Field("ComboBox1"))) {
    UnitEdit->setText("1");
    AcceptDigitsOnly(UnitEdit);
    AcceptDigitsOnly(PortEdit);
    ComboBox1->setCurrentIndex(0);
    // The visible status follows the row's state.
    connect(Combo_State, &QComboBox::currentTextChanged, this, [this](const QString& state) {
        if (state == "enable") {
            ComboBox1->setCurrentIndex(0);
        } else if (state == "disable") {
            ComboBox1->setCurrentIndex(1);
        }
    });
}

void TPortTrunkForm::FormCreate() {
    PageControl->setCurrentIndex(0);
    RefreshBtnClick();
}

void TPortTrunkForm::ClearTrunkEdits() {
    PortEdit->clear();
    Field("ST_FloodingPort")->setProperty("text", QString());
    MemberGrid->UncheckAll();
    ActiveGrid->UncheckAll();
}

void TPortTrunkForm::NewTrunkState() {
    ED_Name->clear();
    ClearTrunkEdits();
    SetRowButtons(false);  // also unlocks and empties the index
}

void TPortTrunkForm::RefreshBtnClick() {
    Attempt([&] { TrunkRequest->Get(); });
    NewTrunkState();
}

void TPortTrunkForm::ListClick() {
    if (List->SelectedLine() < 0) {
        NewTrunkState();
        return;
    }
    SetRowButtons(true);
    const TUnitPort master = SplitGlobalPort(IntOfText(ED_MasterPort->text()).value_or(0));
    UnitEdit->setText(QString::number(master.Unit));
    PortEdit->setText(QString::number(master.Port));
    ComboBox1->setCurrentIndex(Combo_State->currentText() == "disable" ? 1 : 0);
}

bool TPortTrunkForm::IndexInUse(const QString& index) const {
    const std::optional<int> wanted = IntOfText(index);
    for (int line = 0; line < List->LineCount(); ++line) {
        const QString cell = List->Caption(line);
        if (cell == index.trimmed() || (wanted && IntOfText(cell) == wanted)) {
            return true;
        }
    }
    return false;
}

bool TPortTrunkForm::MasterPortInUse(int master) const {
    // Sub-item k is item k + 1 of the row.
    for (int line = 0; line < List->LineCount(); ++line) {
        if (IntOfText(List->SubItem(line, kMasterPort - 1)) == master) {
            return true;
        }
    }
    return false;
}

int TPortTrunkForm::CheckedMasterPort() {
    const int unit = IntOfText(UnitEdit->text()).value_or(-1);
    const int port = IntOfText(PortEdit->text()).value_or(-1);
    if (!ValidUnitPort(TrunkUnitList, unit, port)) {
        Refuse(PortEdit, "set valid master port");
        return 0;
    }
    return GlobalPort(unit, port);
}

bool TPortTrunkForm::CheckTrunkMembers() {
    int members = 0;
    for (int i = 0; i < TStackingPortUitForm::kPortsPerUnit; ++i) {
        CheckBox* box = MemberGrid->PortCheckBoxes[static_cast<std::size_t>(i)];
        if (!box->isChecked()) {
            continue;
        }
        if (++members > kMaxMembers) {
            box->setChecked(false);
            Refuse(nullptr, "The trunk member can't over eight!");
            return false;
        }
    }
    if (members < 2) {
        Refuse(nullptr, "You must choose at least two members!");
        return false;
    }
    return true;
}

void TPortTrunkForm::AddBtnClick() {
    UnitEdit->setText("1");
    if (ED_Index->text().isEmpty()) {
        Refuse(ED_Index, "The index should not be empty.");
        return;
    }
    if (IndexInUse(ED_Index->text())) {
        Refuse(ED_Index, "The Index must be different!");
        return;
    }
    if (PortEdit->text().isEmpty()) {
        Refuse(PortEdit, "The Port should not be empty.");
        return;
    }
    const int master = CheckedMasterPort();
    if (master == 0) {
        return;
    }
    if (Combo_Type->currentIndex() < 0) {
        Refuse(Combo_Type, "Please choose trunk type.");
        return;
    }
    if (MasterPortInUse(master)) {
        Refuse(nullptr, "The master port must be different!");
        return;
    }
    if (!MemberGrid->PortCheckBoxes[static_cast<std::size_t>(master - 1)]->isChecked()) {
        Refuse(PortEdit, "Master port must be checked.");
        return;
    }
    ED_MasterPort->setText(QString::number(master));
    Combo_State->setCurrentIndex(kCreateAndGo);
    if (!CheckTrunkMembers()) {
        return;
    }
    bool created = false;
    const bool written = Attempt([&] {
        TrunkRequest->Set(false, true);
        created = true;
        if (ComboBox1->currentText() == "enable") {
            Combo_State->setCurrentIndex(kEnable);
            TrunkRequest->Set(false, true);
        }
    });
    if (written || created) {
        // A trunk that was created is shown, also when enabling it failed.
        RefreshBtnClick();
        if (!written) {
            Output(LastFailure);
        }
    }
}

void TPortTrunkForm::SetBtnClick() {
    UnitEdit->setText("1");
    if (ED_Index->text().isEmpty()) {
        Refuse(ED_Index, "Please select trunk group.");
        return;
    }
    if (PortEdit->text().isEmpty()) {
        Refuse(PortEdit, "The Port Edit should not be empty");
        return;
    }
    Combo_State->setCurrentIndex(ComboBox1->currentIndex() == 1 ? kDisable : kEnable);
    int master = 0;
    if (!Attempt([&] {
            master =
                GlobalPort(StrictIntOfText(UnitEdit->text()), StrictIntOfText(PortEdit->text()));
        })) {
        return;
    }
    if (CheckedMasterPort() == 0) {
        return;
    }
    ED_MasterPort->setText(QString::number(master));
    if (!MemberGrid->PortCheckBoxes[static_cast<std::size_t>(master - 1)]->isChecked()) {
        Refuse(PortEdit, "Master port must be checked.");
        return;
    }
    if (!CheckTrunkMembers()) {
        return;
    }
    if (Attempt([&] { TrunkRequest->Set(false, true); })) {
        RefreshBtnClick();
    }
}

void TPortTrunkForm::DeleteBtnClick() {
    if (ED_Index->text().isEmpty()) {
        Refuse(ED_Index, "Please select trunk group.");
        return;
    }
    Combo_State->setCurrentIndex(kDestroy);
    // Only the state goes: the other columns of a trunk being removed mean nothing.
    if (Attempt([&] {
            WriteExcluding(0, {kName, kMasterPort, kMembers, kFlooding, kType}, false);
        })) {
        RefreshBtnClick();
    }
}

namespace {

const char* const kLacpStateBits[] = {"lacpActivity",    "lacpTimeout", "aggregation",
                                      "synchronisation", "collecting",  "distributing",
                                      "defaulted",       "expired"};

#define AGG "1.3.6.1.4.1.99917.12.4.1.2.1.1."
const CvSNMPVarDesc kAggregatorTable[] = {
    {AGG "1", "Port Index", integer, kIndex},
    {AGG "2", "Actor System Priority", integer, kRo},
    {AGG "3", "Actor System ID", macaddress, kRo},
    {AGG "4", "Actor Admin Key", integer, kRw},
    {AGG "5", "Actor Oper Key", integer, kRo},
    {AGG "6", "Partner Admin System Priority", integer, kRo},
    {AGG "7", "Partner Oper System Priority", integer, kRo},
    {AGG "8", "Partner Admin System ID", macaddress, kRw},
    {AGG "9", "Partner Oper System ID", macaddress, kRo},
    {AGG "10", "Partner Admin Key", integer, kRw},
    {AGG "11", "Partner Oper Key", integer, kRo},
    {AGG "12", "Selected Agg ID", integer, kRo},
    {AGG "13", "Attached Agg ID", integer, kRo},
    {AGG "14", "Actor Port", integer, kRo},
    {AGG "15", "Actor Port Priority", integer, kRo},
    {AGG "16", "Partner Admin Port", integer, kRo},
    {AGG "17", "Partner Oper Port", integer, kRo},
    {AGG "18", "Partner Admin Port Priority", integer, kRo},
    {AGG "19", "Partner Oper Port Priority", integer, kRo},
    {AGG "20", "Actor Admin State", bitstr, kRw},
    {AGG "21", "Actor Oper State", bitstr, kRo},
    {AGG "22", "Partner Admin State", bitstr, kRw},
    {AGG "23", "Partner Oper State", bitstr, kRo},
    {AGG "24", "Aggregate Or Individual", integer, kRo, &kTrueFalse},
    {}};
#undef AGG

const TTableDialogDecl kAggregatorForm{
    .Name = "AggregatorPortTableForm",
    .Caption = "Aggregator Port Table: ",
    .Width = 700,
    .Height = 560,
    .CaptionWithDevice = true,
    .Buttons = {{"GetBtn", "Refresh", TDialogAction::Refresh},
                {"btnEdit", "Edit", TDialogAction::Own},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kAggregatorTable, MVT_FMV, 1, "ListView1"}},
    .Fields = {{0, 3, TFieldKind::Edit, "edtActorKey", "Actor Admin Key", "%i{n0x65535l5}"},
               {0, 7, TFieldKind::Edit, "edtPartnerID", "Partner Admin System ID", "%s{l12}"},
               {0, 9, TFieldKind::Edit, "edtPartnerKey", "Partner Admin Key", "%i{n0x65535l5}"}},
    .Bits = {{0, 19, "TabSheet1", "Actor Admin State", 1, kLacpStateBits},
             {0, -1, "TabSheet2", "Actor Oper State", 9, kLacpStateBits, false},
             {0, 21, "TabSheet3", "Partner Admin State", 17, kLacpStateBits},
             {0, -1, "TabSheet4", "Partner Oper State", 25, kLacpStateBits, false}},
    .CountName = "StaticText1",
    .CountLabelName = "Label1"};

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(const TDialogContext& context)
    : TTableDialog(context, kAggregatorForm), AggregatorRequest(Request(0)) {
    AggregatorRequest->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError&) {
        ReadDone();
    };
    connect(ButtonNamed("btnEdit"), &QPushButton::clicked, this, [this] { btnEditClick(); });
}

void TAggregatorPortTableForm::ReadDone() {
    Loaded = true;
    for (int k = 1; k <= 32; ++k) {
        QWidget* box = Field(qPrintable(QString("CheckBox%1").arg(k)));
        if (box != nullptr && box->isVisible()) {
            box->setEnabled(true);
        }
    }
    for (const char* edit : {"edtActorKey", "edtPartnerID", "edtPartnerKey"}) {
        Field(edit)->setEnabled(true);
    }
}

void TAggregatorPortTableForm::ClearAggregatorEdits() {
    ClearEdits();
}

void TAggregatorPortTableForm::FormCreate() {
    ButtonNamed("btnEdit")->setEnabled(false);
    if (!Attempt([&] { AggregatorRequest->Get(); })) {
        Loaded = true;
    }
    ClearAggregatorEdits();
}

void TAggregatorPortTableForm::RefreshBtnClick() {
    AggregatorRequest->Request->Alive = true;
    if (!Loaded) {
        return;  // the running read fills the list
    }
    Loaded = false;
    ButtonNamed("btnEdit")->setEnabled(false);
    if (!Attempt([&] { AggregatorRequest->Get(); })) {
        Loaded = true;
    }
    ClearAggregatorEdits();
}

void TAggregatorPortTableForm::ListClick() {
    if (List->SelectedLine() >= 0) {
        ButtonNamed("btnEdit")->setEnabled(Loaded);
    } else {
        ButtonNamed("btnEdit")->setEnabled(false);
        ClearAggregatorEdits();
    }
}

void TAggregatorPortTableForm::btnEditClick() {
    AggregatorRequest->Request->Alive = true;
    if (!Loaded) {
        return;
    }
    QWidget* partner = Field("edtPartnerID");
    const QString refusal = MacTextRefusal(partner->property("text").toString());
    if (!refusal.isEmpty()) {
        Refuse(partner, refusal);
        return;
    }
    // The write ends before the list is read again.
    const bool written = Attempt([&] {
        CvBlockingMode blocking(*AggregatorRequest);
        AggregatorRequest->Set(false, true);
    });
    if (written) {
        RefreshBtnClick();
    }
}
