#include "VlanDialogs.h"

#include "CvOptionList.h"
#include "DialogOptions.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kVlanRowStatusPairs[] = {
    {1, "Active"},        {2, "NotInService"}, {3, "NotReady"}, {4, "CreateAndGo"},
    {5, "CreateAndWait"}, {6, "Destroy"},      {0, nullptr}};
const CvOptionList kVlanRowStatus(kVlanRowStatusPairs);

const CvIntOptionPair kVlanStatusPairs[] = {
    {1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const CvOptionList kVlanStatus(kVlanStatusPairs);

const CvSNMPVarDesc kStaticTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", guage, kIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", displaystr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", octetstr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", octetstr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", octetstr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", integer, kRw, &kVlanRowStatus},
    {}};
const CvSNMPVarDesc kNextFreeIndex[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "NextFreeLocalVLANIndex", integer, kRo}, {}};

const CvSNMPVarDesc kCurrentTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLANTimeMark", timeticks, kIndex},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLANIndex", guage, kIndex},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FdbId", guage, kRo},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "CurrentEgressPorts", octetstr, kRo},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "CurrentUntaggedPorts", octetstr, kRo},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLANStatus", integer, kRo, &kVlanStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "CreationTime", timeticks, kRo},
    {}};
const CvSNMPVarDesc kNumDeletes[] = {{"1.3.6.1.2.1.17.7.1.4.1", "VLANNumDeletes", counter, kRo},
                                     {}};

const TTableDialogDecl kStaticForm{
    .Name = "VlanStaticForm",
    .Caption = "VLAN Static Form",
    .Width = 693,
    .Height = 566,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set},
                {"AddBtn", "Add", TDialogAction::Add},
                {"DeleteBtn", "Delete", TDialogAction::Delete}},
    .Requests = {{kStaticTable, MVT_UMV, 1, "LV_dot1qVlanStaticEntry"}, {kNextFreeIndex}},
    .Fields = {{0, 0, TFieldKind::Edit, "ED_VLANID", "VLAN ID"},
               {0, 1, TFieldKind::Edit, "ED_VLANName", "VLAN Name"},
               {0, 5, TFieldKind::Combo, "Status", "Status"},
               {1, 0, TFieldKind::Static, "NextFreeLocalVlanIndex", "Next Free Local VLAN Index"}},
    .Grids = {{0, 2, "TSheetEgressPort", "Egress ports", "ScrollBox1", "EgressGrid"},
              {0, 3, "TSheetFbdenEgrsP", "Forbidden Egress Ports", "ScrollBox2", "ForbiddenGrid"},
              {0, 4, "TabSheet3", "Untagged Ports", "ScrollBox3", "UntaggedGrid"}},
    .StatusItem = 5,
    .CreateEntry = 3,
    .DestroyEntry = 5};

const TTableDialogDecl kCurrentForm{
    .Name = "VLanCurrentTableForm",
    .Caption = "VLAN Current Table",
    .Width = 704,
    .Height = 519,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set, false}},
    .Requests = {{kCurrentTable, MVT_UMV, 2, "LV_dot1qVlanCurrentEntry"}, {kNumDeletes}},
    .ReadOrder = {1, 0},
    .Fields = {{1, 0, TFieldKind::Static, "VlanNumDeletes", "VLAN Delete Numbers"},
               {0, 1, TFieldKind::Static, "StaticText1", "VLAN Index"}},
    .FieldsBox = "GroupBox2",
    .Grids = {{0, 3, "TabSheet1", "Egress Port", "ScrollBox1", "EgressGrid"},
              {0, 4, "TabSheet2", "Untagged Port", "ScrollBox2", "UntaggedGrid"}}};

}  // namespace

TVlanStaticForm::TVlanStaticForm(const TDialogContext& context)
    : TTableDialog(context, kStaticForm),
      StaticRequest(Request(0)),
      NextIndexRequest(Request(1)),
      EgressGrid(Grid(0)),
      ForbiddenGrid(Grid(1)),
      UntaggedGrid(Grid(2)) {}

TVLanCurrentTableForm::TVLanCurrentTableForm(const TDialogContext& context)
    : TTableDialog(context, kCurrentForm),
      CurrentRequest(Request(0)),
      NumDeletesRequest(Request(1)),
      EgressGrid(Grid(0)),
      UntaggedGrid(Grid(1)) {}
