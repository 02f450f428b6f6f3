#include "BridgeDialogs.h"

#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

// Every bridge port list of these tables covers twelve units of 64 ports.
constexpr int kStackUnits = 12;

const CvIntOptionPair kFrameTypePairs[] = {
    {1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {0, nullptr}};
const CvOptionList kFrameTypes(kFrameTypePairs);

#define PBRIDGE "1.3.6.1.2.1.17.6.1.1."
const CvSNMPVarDesc kCapabilities[] = {{PBRIDGE "1", "DeviceCapabilities", bitstr, kRo}, {}};
// The GMRP switch lives beside the traffic classes: its combo shows and sets it.
const CvSNMPVarDesc kTrafficClasses[] = {
    {PBRIDGE "2", "TrafficClassesEnabled", integer, kRo, &kTrueFalse},
    {PBRIDGE "3", "GmrpStatus", integer, kRw, &kEnabledDisabled},
    {}};
const CvSNMPVarDesc kPortCapabilities[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kIndex},
    {PBRIDGE "4.1.1", "dot1dPortCapabilities", bitstr, kRo},
    {}};
#undef PBRIDGE

const TTableDialogDecl kPBridgeForm{
    .Name = "PBridgeConfigForm",
    .Caption = "802.1P Basic Configure",
    .Width = 420,
    .Height = 260,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"BT_Set", "Set", TDialogAction::Set}},
    .Requests = {{kCapabilities}, {kTrafficClasses}},
    .Fields = {{0, 0, TFieldKind::Static, "Edit_DeviceCapabilities", "Device Capabilities"},
               {1, 0, TFieldKind::Combo, "TrafficClassesState", "Traffic Classes State"},
               {1, 1, TFieldKind::Combo, "GmrpStatus", "GMRP Status"}},
    .CountName = nullptr};

#define GARP "1.3.6.1.2.1.17.6.1.3.1.1."
const CvSNMPVarDesc kGarpTable[] = {{"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kIndex},
                                    {GARP "1", "GARPJoinTime", integer, kRw},
                                    {GARP "2", "GARPLeaveTime", integer, kRw},
                                    {GARP "3", "GARPLeaveAllTime", integer, kRw},
                                    {}};
#undef GARP

const TTableDialogDecl kGarpForm{.Name = "GARPForm",
                                 .Caption = "GARP Form",
                                 .Width = 560,
                                 .Height = 480,
                                 .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                                             {"SetBtn", "Set", TDialogAction::Set}},
                                 .Requests = {{kGarpTable, MVT_FMV, 1, "LV_dot1dPortGarpEntry"}},
                                 .Fields = {{0, 1, TFieldKind::Edit, "GarpJoinTime",
                                             "GARP Join Time           (0....2147483647)", "%i"},
                                            {0, -1, TFieldKind::Static, "Label1", ""},
                                            {0, 2, TFieldKind::Edit, "GarpLeaveTime",
                                             "GARP Leave Time       (0....2147483647)", "%i"},
                                            {0, -1, TFieldKind::Static, "Label2", ""},
                                            {0, 3, TFieldKind::Edit, "GarpLeaveAllTime",
                                             "GARP Leave All Time   (0....2147483647)", "%i"},
                                            {0, -1, TFieldKind::Static, "Label3", ""}},
                                 .CountName = "ST_Count"};

const TTableDialogDecl kPortCapabilitiesForm{
    .Name = "PortCapabilities8021dForm",
    .Caption = "Port Capability Form",
    .Width = 460,
    .Height = 460,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh}},
    .Requests = {{kPortCapabilities, MVT_FMV, 1, "LV_dot1dPortCapabilitiesEntry"}},
    .CountName = "ST_Count"};

#define QBRIDGE "1.3.6.1.2.1.17.7.1."
const CvSNMPVarDesc kVlanGeneral[] = {
    {QBRIDGE "1.1", "VLANVersionNumber", integer, kRo},
    {QBRIDGE "1.2", "MaxVLANId", integer, kRo},
    {QBRIDGE "1.3", "MaxSupportedVLANs", guage, kRo},
    {QBRIDGE "1.4", "CurrentNumOfVLANs", guage, kRo},
    {QBRIDGE "1.5", "GVRPStatus", integer, kRw, &kEnabledDisabled},
    {}};

const CvSNMPVarDesc kPortVlanTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", integer, kIndex},
    {QBRIDGE "4.5.1.1", "PortVLANID", guage, kRw},
    {QBRIDGE "4.5.1.2", "AcceptableFrameTypes", integer, kRw, &kFrameTypes},
    {QBRIDGE "4.5.1.3", "IngressFiltering", integer, kRw, &kTrueFalse},
    {QBRIDGE "4.5.1.4", "GVRPStatus", integer, kRw, &kEnabledDisabled},
    {QBRIDGE "4.5.1.5", "GVRPFailedRegistrations", counter, kRo},
    {QBRIDGE "4.5.1.6", "GVRPLastPduOrigin", macaddress, kRo},
    {}};

