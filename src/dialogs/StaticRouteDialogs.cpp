#include "StaticRouteDialogs.h"

#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "ComboBox.h"
#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "CvSNMPRequest.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kBackupStatePairs[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const CvOptionList kBackupState(kBackupStatePairs);
const CvIntOptionPair kRouteStatusPairs[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const CvOptionList kRouteStatus(kRouteStatusPairs);

// Combo entries of the route status.
constexpr int kInvalidEntry = 0;
constexpr int kValidEntry = 1;

constexpr int kMaxAddressText = 16;
const char kAnyAddress[] = "0.0.0.0";
const char kIpv6AnyAddress[] = "00000000000000000000000000000000";

// An empty metric is not sent: the switch's own applies.
QString MetricRefusal(const QString& metric) {
    const int value = IntOfText(metric).value_or(-1);
    return !metric.isEmpty() && (value < 1 || value > 65535) ? "Metric should between 1-65535"
                                                             : QString();
}

#define ROUTE "1.3.6.1.4.1.99917.11.70.1.3.2.5.1."
const CvSNMPVarDesc kIpRoutes[] = {
    {ROUTE "1", "swL3IpStaticRouteDest", ipaddress, kIndex},
    {ROUTE "2", "swL3IpStaticRouteMask", ipaddress, kIndex},
    {ROUTE "3", "swL3IpStaticRouteBkupState", integer, kIndex, &kBackupState},
    {ROUTE "4", "swL3IpStaticRouteNextHop", ipaddress, kRw},
    {ROUTE "5", "swL3IpStaticRouteMetric", integer, kRw},
    {ROUTE "6", "swL3IpStaticRouteStatus", integer, kRw, &kRouteStatus},
    {}};
#undef ROUTE

enum TIpRouteColumn { kDestColumn, kMaskColumn, kBackupColumn, kNextHopColumn, kMetricColumn };

const TTableDialogDecl kIpRouteWindow{
    .Name = "IpStaticRouteForm",
    .Caption = "IP Static Route",
    .Width = 640,
    .Height = 420,
    .Buttons = {{"GetButton", "Refresh", TDialogAction::Refresh},
                {"AddButton", "Add", TDialogAction::Own},
                {"btnDefaultRoute", "Add Default Route", TDialogAction::Own},
                {"EditButton", "Edit", TDialogAction::Own, false},
                {"DeleteButton", "Delete", TDialogAction::Delete},
                {"CloseButton", "Close", TDialogAction::Close}},
    .Requests = {{kIpRoutes, MVT_UMV, 3, "ListView1", true, 1}},
    .CountName = "StaticText1",
    .CountLabelName = nullptr};

const TRowRemoval kIpRouteRemoval{"StatusComboBox", kInvalidEntry, {kNextHopColumn, kMetricColumn}};

const TCompanionDecl kIpRouteEdit{
    .Name = "IpStaticRouteEditForm",
    .Caption = "Ip Static Route Edit",
    .Fields = {{0, 0, TFieldKind::Edit, "DesEdit", "Destination", "%s{l16}"},
               {0, 1, TFieldKind::Edit, "MaskEdit", "Mask", "%s{l16}"},
               {0, 2, TFieldKind::Combo, "BakeupComboBox", "Bakeup State"},
               {0, 3, TFieldKind::Edit, "NextHopEdit", "Next Hop", "%s{l16}"},
               {0, 4, TFieldKind::Edit, "MetricEdit", "Metric", "%i{n1x65535l5}"},
               {0, 5, TFieldKind::Combo, "StatusComboBox", "Status", "%s", true, true}},
    .SetButton = "SetButton",
    .CloseButton = "CloseButton"};

const QString kMasks[] = {"255.0.0.0", "255.255.0.0", "255.255.255.0", "255.255.255.255"};

}  // namespace

TIpStaticRouteEditForm::TIpStaticRouteEditForm(TCompanionListForm& owner)
    : TCompanionForm(owner, kIpRouteEdit) {}

void TIpStaticRouteEditForm::FormActivate() {
    Choose("StatusComboBox", kValidEntry, false);
    Empty({"NextHopEdit", "MetricEdit"});
    if (Mode == kAddDefaultRoute) {
        Show("DesEdit", kAnyAddress, false);
        Show("MaskEdit", kAnyAddress, false);
        Choose("BakeupComboBox", 0, false);
        return;
    }
    Show("DesEdit", "", true);
    Show("MaskEdit", "", true);
    // A route is named by its backup state too: never none.
    ComboBox* backup = Combo("BakeupComboBox");
    Choose("BakeupComboBox", backup->currentIndex() < 0 ? 0 : backup->currentIndex(), true);
}

