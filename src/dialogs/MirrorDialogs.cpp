#include "MirrorDialogs.h"

#include <QPushButton>

#include "CheckBox.h"
#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"
#include "TrunkTable.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

constexpr int kMaxUnit = 12;

#define MIRROR "1.3.6.1.4.1.99917.11.70.1.2.10."
const CvSNMPVarDesc kMirror[] = {
    {MIRROR "1", "swL2MirrorLogicTargetPort", integer, kRw},
    {MIRROR "2", "swL2MirrorPortSourceIngress", octetstr, kRw},
    {MIRROR "3", "swL2MirrorPortSourceEgress", octetstr, kRw},
    {MIRROR "4", "swL2MirrorPortState", integer, kRw, &kDisabledEnabled},
    {}};
#undef MIRROR

const TTableDialogDecl kMirrorForm{
    .Name = "PortMirrorForm",
    .Caption = "Port Mirror Table:",
    .Width = 720,
    .Height = 600,
    .CaptionWithDevice = true,
    .Buttons = {{"BT_Refresh", "Refresh", TDialogAction::Refresh},
                {"BT_Set", "Set Member", TDialogAction::Set}},
    .Requests = {{kMirror, SVT_SV, 0, nullptr, true, 0, 300},
                 {kTrunkTable, MVT_UMV, 1, "LV_PortTrunk", false, 0, 300}},
    .Fields = {{0, -1, TFieldKind::Edit, "PortEdit", "Target Port "},
               {0, 3, TFieldKind::Check, "CK_Status", "Mirroring Status"},
               {0, -1, TFieldKind::Edit, "UnitEdit", "Unit", "", false},
               {0, 0, TFieldKind::Edit, "ET_TargetPort", "Target Port", "%i", false},
               {1, kMasterPort, TFieldKind::Edit, "ED_MasterPort", "Master Port", "%i", false}},
    .FieldsBox = "GroupBox2",
    .Grids = {{0, 1, "IngressPortGB", "Ingress Port", "ScrollBox1", "IngressGrid"},
              {0, 2, "EgressPortGB", "Egress Port", "ScrollBox2", "EgressGrid"},
              {1, kMembers, "StackingPortPanel", "", "", "TrunkGrid", true, true}},
    .GridsBox = "GroupBox1",
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TPortMirrorForm::TPortMirrorForm(const TDialogContext& context)
    : TTableDialog(context, kMirrorForm),
      MirrorRequest(Request(0)),
      MirrorTrunkRequest(Request(1)),
      IngressGrid(Grid(0)),
      EgressGrid(Grid(1)),
      TrunkGrid(Grid(2)),
      UnitList(DefaultUnitList()),
      PortEdit(static_cast<Edit*>(Field("PortEdit"))),
      UnitEdit(static_cast<Edit*>(Field("UnitEdit"))),
      ET_TargetPort(static_cast<Edit*>(Field("ET_TargetPort"))) {
    UnitEdit->setText("0");
    AcceptDigitsOnly(UnitEdit);
    AcceptDigitsOnly(PortEdit);
    connect(ET_TargetPort, &QLineEdit::textChanged, this, [this] { ET_TargetPortChange(); });
}

void TPortMirrorForm::ET_TargetPortChange() {
    const std::optional<int> target = IntOfText(ET_TargetPort->text());
    if (!target) {
        return;
    }
    const TUnitPort split = SplitGlobalPort(*target);
    UnitEdit->setText(QString::number(split.Unit));
    PortEdit->setText(QString::number(split.Port));
}

void TPortMirrorForm::RefreshBtnClick() {
    Attempt([&] {
        MirrorRequest->Get();
        MirrorTrunkRequest->Get();
        ET_TargetPortChange();
    });
}

int TPortMirrorForm::CheckTargetPort() {
    const int unit = IntOfText(UnitEdit->text()).value_or(-1);
    const int port = StrictIntOfText(PortEdit->text());
    if (unit < 1 || unit > kMaxUnit || !ValidUnitPort(UnitList, unit, port)) {
        Refuse(PortEdit, "Set valid target port");
        return 0;
    }
    const int target = GlobalPort(unit, port);
    // Each trunk in turn through the hidden view, as its selection shows it.
    ListView* trunks = ListOf(1);
    bool trunkPort = false;
    for (int line = 0; line < trunks->LineCount(); ++line) {
        trunks->SelectLine(line);
        if (trunks->SubItem(line, kState - 1) == "enable" &&
            TrunkGrid->PortCheckBoxes[static_cast<std::size_t>(target - 1)]->isChecked()) {
            Refuse(nullptr, "Target port can not be Trunk port!");
            trunkPort = true;
        }
    }
    if (trunkPort) {
        return 0;
    }
    ET_TargetPort->setText(QString::number(target));
    const std::size_t box = static_cast<std::size_t>(target - 1);
    if (IngressGrid->PortCheckBoxes[box]->isChecked() ||
        EgressGrid->PortCheckBoxes[box]->isChecked()) {
        Refuse(nullptr, "Target port can not be member port!");
        return 0;
    }
    return target;
}

void TPortMirrorForm::SetBtnClick() {
    const auto anyTicked = [](const TStackingPortUitForm* grid) {
        for (const CheckBox* box : grid->PortCheckBoxes) {
            if (box->isChecked()) {
                return true;
            }
        }
        return false;
    };
    if (!anyTicked(IngressGrid) && !anyTicked(EgressGrid)) {
        CvMessageBox::Warning(this, "Ingress Ports and Egress Ports can not be empty.");
    }
    UnitEdit->setText("1");
    Attempt([&] {
        if (CheckTargetPort() != 0) {
            MirrorRequest->Set(false, true);
        }
    });
}

namespace {

#define SEGMENT "1.3.6.1.4.1.99917.11.70.1.2.14.1.1."
const CvSNMPVarDesc kSegmentTable[] = {{SEGMENT "1", "swL2TrafficSegPort", integer, kRo},
                                       {SEGMENT "2", "swL2TrafficSegForwardPorts", octetstr, kRw},
                                       {}};
#undef SEGMENT

const TTableDialogDecl kSegmentationForm{
    .Name = "TrafficSegmentationForm",
    .Caption = "Traffic Segmentation Table:",
    .Width = 620,
    .Height = 520,
    .CaptionWithDevice = true,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"BT_Set", "Set", TDialogAction::Set},
                {"StopBtn", "Stop", TDialogAction::Own}},
    .Requests = {{kSegmentTable, MVT_UMV, 1, "LV_TrafficForward"}},
    .Fields = {{0, -1, TFieldKind::Edit, "Combo_Port", "Port : ", "", true, true},
               {0, -1, TFieldKind::Edit, "Combo_Unit", "Unit", "", false, true},
               {0, 0, TFieldKind::Static, "ST_Port", "Port", "", false}},
    .FieldsBox = "GroupBox1",
    .Grids = {{0, 1, "ForwardPortGB", "Forward Ports", "ScrollBox1", "ForwardGrid"}},
    .GridsBox = "Panel4",
    .StatusBarOutput = true,
    .CountName = "StaticText1",
    .CountLabelName = "Label1"};

}  // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(const TDialogContext& context)
    : TTableDialog(context, kSegmentationForm), SegmentRequest(Request(0)), ForwardGrid(Grid(0)) {
    SegmentRequest->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError&) {
        Ready = true;
    };
    // A write re-reads the table; until then the dialog is not ready.
    SegmentRequest->OnWriteDone = [this](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        if (error.Code != 0) {
            Ready = true;
        } else {
            ClearSelection();
        }
    };
    connect(ButtonNamed("StopBtn"), &QPushButton::clicked, this, [this] { StopBtnClick(); });
}

