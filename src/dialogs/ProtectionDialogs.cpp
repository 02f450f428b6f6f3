#include "ProtectionDialogs.h"

#include <QPushButton>

#include <iterator>
#include <set>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvErrorCodes.h"
#include "CvMessageBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "StatusBar.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

constexpr int kEnabledEntry = 1;  // of a suite combo

#define SSL "1.3.6.1.4.1.99917.12.7.1."
const CvSNMPVarDesc kSSLGroup[] = {
    {SSL "1", "SSL Status Administration", integer, kRw, &kDisabledEnabled},
    {SSL "2", "CipherSuites", bitstr, kRw},
    {SSL "3", "SSL Cache Timeout", guage, kRw},
    {}};
#undef SSL

const char* const kSuiteCombos[] = {"cbxciphersuites1", "cbxciphersuites2", "cbxciphersuites3",
                                    "cbxciphersuites4"};

TDialogField SuiteField(int k, const char* suite) {
    return {0,    -1,    TFieldKind::Combo,      kSuiteCombos[k], suite, "%s",
            true, false, {"disabled", "enabled"}};
}

const TTableDialogDecl kSSLForm{
    .Name = "SSLManagementForm",
    .Caption = "SSL Management Table",
    .Width = 460,
    .Height = 300,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnSet", "Set", TDialogAction::Set}},
    .Requests = {{kSSLGroup, SVT_SV, 0, nullptr, true, 1}},
    .Fields = {{0, 0, TFieldKind::Combo, "cbxSSLVersion", "SSL Status"},
               {0, 1, TFieldKind::Edit, "edtciphersuites", "CipherSuites", "%s{l2}", false},
               {0, 2, TFieldKind::Edit, "edtCacheTimeOut", "Cache Time Out", "%s"},
               SuiteField(0, "RSA-with-RC4-128-MD5"),
               SuiteField(1, "RSA-with-3DES-EDE-CBC-SHA"),
               SuiteField(2, "DHE-DSS-with-3DES-EDE-CBC-SHA"),
               SuiteField(3, "RSA-EXPORT-with-RC4-40-MD5")},
    .StatusBarOutput = true,
    .CountName = nullptr};

const CvIntOptionPair kBulwarkModePairs[] = {{1, "strict"}, {2, "fuzzy"}, {0, nullptr}};
const CvOptionList kBulwarkMode(kBulwarkModePairs);
const CvIntOptionPair kAlarmStatePairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvOptionList kAlarmState(kAlarmStatePairs);
const CvIntOptionPair kCurrentStatusPairs[] = {{1, "normal"}, {2, "exhausted"}, {0, nullptr}};
const CvOptionList kCurrentStatus(kCurrentStatusPairs);

#define BULWARK "1.3.6.1.4.1.99917.12.19.2."
const CvSNMPVarDesc kBulwarkGroup[] = {
    {BULWARK "1", "swBulWarkRisingThreshold", integer, kRw},
    {BULWARK "2", "swBulWarkFallingThreshold", integer, kRw},
    {BULWARK "3", "swBulWarkmode", integer, kRw, &kBulwarkMode},
    {BULWARK "4", "swBulWarkAlarmAdminState", integer, kRw, &kAlarmState},
    {BULWARK "5", "swBulWarkCurrentStatus", integer, kRo, &kCurrentStatus},
    {}};
#undef BULWARK

// The written fields in the order they are sent, and their tick boxes.
const int kWritten[] = {0, 1, 2, 3};
constexpr int kRisingItem = 0;
constexpr int kFallingItem = 1;
const char* const kSendBoxes[] = {"ckRising", "ckFalling", "ckMode", "ckAlarm"};
constexpr int kLowThreshold = 20;
constexpr int kHighThreshold = 100;

TDialogField Ticked(int item, TFieldKind kind, const char* name, const char* label,
                    const char* format = "%s") {
    return {0, item, kind, name, label, format, true, false, {}, kSendBoxes[item]};
}