bool TIpStaticRouteEditForm::DestinationPasses() {
    const QString dest = TextOf("DesEdit");
    if (!Passes({{"DesEdit", When(dest.isEmpty(), "Destination Ip should be Set!")},
                 {"DesEdit", When(dest.size() > kMaxAddressText, "Ip should be 16 bit")}})) {
        return false;
    }
    if (dest == kAnyAddress) {
        if (CvMessageBox::Confirm(
                this,
                "If you want to add a default route which Destination ip and Mask both are "
                "0.0.0.0, you should use Add Default Route button. If not, you can not add a "
                "static route with 0.0.0.0 as Mask. Do you want to add a defaut route?")) {
            reject();
        } else {
            Field("DesEdit")->setFocus();
        }
        return false;
    }
    const QString mask = TextOf("MaskEdit");
    return Passes(
        {{"DesEdit", When(dest == "255.255.255.255", "Destination ip can not be 255.255.255.255")},
         {"DesEdit", Ipv4TextRefusal(dest)},
         {"MaskEdit", When(mask.isEmpty(), "Mask should be Set")},
         {"MaskEdit", When(mask.size() > kMaxAddressText, "Ip should be 16 bit")},
         {"MaskEdit",
          When(std::find(std::begin(kMasks), std::end(kMasks), mask) == std::end(kMasks),
               "Please input a valid mask")}});
}

bool TIpStaticRouteEditForm::Validate() {
    if (Mode == kAddRoute && !DestinationPasses()) {
        return false;
    }
    const QString hop = TextOf("NextHopEdit");
    return Passes(
        {{"NextHopEdit", When(hop.isEmpty(), "Next Hop should be Set")},
         {"NextHopEdit", When(hop.size() > kMaxAddressText, "Next Hop should be 16 bit")},
         {"NextHopEdit", When(hop == kAnyAddress, "Next Hop can not be 0.0.0.0")},
         {"NextHopEdit", When(hop == Owner.Context.DeviceAddress, "Next Hop can not be itself")},
         {"NextHopEdit", Ipv4TextRefusal(hop)},
         {"MetricEdit", MetricRefusal(TextOf("MetricEdit"))},
         {"StatusComboBox", When(Combo("StatusComboBox")->currentIndex() != kValidEntry,
                                 "Status should be createAndGo!")}});
}

std::set<int> TIpStaticRouteEditForm::Unsent() const {
    return EditOf("MetricEdit")->text().isEmpty() ? std::set<int>{kMetricColumn} : std::set<int>{};
}

TIpStaticRouteForm::TIpStaticRouteForm(const TDialogContext& context)
    : TCompanionListForm(context, kIpRouteWindow, &kIpRouteRemoval),
      EditForm(new TIpStaticRouteEditForm(*this)) {
    Adopt(EditForm);
    Request(0)->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        ReadDone(error);
    };
    connect(ButtonNamed("AddButton"), &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(ButtonNamed("btnDefaultRoute"), &QPushButton::clicked, this,
            [this] { btnDefaultRouteClick(); });
    ButtonNamed("EditButton")->setEnabled(false);
}

void TIpStaticRouteForm::FormCreate() {
    ButtonNamed("btnDefaultRoute")->setEnabled(false);
    TCompanionListForm::FormCreate();
}

void TIpStaticRouteForm::ReadDone(const CvSNMPError& error) {
    bool defaultRoute = false;
    for (int line = 0; line < List->LineCount(); ++line) {
        defaultRoute = defaultRoute || (List->Caption(line) == kAnyAddress &&
                                        List->SubItem(line, kMaskColumn - 1) == kAnyAddress);
    }
    ButtonNamed("btnDefaultRoute")->setEnabled(error.Code == 0 && !defaultRoute);
}

void TIpStaticRouteForm::AddButtonClick() {
    AddThroughCompanion(kAddRoute, windowTitle() + " (Add)");
}

void TIpStaticRouteForm::btnDefaultRouteClick() {
    AddThroughCompanion(kAddDefaultRoute, windowTitle() + " (Add Default Route)");
}

// --- IPv6 --------------------------------------------------------------------

