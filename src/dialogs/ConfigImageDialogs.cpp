#include "ConfigImageDialogs.h"

#include <QLabel>

#include "ComboBox.h"
#include "CvModal.h"
#include "CvOptionList.h"
#include "DialogOptions.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kConfigIdPairs[] = {{1, "cfgId-1"}, {2, "cfgId-2"}, {0, nullptr}};
const CvOptionList kConfigId(kConfigIdPairs);
const CvIntOptionPair kConfigActionPairs[] = {
    {1, "active"}, {2, "delete"}, {3, "bootup"}, {4, "none"}, {0, nullptr}};
const CvOptionList kConfigAction(kConfigActionPairs);

const CvSNMPVarDesc kConfigs[] = {
    {"1.3.6.1.4.1.99917.12.1.2.8.4.1.1", "swMultiCfgCtrlID", integer, kIndex, &kConfigId},
    {"1.3.6.1.4.1.99917.12.1.2.8.4.1.2", "swMultiCfgAction", integer, kRw, &kConfigAction},
    {}};

// Storing or activating a configuration takes the switch longer than a read.
constexpr int kConfigTimeout = 300;

const TTableDialogDecl kConfigWindow{
    .Name = "MultipleConfigControlForm",
    .Caption = "Multiple Config Control",
    .Width = 480,
    .Height = 320,
    .Buttons = {{"btnEdit", "Edit", TDialogAction::Set},
                {"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kConfigs, MVT_UMV, 1, "ListView1", true, 1, kConfigTimeout}},
    .CountName = nullptr};

const TCompanionDecl kConfigEdit{
    .Name = "MultiConfigControlEditForm",
    .Caption = "Multiple Config Control Edit",
    .Fields = {{0, 0, TFieldKind::Combo, "cbxCtrlID", "MultiCfgCtrlID", "%s", true, true},
               {0, 1, TFieldKind::Combo, "cbxCfgAction", "MultiCfgAction"}},
    .SetButton = "btnSet",
    .CloseButton = "btnClose"};

}  // namespace

TMultiConfigControlEditForm::TMultiConfigControlEditForm(TCompanionListForm& owner)
    : TCompanionForm(owner, kConfigEdit) {}

void TMultiConfigControlEditForm::FormActivate() {
    Field("cbxCtrlID")->setEnabled(false);
}

void TMultiConfigControlEditForm::SetButtonClick() {
    // A write that could not even go out leaves nothing to wait for.
    if (Owner.WriteCompanionRow({}, false) && TextOf("cbxCfgAction") == "active") {
        TProgressForm2 progress(this, ProgressTickMs);
        progress.ProgressLimit = kActiveTicks;
        progress.setWindowTitle("Set Config");
        progress.LB_Prompt->setText("Active Config is doing...");
        CvModal::Exec(progress);
    }
    accept();
}

TMultipleConfigControlForm::TMultipleConfigControlForm(const TDialogContext& context)
    : TCompanionListForm(context, kConfigWindow), EditForm(new TMultiConfigControlEditForm(*this)) {
    Adopt(EditForm);
}

void TMultipleConfigControlForm::SetBtnClick() {
    Companion->ShowIn(0);
}

// --- probe -----------------------------------------------------------------

namespace {

const CvIntOptionPair kResetPairs[] = {
    {1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {0, nullptr}};
const CvOptionList kReset(kResetPairs);

const CvSNMPVarDesc kProbe[] = {{"1.3.6.1.2.1.16.19.1", "Capabilities", octetstr, kRo},
                                {"1.3.6.1.2.1.16.19.2", "Software revision", displaystr, kRo},
                                {"1.3.6.1.2.1.16.19.3", "Hardware revision", displaystr, kRo},
                                {"1.3.6.1.2.1.16.19.5", "Reset Control", integer, kRw, &kReset},
                                {}};

const TTableDialogDecl kProbeWindow{
    .Name = "ProbeBasicInformationForm",
    .Caption = "Probe Basic Information",
    .Width = 480,
    .Height = 240,
    .Buttons = {{"btnGet", "Refresh", TDialogAction::Refresh},
                {"btnSet", "Set", TDialogAction::Set}},
    .Requests = {{kProbe, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {{0, -1, TFieldKind::Static, "stCap", "Capabilities"},
               {0, 1, TFieldKind::Static, "stSoftware", "Software revision"},
               {0, 2, TFieldKind::Static, "stHardware", "Hardware revision"},
               {0, 3, TFieldKind::Combo, "cbxReset", "Reset Control"},
               {0, 0, TFieldKind::Edit, "edtCap", "", "%s", false}},
    .StatusBarOutput = true,
    .CountName = nullptr};

}  // namespace

TProbeBasicInformationForm::TProbeBasicInformationForm(const TDialogContext& context)
    : TTableDialog(context, kProbeWindow) {
    static_cast<QLabel*>(Field("stCap"))
        ->setText("etherStats,historyControl,etherHistory,alarm,event,probeConfig");
}

void TProbeBasicInformationForm::RefreshBtnClick() {
    Attempt([&] { Request(0)->Get(); });
}

void TProbeBasicInformationForm::SetBtnClick() {
    // Only the reset control is writable; the group is read again after it.
    Attempt([&] {
        Request(0)->Set(false, true);
        Request(0)->Get();
    });
}
