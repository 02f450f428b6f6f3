#include "AddressBindingDialogs.h"

#include <QPushButton>

#include <algorithm>
#include <string>

#include "ComboBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

// Entries of the status combo (RowStatus value minus one).
constexpr int kCreateAndGoEntry = 3;
constexpr int kDestroyEntry = 5;

#define BINDING "1.3.6.1.4.1.99917.12.23.4.1.1."
const CvSNMPVarDesc kBindingTable[] = {
    {BINDING "1", "swIpMacBindingIpIndex", ipaddress, kIndex},
    {BINDING "2", "swIpMacBindingMac", macaddress, kRw},
    {BINDING "3", "swIpMacBindingStatus", integer, kRw, &kRowStatus},
    {BINDING "4", "swIpMacBindingPorts", bitstr, kRw},
    {}};
#undef BINDING

const TTableDialogDecl kBindingForm{
    .Name = "IPMACBindingForm",
    .Caption = "IP-MAC Binding Form",
    .Width = 600,
    .Height = 560,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnEdit", "Edit", TDialogAction::Set},
                {"btnAdd", "Add", TDialogAction::Add},
                {"btnDelete", "Delete", TDialogAction::Delete},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kBindingTable, MVT_UMV, 1, "ListView1", true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "edtIpAddr", "IP Address", "%s{l16}"},
               {0, 1, TFieldKind::Edit, "edtMacAddr", "MAC Address", "%s{l12}"},
               {0, 2, TFieldKind::Combo, "ComboStatus", "Status", "%s", false},
               {0, -1, TFieldKind::Combo, "cbxMode", "Mode", "%s", false}},
    .Grids = {{0, 3, "PortFrame", "Ports", "PortScrollBox", "StackingPortUitForm"}},
    .GridsBox = "StackingPortPanel",
    .StatusItem = 2,
    .CreateEntry = kCreateAndGoEntry,
    .DestroyEntry = kDestroyEntry,
    .KeyField = "edtIpAddr",
    .StatusBarOutput = true,
    .CountName = nullptr};

const CvIntOptionPair kBlockedTypePairs[] = {{2, "blockByAddrBind"}, {3, "delete"}, {0, nullptr}};
const CvOptionList kBlockedType(kBlockedTypePairs);

#define BLOCKED "1.3.6.1.4.1.99917.12.23.4.2.1."
const CvSNMPVarDesc kBlockedTable[] = {
    {BLOCKED "1", "swIpMacBindingBlockedVID", integer, kIndex},
    {BLOCKED "2", "swIpMacBindingBlockedMac", macaddress, kIndex},
    {BLOCKED "3", "swIpMacBindingBlockedVlanName", displaystr, kRo},
    {BLOCKED "4", "swIpMacBindingBlockedPort", integer, kRo},
    {BLOCKED "5", "swIpMacBindingBlockedType", integer, kRw, &kBlockedType},
    {}};
#undef BLOCKED

const TTableDialogDecl kBlockedForm{
    .Name = "IpMacBindBlockedForm",
    .Caption = "IP-MAC Binding Blocked Table",
    .Width = 600,
    .Height = 420,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnDelete", "Delete", TDialogAction::Delete},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kBlockedTable, MVT_UMV, 2, "ListView1", true, 0}},
    .Fields = {{0, 4, TFieldKind::Combo, "ComboType", "Type", "%s", false}},
    .StatusItem = 4,
    .DestroyEntry = 1,  // "delete" releases the host
    .CountName = nullptr};