const CvSNMPVarDesc kTpGroupTable[] = {{QBRIDGE "4.2.1.2", "VLAN ID", guage, kIndex},
                                       {QBRIDGE "2.3.1.1", "GroupAddress", macaddress, kIndex},
                                       {QBRIDGE "2.3.1.2", "EgressPorts", octetstr, kRo},
                                       {QBRIDGE "2.3.1.3", "GMRPLearntPorts", octetstr, kRo},
                                       {}};

const CvSNMPVarDesc kForwardAllTable[] = {{QBRIDGE "4.2.1.2", "VLAN ID", guage, kIndex},
                                          {QBRIDGE "2.4.1.1", "AllPorts", octetstr, kRo},
                                          {QBRIDGE "2.4.1.2", "StaticPorts", octetstr, kRw},
                                          {QBRIDGE "2.4.1.3", "ForbiddenPorts", octetstr, kRw},
                                          {}};

const CvSNMPVarDesc kForwardUnregisteredTable[] = {
    {QBRIDGE "4.2.1.2", "VLAN ID", guage, kIndex},
    {QBRIDGE "2.5.1.1", "UnregisteredPorts", octetstr, kRo},
    {QBRIDGE "2.5.1.2", "UnregisteredStaticPorts", octetstr, kRw},
    {QBRIDGE "2.5.1.3", "UnregisteredForbiddenPorts", octetstr, kRw},
    {}};
#undef QBRIDGE

const TTableDialogDecl kVlanGeneralForm{
    .Name = "VLanGeneralInfoForm",
    .Caption = "802.1Q Basic Configure",
    .Width = 440,
    .Height = 300,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set}},
    .Requests = {{kVlanGeneral}},
    .Fields = {{0, 0, TFieldKind::Static, "VlanVersionNumber", "VLAN Version Number"},
               {0, 1, TFieldKind::Static, "MaxVlanId", "Max VLAN ID"},
               {0, 2, TFieldKind::Static, "MaxSupportedVlans", "Max Supported VLANs"},
               {0, 3, TFieldKind::Static, "CurrentNumOfVlans", "Current Number Of VLANs"},
               {0, 4, TFieldKind::Combo, "GvrpStatus", "GVRP Status"}},
    .CountName = nullptr};

const TTableDialogDecl kPortVlanForm{
    .Name = "VLanPortInfomationForm",
    .Caption = "VLAN Port Information Form",
    .Width = 640,
    .Height = 520,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set}},
    .Requests = {{kPortVlanTable, MVT_FMV, 1, "LV_dot1qPortVlanEntry"}},
    .Fields = {{0, 1, TFieldKind::Edit, "PortVLanID", "Port VLAN ID", "%i{}"},
               {0, 2, TFieldKind::Combo, "AcceptableFrameTypes", "Acceptable Frame Types"},
               {0, 3, TFieldKind::Combo, "IngressFiltering", "Ingress Filtering"},
               {0, 4, TFieldKind::Combo, "GvrpStatus", "GVRP Status"}},
    .CountName = "ST_Count"};

const TTableDialogDecl kTpGroupForm{
    .Name = "TpGroupDestinationForwardedForm",
    .Caption = "Tp Group Destination Forwarded",
    .Width = 640,
    .Height = 520,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh}},
    .Requests = {{kTpGroupTable, MVT_UMV, 2, "LV_dot1qTpGroupEntry"}},
    .Grids = {{0, 2, "TabSheet1", "Egress Ports", "ScrollBox1", "EgressGrid", true, false,
               kStackUnits},
              {0, 3, "TabSheet2", "GMRP Learn Port", "ScrollBox2", "LearntGrid", true, false,
               kStackUnits}},
    .CountName = "ST_Count"};

const TTableDialogDecl kForwardAllForm{
    .Name = "MulticastForwardingInformationForm",
    .Caption = "MulticastForwardingInformationForm",
    .Width = 640,
    .Height = 540,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set}},
    .Requests = {{kForwardAllTable, MVT_FMV, 1, "LV_dot1qForwardUnregisteredEntry"}},
    .Grids = {{0, 1, "TabSheet1", "All Forwarded Ports", "ScrollBox1", "AllGrid", true, false,
               kStackUnits},
              {0, 2, "TabSheet2", "All Static Ports", "ScrollBox2", "StaticGrid", false, false,
               kStackUnits},
              {0, 3, "TabSheet3", "All Forbiden Ports", "ScrollBox3", "ForbiddenGrid", false, false,
               kStackUnits}},
    .CountName = "ST_Count"};