namespace {

#define ROUTE6 "1.3.6.1.4.1.99917.12.26.3.1.1."
const CvSNMPVarDesc kIpv6Routes[] = {
    {ROUTE6 "1", "swL3Ipv6StaticRouteDest", ipv6address, kIndex},
    {ROUTE6 "2", "swL3Ipv6StaticRouteMask", ipv6address, kIndex},
    {ROUTE6 "3", "swL3Ipv6StaticRouteNextHop", ipv6address, kIndex},
    {ROUTE6 "4", "swL3Ipv6StaticRouteMetric", integer, kRw},
    {ROUTE6 "5", "swL3Ipv6StaticRouteStatus", integer, kRw, &kRouteStatus},
    {}};
#undef ROUTE6

constexpr int kIpv6MetricColumn = 3;

const TTableDialogDecl kIpv6RouteWindow{
    .Name = "Ipv6StaticRouteForm",
    .Caption = "Ipv6 Static Route",
    .Width = 760,
    .Height = 420,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnAdd", "Add", TDialogAction::Own},
                {"btnAddDefault", "Add Default", TDialogAction::Own},
                {"btnDelete", "Delete", TDialogAction::Delete},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kIpv6Routes, MVT_UMV, 3, "ListView1", true, 0}},
    .CountName = "StaticText1",
    .CountLabelName = nullptr};

const TRowRemoval kIpv6RouteRemoval{"cbxStatus", kInvalidEntry, {kIpv6MetricColumn}};

const TCompanionDecl kIpv6RouteEdit{
    .Name = "Ipv6StaticRouteEditForm",
    .Caption = "Ipv6 Static Route Edit",
    .Fields = {{0, 0, TFieldKind::Edit, "edtDst", "Destination", "%s{l32}"},
               {0, 1, TFieldKind::Edit, "edtMask", "Mask", "%s{l32}"},
               {0, 2, TFieldKind::Edit, "edtNextHop", "Next Hop", "%s{l32}"},
               {0, 3, TFieldKind::Edit, "edtMetric", "Metric", "%i{n1x65535l5}"},
               {0, 4, TFieldKind::Combo, "cbxStatus", "Status", "%s", true, true}},
    .SetButton = "btnSet",
    .CloseButton = "btnClose"};

}  // namespace

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TCompanionListForm& owner)
    : TCompanionForm(owner, kIpv6RouteEdit) {}

void TIpv6StaticRouteEditForm::FormActivate() {
    Choose("cbxStatus", kValidEntry, false);
    Empty({"edtNextHop", "edtMetric"});
    const bool any = Mode == kAddDefaultRoute;
    Show("edtDst", any ? kIpv6AnyAddress : "", !any);
    Show("edtMask", any ? kIpv6AnyAddress : "", !any);
}

bool TIpv6StaticRouteEditForm::Validate() {
    const QString dest = TextOf("edtDst");
    const QString mask = TextOf("edtMask");
    if (Mode == kAddRoute &&
        !Passes({{"edtDst", When(dest.isEmpty(), "Please Set Destination Address")},
                 {"edtDst", Ipv6TextRefusal(dest)},
                 {"edtMask", When(mask.isEmpty(), "Please Set Mask")},
                 {"edtMask", Ipv6MaskRefusal(mask)}})) {
        return false;
    }
    const QString hop = TextOf("edtNextHop");
    // The same address in other letters is the same address.
    return Passes({{"edtNextHop", When(hop.isEmpty(), "Please Set Next Hop Address")},
                   {"edtNextHop", Ipv6TextRefusal(hop)},
                   {"edtNextHop", When(hop.compare(dest, Qt::CaseInsensitive) == 0,
                                       "Duplicate IP address, Please input a valid Next Hop")},
                   {"edtMetric", MetricRefusal(TextOf("edtMetric"))}});
}

std::set<int> TIpv6StaticRouteEditForm::Unsent() const {
    return EditOf("edtMetric")->text().isEmpty() ? std::set<int>{kIpv6MetricColumn}
                                                 : std::set<int>{};
}

TIpv6StaticRouteForm::TIpv6StaticRouteForm(const TDialogContext& context)
    : TCompanionListForm(context, kIpv6RouteWindow, &kIpv6RouteRemoval),
      EditForm(new TIpv6StaticRouteEditForm(*this)) {
    Adopt(EditForm);
    connect(ButtonNamed("btnAdd"), &QPushButton::clicked, this,
            [this] { AddThroughCompanion(kAddRoute); });
    connect(ButtonNamed("btnAddDefault"), &QPushButton::clicked, this,
            [this] { AddThroughCompanion(kAddDefaultRoute); });
}