void TTrafficSegmentationForm::FormCreate() {
    Button(TDialogAction::Set)->setEnabled(false);
    if (!Attempt([&] { SegmentRequest->Get(); })) {
        Ready = true;
    }
}

void TTrafficSegmentationForm::ClearSelection() {
    ForwardGrid->UncheckAll();
    Field("Combo_Unit")->setProperty("text", QString());
    Field("Combo_Port")->setProperty("text", QString());
    Button(TDialogAction::Set)->setEnabled(false);
}

bool TTrafficSegmentationForm::RunningReadEnded() {
    if (SegmentRequest->Busy && !SegmentRequest->StopRunningRead()) {
        return false;
    }
    SegmentRequest->Request->Alive = true;
    return true;
}

void TTrafficSegmentationForm::RefreshBtnClick() {
    if (!Ready || !RunningReadEnded()) {
        RefuseBusy();
        return;
    }
    Ready = false;
    if (!Attempt([&] { SegmentRequest->Get(); })) {
        Ready = true;
    }
    ClearSelection();
}

void TTrafficSegmentationForm::SetBtnClick() {
    if (!Ready || !RunningReadEnded()) {
        RefuseBusy();
        return;
    }
    Ready = false;
    // What was chosen stays until the switch has taken it.
    if (!Attempt([&] { SegmentRequest->Set(true, true); })) {
        Ready = true;
    }
}

void TTrafficSegmentationForm::StopBtnClick() {
    Ready = true;
    SegmentRequest->Request->Alive = false;
}

void TTrafficSegmentationForm::ListClick() {
    if (List->SelectedLine() < 0) {
        ClearSelection();
        return;
    }
    const TUnitPort split =
        SplitGlobalPort(IntOfText(Field("ST_Port")->property("text").toString()).value_or(0));
    Field("Combo_Unit")->setProperty("text", QString::number(split.Unit));
    Field("Combo_Port")->setProperty("text", QString::number(split.Port));
    Button(TDialogAction::Set)->setEnabled(true);
}