// The pages show the selected VLAN's lists and Set writes the static and
// forbidden ones, as in the forward-all dialog.
const TTableDialogDecl kForwardUnregisteredForm{
    .Name = "ForwardUnregisteredInformationForm",
    .Caption = "Forward Unregistered Information",
    .Width = 640,
    .Height = 540,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set}},
    .Requests = {{kForwardUnregisteredTable, MVT_FMV, 1, "LV_dot1qForwardUnregisteredEntry"}},
    .Grids = {{0, 1, "TabSheet1", "Unregistered Ports", "ScrollBox1", "UnregisteredGrid", true,
               false, kStackUnits},
              {0, 2, "TabSheet2", "Unregisteried Static Ports", "ScrollBox2", "StaticGrid", false,
               false, kStackUnits},
              {0, 3, "TabSheet3", "Unregistered Forbidden Ports", "ScrollBox3", "ForbiddenGrid",
               false, false, kStackUnits}},
    .CountName = "ST_Count"};

}  // namespace

TPBridgeConfigForm::TPBridgeConfigForm(const TDialogContext& context)
    : TTableDialog(context, kPBridgeForm) {}

void TPBridgeConfigForm::SetBtnClick() {
    // Each list writes what it may; the capabilities are read only.
    for (std::size_t k = 0; k < Requests.size(); ++k) {
        CvSNMPRequest2Edits& request = *Request(k);
        Guarded(request, [&] { WriteExcluding(k, std::set<int>{}, true); });
    }
}

TGarpGatedForm::TGarpGatedForm(const TDialogContext& context, const TTableDialogDecl& decl)
    : TTableDialog(context, decl) {
    Request(0)->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError&) {
        Gates().Completed();
        Reselect();
    };
    // A refused write is followed by no read: the gates open here instead.
    Request(0)->OnWriteDone = [this](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        if (error.Code != 0) {
            Gates().Completed();
        }
    };
}

void TGarpGatedForm::FormCreate() {
    Gates().GetReady = false;
    if (!Guarded(*Request(0), [&] { Request(0)->Get(); })) {
        Gates().GetReady = true;
    }
    CountRows();
}

void TGarpGatedForm::RefreshBtnClick() {
    if (!MayRefresh()) {
        return;  // a read or write of these dialogs still runs
    }
    Gates().GetReady = false;
    if (!Guarded(*Request(0), [&] { Request(0)->Get(); })) {
        Gates().GetReady = true;
    }
    CountRows();
}

TGARPForm::TGARPForm(const TDialogContext& context) : TGarpGatedForm(context, kGarpForm) {
    for (const char* unit : {"Label1", "Label2", "Label3"}) {
        Field(unit)->setProperty("text", "Centiseconds");
    }
}

void TGARPForm::SetBtnClick() {
    if (!Gates().GetReady || !Gates().SetReady) {
        return;
    }
    Gates().GetReady = false;
    Gates().SetReady = false;
    WriteAndReselect();
    if (!Request(0)->Busy) {
        Gates().Completed();  // refused before it went out
    }
    CountRows();
}

TPortCapabilities8021dForm::TPortCapabilities8021dForm(const TDialogContext& context)
    : TGarpGatedForm(context, kPortCapabilitiesForm) {}

TVLanGeneralInfoForm::TVLanGeneralInfoForm(const TDialogContext& context)
    : TTableDialog(context, kVlanGeneralForm) {}

TVLanPortInfomationForm::TVLanPortInfomationForm(const TDialogContext& context)
    : TTableDialog(context, kPortVlanForm) {
    Request(0)->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError&) { Reselect(); };
}

void TVLanPortInfomationForm::FormCreate() {
    TTableDialog::FormCreate();
    static_cast<Edit*>(Field("PortVLanID"))->clear();
}

void TVLanPortInfomationForm::RefreshBtnClick() {
    if (Busy()) {
        CvMessageBox::Plain(this, "Refresh Not Complete");
        return;
    }
    Guarded(*Request(0), [&] { Request(0)->Get(); });
    CountRows();
}

void TVLanPortInfomationForm::SetBtnClick() {
    if (Busy()) {
        CvMessageBox::Plain(this, "Refresh Not Complete");
        return;
    }
    WriteAndReselect();
}

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(const TDialogContext& context)
    : TTableDialog(context, kTpGroupForm) {}

void TForwardPortsForm::SetBtnClick() {
    // The selected VLAN's static and forbidden lists; the grids stay as set.
    Guarded(*Request(0), [&] { Request(0)->Set(true, true); });
    CountRows();
}

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(
    const TDialogContext& context)
    : TForwardPortsForm(context, kForwardAllForm) {}

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(
    const TDialogContext& context)
    : TForwardPortsForm(context, kForwardUnregisteredForm) {}