const TTableDialogDecl kBulwarkForm{
    .Name = "BulwarkCtrlForm",
    .Caption = "Bulwark Control",
    .Width = 520,
    .Height = 300,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnSet", "Set", TDialogAction::Set},
                {"btnClose", "Close", TDialogAction::Close},
                {"btnCheckAll", "Check All", TDialogAction::Own},
                {"btnClearCheck", "Clear Checks", TDialogAction::Own}},
    .Requests = {{kBulwarkGroup, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {Ticked(0, TFieldKind::Edit, "edtRising", "Rising Threshold", "%i{n20x100l3}"),
               Ticked(1, TFieldKind::Edit, "edtFalling", "Falling Threshold", "%i{n20x100l3}"),
               Ticked(2, TFieldKind::Combo, "cbxMode", "Mode"),
               Ticked(3, TFieldKind::Combo, "cbxAlarm", "Alarm State"),
               {0, 4, TFieldKind::Combo, "cbxCurrentState", "Current State"}},
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

QString CipherSuitesText(const TCipherSuites& suites) {
    int digit = 0;
    for (const bool offered : suites) {
        digit = digit * 2 + (offered ? 1 : 0);
    }
    return QString::number(digit, 16).toUpper() + "0";
}

std::optional<TCipherSuites> CipherSuitesOfText(const QString& text) {
    if (text.size() != 2) {
        return std::nullopt;
    }
    const QChar c = text[0].toUpper();
    int digit = 0;
    if (c >= '0' && c <= '9') {
        digit = c.unicode() - '0';
    } else if (c >= 'A' && c <= 'F') {
        digit = c.unicode() - 'A' + 10;
    } else {
        return std::nullopt;
    }
    TCipherSuites suites{};
    for (std::size_t k = 0; k < suites.size(); ++k) {
        suites[k] = (digit & (8 >> k)) != 0;
    }
    return suites;
}

// --- SSL --------------------------------------------------------------------

TSSLManagementForm::TSSLManagementForm(const TDialogContext& context)
    : TTableDialog(context, kSSLForm), SSLRequest(Request(0)) {
    setFixedSize(Decl.Width, Decl.Height);
    for (std::size_t k = 0; k < std::size(kSuiteCombos); ++k) {
        SuiteCombo(k)->setCurrentIndex(-1);  // nothing shown until the switch is read
    }
    SSLRequest->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        if (error.Code == kOk) {
            ShowSuites();
        }
    };
    // A group is not read back by the binding itself.
    SSLRequest->OnWriteDone = [this](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        if (error.Code == kOk) {
            Attempt([&] { SSLRequest->Get(); });
        }
    };
}

ComboBox* TSSLManagementForm::SuiteCombo(std::size_t k) const {
    return Combo(kSuiteCombos[k]);
}

void TSSLManagementForm::ShowSuites() {
    const std::optional<TCipherSuites> suites = CipherSuitesOfText(TextOf("edtciphersuites"));
    if (!suites) {
        return;
    }
    for (std::size_t k = 0; k < suites->size(); ++k) {
        SuiteCombo(k)->setCurrentIndex((*suites)[k] ? kEnabledEntry : 0);
    }
}

void TSSLManagementForm::FormCreate() {
    Attempt([&] { SSLRequest->Get(); });
}

void TSSLManagementForm::RefreshBtnClick() {
    if (!Busy()) {
        Attempt([&] { SSLRequest->Get(); });
    }
}

void TSSLManagementForm::SetBtnClick() {
    bool empty = TextOf("cbxSSLVersion").isEmpty() || TextOf("edtCacheTimeOut").isEmpty();
    TCipherSuites suites{};
    for (std::size_t k = 0; k < suites.size(); ++k) {
        empty = empty || SuiteCombo(k)->currentIndex() < 0;
        suites[k] = SuiteCombo(k)->currentIndex() == kEnabledEntry;
    }
    if (empty) {
        CvMessageBox::Warning(this, "Some items are empty.");
        ButtonNamed("btnSet")->setFocus();
        return;
    }
    if (Busy()) {
        return;  // the running exchange ends first
    }
    static_cast<Edit*>(Field("edtciphersuites"))->setText(CipherSuitesText(suites));
    Attempt([&] { SSLRequest->Set(true, true); });
}

// --- Bulwark ----------------------------------------------------------------

TBulwarkCtrlForm::TBulwarkCtrlForm(const TDialogContext& context)
    : TTableDialog(context, kBulwarkForm), BulwarkRequest(Request(0)) {
    Status->setObjectName("stbStatus");
    Field("cbxCurrentState")->setEnabled(false);
    connect(ButtonNamed("btnCheckAll"), &QPushButton::clicked, this,
            [this] { btnCheckAllClick(); });
    connect(ButtonNamed("btnClearCheck"), &QPushButton::clicked, this,
            [this] { btnClearCheckClick(); });
    for (const char* name : kSendBoxes) {
        connect(static_cast<CheckBox*>(Field(name)), &QCheckBox::toggled, this,
                [this] { ChangeSetState(); });
    }
}

void TBulwarkCtrlForm::FormCreate() {
    ChangeSetState();
    ReadGroup();
}

void TBulwarkCtrlForm::RefreshBtnClick() {
    if (!Busy()) {
        ReadGroup();
    }
}

void TBulwarkCtrlForm::ReadGroup() {
    if (Attempt([&] { BulwarkRequest->Get(); })) {
        SwitchFalling = IntOfText(TextOf("edtFalling"));
    }
}

void TBulwarkCtrlForm::ChangeSetState() {
    bool ticked = false;
    for (const char* name : kSendBoxes) {
        ticked = ticked || static_cast<CheckBox*>(Field(name))->isChecked();
    }
    Button(TDialogAction::Set)->setEnabled(ticked);
}

void TBulwarkCtrlForm::btnCheckAllClick() {
    TickSendBoxes(true);
}

void TBulwarkCtrlForm::btnClearCheckClick() {
    TickSendBoxes(false);
}

bool TBulwarkCtrlForm::ThresholdValid(const char* box, const char* edit, const char* refusal) {
    if (!static_cast<CheckBox*>(Field(box))->isChecked()) {
        return true;
    }
    const int value = IntOfText(TextOf(edit)).value_or(-1);
    if (value >= kLowThreshold && value <= kHighThreshold) {
        return true;
    }
    Refuse(Field(edit), refusal);
    return false;
}

void TBulwarkCtrlForm::SetBtnClick() {
    if (!ThresholdValid("ckRising", "edtRising", "Rising Threshold should between 20-100") ||
        !ThresholdValid("ckFalling", "edtFalling", "Falling Threshold should between 20-100") ||
        Busy()) {
        return;
    }
    const std::set<int> unticked = UnsentItems(0);
    for (const int item : WriteOrder(unticked)) {
        if (unticked.count(item) != 0) {
            continue;
        }
        std::set<int> others(std::begin(kWritten), std::end(kWritten));
        others.erase(item);
        // The switch may refuse a field: what it took stays, nothing later is sent.
        if (!Attempt([&] { WriteExcluding(0, others, false); })) {
            return;
        }
        if (item == kFallingItem) {
            SwitchFalling = IntOfText(TextOf("edtFalling"));
        }
    }
}

std::vector<int> TBulwarkCtrlForm::WriteOrder(const std::set<int>& unticked) const {
    std::vector<int> order(std::begin(kWritten), std::end(kWritten));
    // The switch keeps the falling threshold at or below the rising one after
    // every request: a pair that fits, whose rising threshold comes down
    // beneath the falling one the switch holds, is only taken falling first.
    const std::optional<int> rising = IntOfText(TextOf("edtRising"));
    const std::optional<int> falling = IntOfText(TextOf("edtFalling"));
    const bool bothSent = unticked.count(kRisingItem) == 0 && unticked.count(kFallingItem) == 0;
    if (bothSent && rising && falling && SwitchFalling && *falling <= *rising &&
        *rising < *SwitchFalling) {
        std::swap(order[kRisingItem], order[kFallingItem]);
    }
    return order;
}
