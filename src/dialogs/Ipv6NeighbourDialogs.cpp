#include "Ipv6NeighbourDialogs.h"

#include <QPushButton>

#include "CvOptionList.h"
#include "DialogOptions.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kNeighbourTypePairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {0, nullptr}};
const CvOptionList kNeighbourType(kNeighbourTypePairs);

// Combo entries of the neighbour type.
constexpr int kInvalidEntry = 1;
constexpr int kStaticEntry = 3;

// The one interface static neighbours are entered on.
const char kInterface[] = "5121";

#define NEIGHBOUR "1.3.6.1.4.1.99917.12.26.4.7.1."
const CvSNMPVarDesc kNeighbours[] = {
    {NEIGHBOUR "1", "swL3ArpCtrlIpv6IfIndex", integer, kIndex},
    {NEIGHBOUR "2", "swL3ArpCtrlIpv6IpAddr", ipv6address, kIndex},
    {NEIGHBOUR "3", "swL3ArpCtrlIpv6MacAddr", macaddress, kRw},
    {NEIGHBOUR "4", "swL3ArpCtrlIpv6Type", integer, kRw, &kNeighbourType},
    {}};
#undef NEIGHBOUR

constexpr int kMacColumn = 2;

const TTableDialogDecl kNeighbourWindow{
    .Name = "ARPIPV6ControlForm",
    .Caption = "IPV6 ARP Control",
    .Width = 620,
    .Height = 400,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnAdd", "Add", TDialogAction::Own},
                {"btnDelete", "Delete", TDialogAction::Delete},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kNeighbours, MVT_UMV, 2, "ListView1", true, 0}},
    .CountName = "StaticText1",
    .CountLabelName = nullptr};

const TRowRemoval kNeighbourRemoval{"cbxType", kInvalidEntry, {kMacColumn}};

const TCompanionDecl kNeighbourEdit{
    .Name = "ARPIPv6ControlEditForm",
    .Caption = "IPV6 ARP Control Edit",
    .Fields = {{0, 0, TFieldKind::Edit, "edtIndex", "Index", "%i{n1x65535l5}"},
               {0, 1, TFieldKind::Edit, "edtAddress", "IPV6 Address", "%s{l32}"},
               {0, 2, TFieldKind::Edit, "edtMac", "Mac Address", "%s{l12}"},
               {0, 3, TFieldKind::Combo, "cbxType", "Type", "%s", true, true}},
    .SetButton = "btnSet",
    .CloseButton = "btnClose"};

}  // namespace

TARPIPv6ControlEditForm::TARPIPv6ControlEditForm(TCompanionListForm& owner)
    : TCompanionForm(owner, kNeighbourEdit) {}

void TARPIPv6ControlEditForm::FormActivate() {
    Choose("cbxType", kStaticEntry, false);
    Show("edtIndex", kInterface, false);
    Empty({"edtAddress", "edtMac"});
}

bool TARPIPv6ControlEditForm::Validate() {
    const int index = NumberIn("edtIndex");
    const QString address = TextOf("edtAddress");
    const QString mac = TextOf("edtMac");
    return Passes({{"edtIndex", When(TextOf("edtIndex").isEmpty(), "Please input an index first")},
                   {"edtIndex", When(index < 1 || index > 65535, "Index should between 1-65535")},
                   {"edtAddress", When(address.isEmpty(), "Please Set IPV6Address")},
                   {"edtAddress", Ipv6TextRefusal(address)},
                   {"edtMac", When(mac.isEmpty(), "Please Set Mac Address")},
                   {"edtMac", MacTextRefusal(mac)}});
}

TARPIPV6ControlForm::TARPIPV6ControlForm(const TDialogContext& context)
    : TCompanionListForm(context, kNeighbourWindow, &kNeighbourRemoval),
      EditForm(new TARPIPv6ControlEditForm(*this)) {
    Adopt(EditForm);
    connect(ButtonNamed("btnAdd"), &QPushButton::clicked, this, [this] { AddThroughCompanion(0); });
}
