#include "MulticastSnoopingDialogs.h"

#include <QPushButton>

#include "CheckBox.h"
#include "DialogOptions.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

#define IGMP "1.3.6.1.4.1.99917.11.70.1.2.11.6.1."
const CvSNMPVarDesc kIgmpRouterPorts[] = {
    {IGMP "1", "swL2IGMPRouterPortsVid", integer, kIndex},
    {IGMP "2", "swL2IGMPRouterStaticPortList", octetstr, kRw},
    {IGMP "3", "swL2IGMPRouterDynamicPortList", octetstr, kRo},
    {IGMP "4", "swL2IGMPRouterForbiddenPortList", octetstr, kRw},
    {}};
#undef IGMP

#define MLD "1.3.6.1.4.1.99917.12.34.3.4.1."
const CvSNMPVarDesc kMldRouterPorts[] = {
    {MLD "1", "swMldSnpRouterPortsVid", integer, kIndex},
    {MLD "2", "swMldSnpRouterStaticPortList", octetstr, kRw},
    {MLD "3", "swMldSnpRouterDynamicPortList", octetstr, kRo},
    {MLD "4", "swMldSnpRouterForbiddenPortList", octetstr, kRw},
    {}};
#undef MLD

// The two router-port dialogs differ only in these.
struct TRouterPortsKind {
    const char* Name;
    const char* Caption;
    const CvSNMPVarDesc* Vars;
    std::uint8_t ItemType;
    const char* VlanLabel;
    bool StatusBarOutput;
};

TTableDialogDecl RouterPortsDecl(const TRouterPortsKind& kind) {
    return TTableDialogDecl{
        .Name = kind.Name,
        .Caption = kind.Caption,
        .Width = 640,
        .Height = 560,
        .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                    {"btnSet", "Set", TDialogAction::Set}},
        .Requests = {{kind.Vars, kind.ItemType, 1, "ListView1"}},
        .Fields = {{0, 0, TFieldKind::Static, "stVlanID", kind.VlanLabel}},
        // The dynamic ports are the switch's to learn: shown, never edited.
        .Grids = {{0, 1, "tbsStatic", "Static ports", "ScrollBox1", "StaticGrid"},
                  {0, 2, "tbsDynamic", "Dynamic Ports", "ScrollBox2", "DynamicGrid", true},
                  {0, 3, "tbsForbidden", "Forbidden Ports", "ScrollBox3", "ForbiddenGrid"}},
        .StatusBarOutput = kind.StatusBarOutput,
        .CountName = nullptr};
}

const TTableDialogDecl kIgmpRouterPortsForm = RouterPortsDecl(
    {"IGMPRouterPortsForm", "IGMP Router ports", kIgmpRouterPorts, MVT_FMV, "Vlan ID", false});
const TTableDialogDecl kMldRouterPortsForm =
    RouterPortsDecl({"MLD_SnoopingRouterPortsForm", "MLD Snooping Router Ports Form",
                     kMldRouterPorts, MVT_UMV, "VID", true});

}  // namespace

TRouterPortsForm::TRouterPortsForm(const TDialogContext& context, const TTableDialogDecl& decl)
    : TTableDialog(context, decl),
      RouterRequest(Request(0)),
      StaticGrid(Grid(0)),
      DynamicGrid(Grid(1)),
      ForbiddenGrid(Grid(2)) {
    RouterRequest->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError&) {
        Ready = true;
        // A read of a table whose controls wait for a row leaves the boxes disabled.
        for (TStackingPortUitForm* grid : {StaticGrid, DynamicGrid, ForbiddenGrid}) {
            for (CheckBox* box : grid->PortCheckBoxes) {
                box->setEnabled(true);
            }
        }
        ShowRowButtons();
    };
    // A write re-reads the table; what was chosen stays until the switch has taken it.
    RouterRequest->OnWriteDone = [this](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        if (error.Code != 0) {
            Ready = true;
            ShowRowButtons();
        } else {
            ClearEdits();
        }
    };
}

void TRouterPortsForm::ShowRowButtons() {
    SetRowButtons(Ready && List->SelectedLine() >= 0);
}

void TRouterPortsForm::FormCreate() {
    SetRowButtons(false);
    if (!Attempt([&] { RouterRequest->Get(); })) {
        Ready = true;  // nothing runs that could end the wait
    }
}

void TRouterPortsForm::RefreshBtnClick() {
    if (!Ready) {
        return;  // the running read fills the list
    }
    Ready = false;
    if (!Attempt([&] { RouterRequest->Get(); })) {
        Ready = true;
    }
    ClearEdits();
    SetRowButtons(false);
}

void TRouterPortsForm::SetBtnClick() {
    if (!Ready || List->SelectedLine() < 0) {
        return;
    }
    Ready = false;
    SetRowButtons(false);
    if (!Attempt([&] { RouterRequest->Set(true, true); })) {
        Ready = true;
        ShowRowButtons();
    }
}

void TRouterPortsForm::ListClick() {
    if (List->SelectedLine() < 0) {
        ClearEdits();
    }
    ShowRowButtons();
}

TIGMPRouterPortsForm::TIGMPRouterPortsForm(const TDialogContext& context)
    : TRouterPortsForm(context, kIgmpRouterPortsForm) {}

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(const TDialogContext& context)
    : TRouterPortsForm(context, kMldRouterPortsForm) {}

namespace {

#define GROUP "1.3.6.1.4.1.99917.12.34.3.3.1."
const CvSNMPVarDesc kMldGroups[] = {
    {GROUP "1", "swMldSnoopingGroupInfoVid", integer, kIndex},
    {GROUP "2", "swMldSnoopingGroupInfoIpAddr", ipv6address, kIndex},
    {GROUP "3", "swMldSnoopingGroupInfoMacAddr", macaddress, kRo},
    {GROUP "4", "swMldSnoopingGroupInfoPortMap", octetstr, kRo},
    {GROUP "5", "swMldSnoopingGroupInfoReportCount", integer, kRo},
    {}};
#undef GROUP

const TTableDialogDecl kMldGroupForm{
    .Name = "MLD_SnoopingGroupForm",
    .Caption = "MLD Snooping Group  Information",
    .Width = 640,
    .Height = 560,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh}},
    .Requests = {{kMldGroups, MVT_UMV, 2, "ListView1"}},
    .Fields = {{0, 0, TFieldKind::Static, "stVID", "VID"},
               {0, 1, TFieldKind::Edit, "edtIPAddress", "IP Address", "%s{l32}", true, true},
               {0, 2, TFieldKind::Edit, "edtMAC", "MAC Address", "%s", true, true},
               {0, 4, TFieldKind::Edit, "edtCount", "Count", "%i", true, true}},
    .Grids = {{0, 3, "tbsPortMap", "Member Ports", "StackingPortPanel", "PortGrid", true}},
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(const TDialogContext& context)
    : TTableDialog(context, kMldGroupForm), GroupRequest(Request(0)), PortGrid(Grid(0)) {}

void TMLD_SnoopingGroupForm::RefreshBtnClick() {
    if (Busy()) {
        return;  // the running read fills the list
    }
    Attempt([&] { GroupRequest->Get(); });
    ClearEdits();
}
