#include "FilterDialogs.h"

#include <QPushButton>

#include "ComboBox.h"
#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

enum FilterItem { kVid, kAddress, kReceivePort, kPorts, kStatus };
constexpr int kInvalidEntry = 1;

const CvIntOptionPair kFilterStatusPairs[] = {{1, "other"},           {2, "invalid"},
                                              {3, "permanent"},       {4, "deleteOnReset"},
                                              {5, "deleteOnTimeout"}, {0, nullptr}};
const CvOptionList kFilterStatus(kFilterStatusPairs);

#define STATIC "1.3.6.1.2.1.17.7.1.3."
const CvSNMPVarDesc kMulticastTable[] = {{"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", guage, kIndex},
                                         {STATIC "2.1.1", "MacAddress", macaddress, kIndex},
                                         {STATIC "2.1.2", "ReceivePort", integer, kIndex},
                                         {STATIC "2.1.3", "EgressPorts", octetstr, kRw},
                                         {STATIC "2.1.5", "Status", integer, kRw, &kFilterStatus},
                                         {}};
const CvSNMPVarDesc kUnicastTable[] = {{"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", guage, kIndex},
                                       {STATIC "1.1.1", "UnicastAddress", macaddress, kIndex},
                                       {STATIC "1.1.2", "ReceivePort", integer, kIndex},
                                       {STATIC "1.1.3", "PortsUnicastAllowedToGoTo", octetstr, kRw},
                                       {STATIC "1.1.4", "Status", integer, kRw, &kFilterStatus},
                                       {}};
#undef STATIC

const TTableDialogDecl kMulticastForm{
    .Name = "MulticastFilterInformationForm",
    .Caption = "Multicast Filter InformationForm",
    .Width = 640,
    .Height = 540,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Set", TDialogAction::Set},
                {"btnAdd", "Add", TDialogAction::Add},
                {"btnDelete", "Delete", TDialogAction::Delete}},
    .Requests = {{kMulticastTable, MVT_UMV, 3, "LV_dot1qStaticMulticastEntry"}},
    .Fields = {{0, kVid, TFieldKind::Edit, "ED_MulticastVID", "VID", "%i{n1x4094}"},
               {0, kAddress, TFieldKind::Edit, "ED_MACAddress", "MAC Address", "%h"},
               {0, kReceivePort, TFieldKind::Edit, "ED_ReceivePort", "Receive Port", "%i", false},
               {0, kStatus, TFieldKind::Combo, "Status", "Status"}},
    .Grids = {{0, kPorts, "TabSheet1", "Egress Ports", "ScrollBox1", "EgressGrid"}},
    .StatusItem = kStatus,
    .CountName = "ST_Count"};

const TTableDialogDecl kUnicastForm{
    .Name = "UnicastFilterInformationForm",
    .Caption = "UnicastFilterInformationForm",
    .Width = 640,
    .Height = 540,
    .Buttons = {{"RefreshBtn", "Refresh", TDialogAction::Refresh},
                {"SetBtn", "Add", TDialogAction::Add},
                {"DeleteBtn", "Delete", TDialogAction::Delete}},
    .Requests = {{kUnicastTable, MVT_UMV, 3, "LV_dot1qStaticUnicastEntry"}},
    .Fields = {{0, kVid, TFieldKind::Edit, "ED_UnicastVID", "VID", "%i{n1x4094}"},
               {0, kAddress, TFieldKind::Edit, "UnicastAddress", "MAC  Address", "%h"},
               {0, kReceivePort, TFieldKind::Edit, "ED_ReceivePort", "Receive Port", "%i", false},
               {0, kStatus, TFieldKind::Combo, "UStatus", "Status"}},
    .Grids = {{0, kPorts, "GroupBox1", "Allow To Go To Port", "ScrollBox1", "AllowedGrid"}},
    .GridsBox = "Panel2",
    .StatusItem = kStatus,
    .CountName = "ST_Count"};

}  // namespace

void TStaticFilterForm::ClearEdits() {
    TTableDialog::ClearEdits();
    static_cast<Edit*>(Field("ED_ReceivePort"))->setText("0");
}

bool TStaticFilterForm::NotBusy() {
    if (Busy()) {
        CvMessageBox::Plain(this, "Get data not complete");
        return false;
    }
    return true;
}

TMulticastFilterInformationForm::TMulticastFilterInformationForm(const TDialogContext& context)
    : TStaticFilterForm(context, kMulticastForm) {
    ClearEdits();
}

void TMulticastFilterInformationForm::SetBtnClick() {
    if (!NotBusy()) {
        return;
    }
    // The entry's ports only: its status stays as it is.
    Guarded(*Request(0), [&] { WriteExcluding(0, {kStatus}, true); });
    ClearEdits();
    SetRowButtons(false);
}

void TMulticastFilterInformationForm::AddBtnClick() {
    if (NotBusy()) {
        WriteRow(-1);
    }
}

void TMulticastFilterInformationForm::DeleteBtnClick() {
    if (NotBusy()) {
        WriteRow(kInvalidEntry);
        SetRowButtons(false);
    }
}

TUnicastFilterInformationForm::TUnicastFilterInformationForm(const TDialogContext& context)
    : TStaticFilterForm(context, kUnicastForm) {
    ClearEdits();
}

bool TUnicastFilterInformationForm::Named() const {
    return !TextOf("ED_UnicastVID").isEmpty() && !TextOf("UnicastAddress").isEmpty();
}

void TUnicastFilterInformationForm::AddBtnClick() {
    if (!Named()) {
        CvMessageBox::Warning(this, "Please enter the VID and the MAC address of the entry.");
        return;
    }
    if (StatusCombo()->currentText() != "permanent") {
        CvMessageBox::Warning(this, "Only a permanent entry can be added.");
        return;
    }
    if (NotBusy()) {
        WriteRow(-1);
    }
}

void TUnicastFilterInformationForm::DeleteBtnClick() {
    if (!Named()) {
        CvMessageBox::Warning(this, "Please select which entry you want to delete.");
        return;
    }
    if (!NotBusy()) {
        return;
    }
    // Invalid removes the entry; its ports need not go with it.
    // The table is read again once the write has ended.
    StatusCombo()->setCurrentIndex(kInvalidEntry);
    Guarded(*Request(0), [&] { WriteExcluding(0, {kPorts}, true); });
    ClearEdits();
    SetRowButtons(false);
}
