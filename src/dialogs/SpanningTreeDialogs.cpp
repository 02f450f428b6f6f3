#include "SpanningTreeDialogs.h"

#include <QLabel>

#include "ComboBox.h"
#include "CvMessageBox.h"
#include "CvModal.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "TDialogChecks.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvSNMPVarDesc kStpSwitch[] = {{"1.3.6.1.4.1.99917.11.70.1.2.1.2.1", "Spanning Tree Algorithm",
                                     integer, kRw, &kDisabledEnabled},
                                    {}};

void ShowProgress(TProgressForm& progress, const char* caption, const char* prompt) {
    progress.setWindowTitle(caption);
    progress.LB_Prompt->setText(prompt);
    CvModal::Exec(progress);
}

const TTableDialogDecl kAlgorithmForm{
    .Name = "SpanningTreeAlgorithmForm",
    .Caption = "Spanning Tree Algorithm",
    .Width = 360,
    .Height = 160,
    .Buttons = {{"GetButton", "Refresh", TDialogAction::Refresh},
                {"SetButton", "Set", TDialogAction::Set}},
    .Requests = {{kStpSwitch, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {{0, 0, TFieldKind::Combo, "ComboBox1", "Spanning Tree Algorithm"}},
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(const TDialogContext& context)
    : TTableDialog(context, kAlgorithmForm), StpSwitchRequest(Request(0)) {}

void TSpanningTreeAlgorithmForm::RefreshBtnClick() {
    Attempt([&] { StpSwitchRequest->Get(); });
}

void TSpanningTreeAlgorithmForm::SetBtnClick() {
    const QString choice = static_cast<ComboBox*>(Field("ComboBox1"))->currentText();
    bool written = true;
    if (choice == "disabled") {
        written = Attempt([&] { StpSwitchRequest->Set(false, true); });
    } else if (choice == "enabled") {
        if (CvMessageBox::Confirm(this,
                                  "To enable STP may take a long time. Do you want to go on?")) {
            TProgressForm progress(
                this, [&] { written = Attempt([&] { StpSwitchRequest->Set(false, true); }); },
                ProgressTickMs);
            // Nothing to wait for when the switch refused.
            if (written) {
                ShowProgress(progress, "Enable STP Progress", "Enable STP is doing...");
            }
        }
    } else {
        return;
    }
    RefreshBtnClick();
    if (!written) {
        Output(LastFailure);
    }
}

namespace {

#define STP "1.3.6.1.4.1.99917.12.15.1."
const CvSNMPVarDesc kStpParams[] = {{STP "2", "STP Version", integer, kRw, &kStpVersion},
                                    {STP "3", "Max Age[600-4000]", integer, kRw},
                                    {STP "4", "Hello Time[100-1000]", integer, kRw},
                                    {STP "5", "Forward Delay[400-3000]", integer, kRw},
                                    {STP "6", "Max Hops[1-20]", integer, kRw},
                                    {STP "7", "Tx Hold Count[1-10]", integer, kRw},
                                    {STP "8", "Forwarding BPDU", integer, kRw, &kDisabledEnabled},
                                    {STP "9", "Stp LBD", integer, kRw, &kDisabledEnabled},
                                    {STP "10", "Stp LBD Recover Time", integer, kRw},
                                    {}};
const CvSNMPVarDesc kMstpParams[] = {
    {STP "2", "swMSTPStpVersion", integer, kRw, &kStpVersion},
    {STP "3", "swMSTPStpMaxAge", integer, kRw},
    {STP "5", "swMSTPStpForwardDelay", integer, kRw},
    {STP "6", "swMSTPStpMaxHops", integer, kRw},
    {STP "7", "swMSTPStpTxHoldCount", integer, kRw},
    {STP "8", "swMSTPStpForwardBPDU", integer, kRw, &kDisabledEnabled},
    {STP "9", "swMSTPStpLBD", integer, kRw, &kDisabledEnabled},
    {STP "10", "StpLBDRecoverTime", integer, kRw},
    {}};
#undef STP

constexpr int kLbdRecoverMin = 60;
constexpr int kLbdRecoverMax = 1000000;
constexpr int kMaxHopsLimit = 65535;

const TTableDialogDecl kStpInfoForm{
    .Name = "STP_Info",
    .Caption = "Spanning Tree Control : ",
    .Width = 460,
    .Height = 400,
    .CaptionWithDevice = true,
    .Buttons = {{"BT_Get", "Refresh", TDialogAction::Refresh},
                {"BT_Set", "Set", TDialogAction::Set}},
    .Requests = {{kStpParams, SVT_SV, 0, nullptr, true, 0, 300},
                 {kMstpParams, SVT_SV, 0, "ListView1", false, 0, 300},
                 {kStpSwitch, SVT_SV, 0, nullptr, true, 0}},
    .ReadOrder = {1, 2, 0},
    .Fields = {{0, 0, TFieldKind::Combo, "Combo_STPVersion", "STP Version"},
               {0, 1, TFieldKind::Edit, "ET_AgingTime", "Maxi Age (600-4000)", "%i{n600x4000l4a}"},
               {0, 2, TFieldKind::Edit, "ET_HelloTime", "Hello Time(100-1000)", "%i{n100x1000l4a}"},
               {0, 3, TFieldKind::Edit, "ET_ForwardDelay", "Forward Delay(400-3000)",
                "%i{n400x3000l4a}"},
               {0, 4, TFieldKind::Edit, "ET_Priority", "Max Hops[1-20]", "%i{n1x20l2a}"},
               {0, 5, TFieldKind::Edit, "ED_TxHoldCount", "TX Hold Count (1-10)", "%i{n1x10l2a}"},
               {0, 6, TFieldKind::Combo, "Combo_BPDU", "Forwarding BPDU"},
               {0, 7, TFieldKind::Combo, "Combo_LBD", "Stp LBD"},
               {0, 8, TFieldKind::Edit, "ET_LBDRecover", "Stp LBD Recover time", "%i"},
               {2, 0, TFieldKind::Static, "lbMSTPState", "", "", false}},
    .Notes = {"Max Age>= 2*(Hello Time + 100)", "Notes : 2*(Forward Delay - 100) >= Max Age"},
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TSTP_Info::TSTP_Info(const TDialogContext& context)
    : TTableDialog(context, kStpInfoForm),
      StpParamRequest(Request(0)),
      MstpParamRequest(Request(1)),
      StpSwitchRequest(Request(2)),
      Combo_STPVersion(static_cast<ComboBox*>(Field("Combo_STPVersion"))),
      ET_HelloTime(static_cast<Edit*>(Field("ET_HelloTime"))) {
    // The user's choice only: reads leave the hello time as the switch has it.
    connect(Combo_STPVersion, &QComboBox::activated, this, [this] { Combo_STPVersionChange(); });
}

QString TSTP_Info::MainStpVersion() const {
    return Context.StpVersion != nullptr ? Context.StpVersion->text() : QString();
}

void TSTP_Info::EnableHelloTime(bool enabled, const QString& text) {
    ET_HelloTime->setEnabled(enabled);
    QPalette colours = ET_HelloTime->palette();
    colours.setColor(QPalette::Base,
                     enabled ? palette().color(QPalette::Base) : palette().color(QPalette::Window));
    ET_HelloTime->setPalette(colours);
    ET_HelloTime->setText(text);
}

void TSTP_Info::FormCreate() {
    for (CvSNMPRequest2Edits* request : {MstpParamRequest, StpSwitchRequest, StpParamRequest}) {
        if (!Guarded(*StpParamRequest, [&] { request->Get(); })) {
            break;
        }
    }
    if (MainStpVersion() == "mstp") {
        EnableHelloTime(false, "");
    }
}

void TSTP_Info::Combo_STPVersionChange() {
    if (Combo_STPVersion->currentText() == "mstp") {
        EnableHelloTime(false, "");
    } else {
        EnableHelloTime(true, "200");
    }
}

void TSTP_Info::RefreshBtnClick() {
    Guarded(*StpParamRequest, [&] {
        StpParamRequest->Get();
        if (MainStpVersion() == "mstp") {
            MstpParamRequest->Get();
            StpSwitchRequest->Get();
            EnableHelloTime(false, "");
        } else {
            StpSwitchRequest->Get();
            ET_HelloTime->setEnabled(true);
        }
    });
}

bool TSTP_Info::CheckTimers() {
    const auto text = [this](const char* name) {
        return static_cast<Edit*>(Field(name))->text().trimmed();
    };
    const QString hopsText = text("ET_Priority");
    const QString ageText = text("ET_AgingTime");
    const QString delayText = text("ET_ForwardDelay");
    const QString recoverText = text("ET_LBDRecover");
    // Empty fields are named as such before any of them is converted.
    if (hopsText.isEmpty() || ageText.isEmpty() || delayText.isEmpty() || recoverText.isEmpty()) {
        Output("Don't Leave Empty Fileds !");
        return false;
    }
    int hops = 0;
    int age = 0;
    int delay = 0;
    if (!Attempt([&] {
            hops = StrictIntOfText(hopsText);
            age = StrictIntOfText(ageText);
            delay = StrictIntOfText(delayText);
        })) {
        return false;
    }
    const int recover = IntOfText(recoverText).value_or(-1);
    if (2 * delay - 200 < age) {
        Output("Data Error !");
        return false;
    }
    if (hops > kMaxHopsLimit) {
        Output("Priority value is wrong!");
        return false;
    }
    if (recover != 0 && (recover < kLbdRecoverMin || recover > kLbdRecoverMax)) {
        Output("LBD recover time value is wrong!");
        CvMessageBox::Information(this,
                                  "LBD recover time should be equal to 0 or between 60-1000000");
        return false;
    }
    if (Combo_STPVersion->currentText() == "mstp") {
        return true;
    }
    const QString helloText = ET_HelloTime->text().trimmed();
    if (helloText.isEmpty()) {
        Output("Don't Leave Empty Fileds !");
        return false;
    }
    int hello = 0;
    if (!Attempt([&] { hello = StrictIntOfText(helloText); })) {
        return false;
    }
    if (age < 2 * hello + 200) {
        Output("Data Error !");
        return false;
    }
    return true;
}

void TSTP_Info::WriteMstp() {
    const auto text = [this](const char* name) {
        QWidget* control = Field(name);
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            return combo->currentText();
        }
        return static_cast<Edit*>(control)->text().trimmed();
    };
    const QStringList row = {text("Combo_STPVersion"), text("ET_AgingTime"),
                             text("ET_ForwardDelay"),  text("ET_Priority"),
                             text("ED_TxHoldCount"),   text("Combo_BPDU"),
                             text("Combo_LBD"),        text("ET_LBDRecover")};
    // The one line of the MSTP list shows what is written.
    ListView* list = ListOf(1);
    list->ClearLines();
    list->AddLine(row);
    std::vector<std::string> values;
    for (const QString& value : row) {
        values.push_back(value.toStdString());
    }
    MstpParamRequest->Set(false, false, "0,1,2,3,4,5,6,7", &values);
}

void TSTP_Info::SetBtnClick() {
    if (!CheckTimers()) {
        return;
    }
    const QString version = Combo_STPVersion->currentText();
    const bool written = Guarded(*StpParamRequest, [&] {
        if (version == "mstp") {
            WriteMstp();
        } else {
            StpParamRequest->Set(false, true);
        }
    });
    if (!written) {
        return;  // the switch keeps its version, and so does the main window
    }
    const QString state = static_cast<QLabel*>(Field("lbMSTPState"))->text();
    if (version != MainStpVersion() && state == "enabled") {
        TProgressForm2 progress(this, ProgressTickMs);
        ShowProgress(progress, "Set STP Progress", "Change STP Version is doing...");
    }
    if (Context.StpVersion != nullptr) {
        Context.StpVersion->setText(version);
    }
}
