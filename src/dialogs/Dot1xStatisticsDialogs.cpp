#include "Dot1xStatisticsDialogs.h"

#include "CvOptionList.h"
#include "DialogOptions.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const CvIntOptionPair kEquipmentModePairs[] = {
    {1, "enabled"}, {2, "disabled"}, {3, "other"}, {0, nullptr}};
const CvOptionList kEquipmentMode(kEquipmentModePairs);

const CvSNMPVarDesc kEquipment[] = {
    {"1.3.6.1.4.1.99917.12.11.1.1", "swEquipmentCapacity", displaystr, kRo},
    {"1.3.6.1.4.1.99917.12.11.1.2", "swEquipmentMode", integer, kRo, &kEquipmentMode},
    {}};

const TTableDialogDecl kEquipmentForm{
    .Name = "EquipmentBasicInfoForm",
    .Caption = "Equiment Basic Information",
    .Width = 420,
    .Height = 260,
    .Buttons = {{"BitBtn1", "Refresh", TDialogAction::Refresh}},
    .Requests = {{kEquipment, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {{0, -1, TFieldKind::Edit, "Edit1", "Equipment Capacity", "", true, true},
               {0, 1, TFieldKind::Combo, "cbxStackMode", "Stack Mode"}},
    .CountName = nullptr};

// Every 802.1X statistics table is keyed by the supplicant's address and its port.
#define PAE "1.3.6.1.4.1.99917.12.3.6.1.1."

#define FRAMES "1.3.6.1.4.1.99917.12.3.6.2.1."
const CvSNMPVarDesc kFrameStatistics[] = {
    {PAE "1", "swPaeMacAddr", macaddress, kIndex},
    {PAE "2", "swPaePortNumber", integer, kIndex},
    {FRAMES "1", "swAuthEapolFramesRx", counter, kRo},
    {FRAMES "2", "swAuthEapolFramesTx", counter, kRo},
    {FRAMES "3", "swAuthEapolStartFramesRx", counter, kRo},
    {FRAMES "4", "swAuthEapolLogoffFramesRx", counter, kRo},
    {FRAMES "5", "swAuthEapolRespIdFramesRx", counter, kRo},
    {FRAMES "6", "swAuthEapolRespFramesRx", counter, kRo},
    {FRAMES "7", "swAuthEapolReqIdFramesTx", counter, kRo},
    {FRAMES "8", "swAuthEapolReqFramesTx", counter, kRo},
    {FRAMES "9", "swAuthInvalidEapolFramesRx", counter, kRo},
    {FRAMES "10", "swAuthEapLengthErrorFramesRx", counter, kRo},
    {FRAMES "11", "swAuthLastEapolFrameVersion", guage, kRo},
    {FRAMES "12", "swAuthLastEapolFrameSource", macaddress, kRo},
    {}};
#undef FRAMES

#define DIAG "1.3.6.1.4.1.99917.12.3.6.3.1."
const CvSNMPVarDesc kDiagnostics[] = {
    {PAE "1", "swPaeMacAddr", macaddress, kIndex},
    {PAE "2", "swPaePortNumber", integer, kIndex},
    {DIAG "1", "swAuthEntersConnecting", counter, kRo},
    {DIAG "2", "swAuthEapLogoffsWhileConnecting", counter, kRo},
    {DIAG "3", "swAuthEntersAuthenticating", counter, kRo},
    {DIAG "4", "swAuthAuthSuccessWhileAuthenticating", counter, kRo},
    {DIAG "5", "swAuthAuthTimeoutsWhileAuthenticating", counter, kRo},
    {DIAG "6", "swAuthAuthFailWhileAuthenticating", counter, kRo},
    {DIAG "7", "swAuthAuthReauthsWhileAuthenticating", counter, kRo},
    {DIAG "8", "swAuthAuthEapStartsWhileAuthenticating", counter, kRo},
    {DIAG "9", "swAuthAuthEapLogoffWhileAuthenticating", counter, kRo},
    {DIAG "10", "swAuthAuthReauthsWhileAuthenticated", counter, kRo},
    {DIAG "11", "swAuthAuthEapStartsWhileAuthenticated", counter, kRo},
    {DIAG "12", "swAuthAuthEapLogoffWhileAuthenticated", counter, kRo},
    {DIAG "13", "swAuthBackendResponses", counter, kRo},
    {DIAG "14", "swAuthBackendAccessChallenges", counter, kRo},
    {DIAG "15", "swAuthBackendOtherRequestsToSupplicant", counter, kRo},
    {DIAG "16", "swAuthBackendNonNakResponsesFromSupplicant", counter, kRo},
    {DIAG "17", "swAuthBackendAuthSuccesses", counter, kRo},
    {DIAG "18", "swAuthBackendAuthFails", counter, kRo},
    {}};
#undef DIAG
#undef PAE

// A table of counters per supplicant: the list, Refresh and the memo.
TTableDialogDecl StatisticsDecl(const char* name, const char* caption, const CvSNMPVarDesc* vars) {
    return TTableDialogDecl{.Name = name,
                            .Caption = caption,
                            .Width = 720,
                            .Height = 480,
                            .Buttons = {{"Button1", "Refresh", TDialogAction::Refresh}},
                            .Requests = {{vars, MVT_FMV, 2, "ListView1", true, 0}},
                            .CountName = nullptr};
}

const TTableDialogDecl kDiagnosticsForm =
    StatisticsDecl("DiagnosticsInformationForm", "DiagnosticsInformation  Form", kDiagnostics);
const TTableDialogDecl kMacStatisticForm =
    StatisticsDecl("MacStatisticTableForm", "MacStatisticTableForm", kFrameStatistics);

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(const TDialogContext& context)
    : TTableDialog(context, kEquipmentForm) {
    // The capacity the switch reports is not shown: the text is the model's.
    Field("Edit1")->setProperty("text", "Fan, Redundant Power and Stacking");
}

void TEquipmentBasicInfoForm::RefreshBtnClick() {
    // The mode read is what the dialog shows: nothing to clear afterwards.
    CvSNMPRequest2Edits& request = *Request(0);
    Guarded(request, [&] { request.Get(); });
}

TDiagnosticsInformationForm::TDiagnosticsInformationForm(const TDialogContext& context)
    : TTableDialog(context, kDiagnosticsForm) {}

TMacStatisticTableForm::TMacStatisticTableForm(const TDialogContext& context)
    : TTableDialog(context, kMacStatisticForm) {}