const CvIntOptionPair kActivityPairs[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const CvOptionList kActivity(kActivityPairs);
constexpr int kStartEntry = 1;

#define PORTSEC "1.3.6.1.4.1.99917.11.70.1.2.7.2."
const CvSNMPVarDesc kPortSecurityDelete[] = {
    {PORTSEC "1", "swL2PortSecurityDelVlanName", displaystr, kRw},
    {PORTSEC "2", "swL2PortSecurityDelPort", integer, kRw},
    {PORTSEC "3", "swL2PortSecurityDelMacAddress", macaddress, kRw},
    {PORTSEC "4", "swL2PortSecurityDelActivity", integer, kRw, &kActivity},
    {}};
#undef PORTSEC

constexpr int kMaxUnit = 12;
// A unit the list does not know counts as one of this many ports.
constexpr int kUnlistedUnitPorts = 50;
constexpr int kMacDigits = 12;

// The switch numbers the ports of all units of a stack one after another.
const std::string kDevicePortFormat =
    "%i{n0x" + std::to_string(kMaxUnit * TStackingPortUitForm::kPortsPerUnit) + "l3}";

const TTableDialogDecl kPortSecurityForm{
    .Name = "PrtSecDelCtrlForm",
    .Caption = "Port Security Delete: ",
    .Width = 420,
    .Height = 240,
    .CaptionWithDevice = true,
    .Buttons = {{"btnRefresh", "Refresh", TDialogAction::Refresh},
                {"btnSet", "Set", TDialogAction::Set}},
    .Requests = {{kPortSecurityDelete, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {{0, 0, TFieldKind::Edit, "edtVlan", "Vlan", "%s{l32}"},
               {0, -1, TFieldKind::Edit, "PortEdit", "Port"},
               {0, 2, TFieldKind::Edit, "edtMac", "MAC", "%s{l12}"},
               {0, -1, TFieldKind::Edit, "UnitEdit", "Unit", "%s", false},
               {0, 1, TFieldKind::Edit, "edtPort", "Device Port", kDevicePortFormat.c_str(), false},
               {0, 3, TFieldKind::Combo, "cbxOper", "Activity", "%s", false}},
    .StatusBarOutput = true,
    .CountName = nullptr};

int PortCountOf(const std::vector<TUnitEntry>& units, int unit) {
    const auto entry = std::find_if(units.begin(), units.end(),
                                    [unit](const TUnitEntry& e) { return e.Unit == unit; });
    return entry != units.end() ? entry->PortCount : kUnlistedUnitPorts;
}

}  // namespace

// --- bindings ---------------------------------------------------------------

TIPMACBindingForm::TIPMACBindingForm(const TDialogContext& context)
    : TTableDialog(context, kBindingForm), BindingRequest(Request(0)), PortGrid(Grid(0)) {}

void TIPMACBindingForm::FormCreate() {
    Guarded(*BindingRequest, [&] { BindingRequest->Get(); });
    ShowRowButtons(false);
}

void TIPMACBindingForm::ShowRowButtons(bool rowSelected) {
    SetRowButtons(rowSelected);  // the address is locked while its row is shown
    Button(TDialogAction::Add)->setEnabled(true);
}

void TIPMACBindingForm::ListClick() {
    const bool selected = List->SelectedLine() >= 0;
    if (!selected) {
        ClearEdits();
    }
    ShowRowButtons(selected);
}

void TIPMACBindingForm::RefreshBtnClick() {
    if (Busy()) {
        return;
    }
    Guarded(*BindingRequest, [&] { BindingRequest->Get(); });
    ClearEdits();
    ShowRowButtons(false);
}

bool TIPMACBindingForm::AddressesValid() {
    for (const auto& [edit, refusal] :
         {std::pair{"edtIpAddr", Ipv4TextRefusal(TextOf("edtIpAddr"))},
          std::pair{"edtMacAddr", MacTextRefusal(TextOf("edtMacAddr"))}}) {
        if (!refusal.isEmpty()) {
            Refuse(Field(edit), refusal);
            return false;
        }
    }
    return true;
}

void TIPMACBindingForm::Write(int statusEntry) {
    ComboBox* status = StatusCombo();
    const int shown = status->currentIndex();
    if (statusEntry >= 0) {
        status->setCurrentIndex(statusEntry);
    }
    if (!Guarded(*BindingRequest, [&] { BindingRequest->Set(false, true); })) {
        // What was typed stays; an Edit after a refused Delete must not destroy.
        status->setCurrentIndex(shown);
        return;
    }
    RefreshBtnClick();
}

void TIPMACBindingForm::AddBtnClick() {
    if (!Busy() && AddressesValid()) {
        Write(kCreateAndGoEntry);
    }
}

void TIPMACBindingForm::SetBtnClick() {
    if (!Busy() && AddressesValid()) {
        Write(-1);
    }
}

void TIPMACBindingForm::DeleteBtnClick() {
    if (!Busy()) {
        Write(kDestroyEntry);
    }
}

// --- blocked hosts ----------------------------------------------------------

TIpMacBindBlockedForm::TIpMacBindBlockedForm(const TDialogContext& context)
    : TTableDialog(context, kBlockedForm), BlockedRequest(Request(0)) {}

void TIpMacBindBlockedForm::DeleteBtnClick() {
    if (!Busy() && List->SelectedLine() >= 0) {
        TTableDialog::DeleteBtnClick();
    }
}

// --- port security ----------------------------------------------------------

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(const TDialogContext& context)
    : TTableDialog(context, kPortSecurityForm),
      DeleteRequest(Request(0)),
      UnitEdit(static_cast<Edit*>(Field("UnitEdit"))),
      PortEdit(static_cast<Edit*>(Field("PortEdit"))),
      edtPort(static_cast<Edit*>(Field("edtPort"))) {}

void TPrtSecDelCtrlForm::FormCreate() {
    Read();
}

void TPrtSecDelCtrlForm::RefreshBtnClick() {
    if (!Busy()) {
        Read();
    }
}

void TPrtSecDelCtrlForm::Read() {
    UnitList.clear();
    // A failed read leaves the port the user typed as it is.
    if (Guarded(*DeleteRequest, [&] { DeleteRequest->Get(); })) {
        ShowUnitPort();
    }
    UnitList = DefaultUnitList();
}

void TPrtSecDelCtrlForm::ShowUnitPort() {
    const TUnitPort split = SplitGlobalPort(std::max(0, IntOfText(edtPort->text()).value_or(0)));
    UnitEdit->setText(QString::number(split.Unit));
    PortEdit->setText(QString::number(split.Port));
}

bool TPrtSecDelCtrlForm::PortValid() {
    const int unit = IntOfText(UnitEdit->text()).value_or(0);
    const int port = IntOfText(PortEdit->text()).value_or(0);
    const int count = PortCountOf(UnitList, unit);
    const bool unitValid = unit >= 1 && unit <= kMaxUnit;
    if (unitValid && port >= 1 && port <= count) {
        edtPort->setText(QString::number(GlobalPort(unit, port)));
        return true;
    }
    if (unit > kMaxUnit || port > count) {
        UnitEdit->setText("0");
        PortEdit->setText("0");
    }
    Refuse(unitValid ? PortEdit : UnitEdit, "You should input valid port.");
    return false;
}

void TPrtSecDelCtrlForm::SetBtnClick() {
    if (Busy()) {
        return;
    }
    UnitEdit->setText("1");  // the stack's one unit
    if (TextOf("edtVlan").isEmpty()) {
        Refuse(Field("edtVlan"), "You should input Vlan name.");
        return;
    }
    if (!PortValid()) {
        return;
    }
    const QString mac =
        HexDigitsRefusal(TextOf("edtMac"), kMacDigits, "You should input valid MAC address.");
    if (!mac.isEmpty()) {
        Refuse(Field("edtMac"), mac);
        return;
    }
    Combo("cbxOper")->setCurrentIndex(kStartEntry);
    Guarded(*DeleteRequest, [&] { DeleteRequest->Set(false, true); });
}
