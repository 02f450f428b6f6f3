#include "ServerDialogs.h"

#include <QPushButton>
#include <QStyledItemDelegate>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"
#include "StatusBar.h"

// Shows a column's texts as a fixed mask unless revealed; the lines keep
// the real texts, which a row's selection copies into the controls.
class TSecretColumn : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool Revealed = false;

    QString displayText(const QVariant& value, const QLocale& locale) const override {
        const QString text = QStyledItemDelegate::displayText(value, locale);
        return Revealed || text.isEmpty() ? text : QString(8, QChar('*'));
    }
};

namespace {

using namespace CvSyntax;
using namespace dialog_options;

enum ServerItem { kAddress, kProtocol, kPort, kKey, kTimeout, kRetries, kStatus };
// Port, key, time-out and retries: what a delete leaves out.
const std::set<int> kDeleteExcluded{kPort, kKey, kTimeout, kRetries};

const CvIntOptionPair kAuthProtocolPairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr}};
const CvOptionList kAuthProtocol(kAuthProtocolPairs);
const CvIntOptionPair kOperationPairs[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
const CvOptionList kOperation(kOperationPairs);

#define SERVER "1.3.6.1.4.1.99917.12.5.10.1."
const CvSNMPVarDesc kServerTable[] = {
    {SERVER "1", "Server IP", ipaddress, kIndex},
    {SERVER "2", "Server AuthProtocol", integer, kIndex, &kAuthProtocol},
    {SERVER "3", "Server AuthPort", integer, kRw},
    {SERVER "4", "Server AuthKey", displaystr, kRw},
    {SERVER "5", "Server Timeout", integer, kRw},
    {SERVER "6", "Server RetryCount", integer, kRw},
    {SERVER "7", "Server RowStatus", integer, kRw, &kRowStatus},
    {}};
#undef SERVER

#define CONTROL "1.3.6.1.4.1.99917.12.5.12.1."
const CvSNMPVarDesc kControlTable[] = {
    {CONTROL "1", "swAACCtrlServerGroupName", displaystr, kIndex},
    {CONTROL "2", "swAACCtrlServerIPAddr", ipaddress, kIndex},
    {CONTROL "3", "swAACCtrlServerAuthProtocol", integer, kIndex, &kAuthProtocol},
    {CONTROL "4", "swAACCtrlServerRowState", integer, kRw, &kOperation},
    {}};
#undef CONTROL

const char* const kShowKey = "ShowKeyCheckBox";

const TTableDialogDecl kServerWindow{
    .Name = "ServerInformationForm",
    .Caption = "Server Information Table",
    .Width = 640,
    .Height = 500,
    .Buttons = AuthTableButtons(),
    .Requests = {{kServerTable, MVT_UMV, 2, "ListView1", true, 0}},
    .Fields = {{0, kAddress, TFieldKind::Edit, "IPEdit", "Server IP", "%s{l16}"},
               {0, kProtocol, TFieldKind::Combo, "ProtocolComboBox", "Server AuthProtocol"},
               {0, kPort, TFieldKind::Edit, "PortEdit", "Server AuthPort", "%i{n1x65535l5}"},
               {0, kTimeout, TFieldKind::Edit, "TimeoutEdit", "Server Timeout", "%i{n1x255l3}"},
               {0, kKey, TFieldKind::Edit, "KeyEdit", "Server AuthKey", "%s{l254}"},
               {0, -1, TFieldKind::Check, kShowKey, "Show"},
               {0, kRetries, TFieldKind::Edit, "RetryCEdit", "Server RetryCount", "%i{n1x255l3}"},
               {0, kStatus, TFieldKind::Combo, "RowComboBox", "Server RowStatus"}},
    .StatusItem = kStatus,
    .KeyField = "IPEdit",
    .StatusBarOutput = true,
    .CountName = "Static",
    .CountLabelName = nullptr};

// An empty edit leaves its column as the device holds it.
const TColumnChoice kEmptyLeftOut{{{IsEmpty("PortEdit")}, {kPort}},
                                  {{IsEmpty("KeyEdit")}, {kKey}},
                                  {{IsEmpty("TimeoutEdit")}, {kTimeout}},
                                  {{IsEmpty("RetryCEdit")}, {kRetries}}};

const TTableDialogDecl kControlWindow{
    .Name = "AAASrvCtrlForm",
    .Caption = "Server Control: ",
    .Width = 440,
    .Height = 160,
    .CaptionWithDevice = true,
    .Buttons = {{"btnSet", "Set", TDialogAction::Own}, {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kControlTable, MVT_UMV, 3, "lvOper", false}},
    .Fields = {{0, 0, TFieldKind::Edit, "edtSrvGrpName", "Server Group Name", "%s{l15}"},
               {0, 1, TFieldKind::Edit, "edtSrvIP", "Server IP Address", "%s{l16}"},
               {0, 2, TFieldKind::Combo, "cbxAuthPtcl", "Server Authentication Protocol"},
               {0, 3, TFieldKind::Combo, "cbxOper", "Operate"}},
    .StatusBarOutput = true,
    .CountName = nullptr};

// The refusals of Set, in order: a control left empty and its message.
const std::pair<const char*, const char*> kControlRefusals[] = {
    {"edtSrvGrpName", "Please input Server Group Name."},
    {"edtSrvIP", "Please input Server IP Address."},
    {"cbxAuthPtcl", "Please choose Server Authentication Protocol."},
    {"cbxOper", "Please choose Operate."}};

}  // namespace

// --- servers ----------------------------------------------------------------

TServerInformationForm::TServerInformationForm(const TDialogContext& context)
    : TAuthTableForm(context, kServerWindow, {"PortEdit", "KeyEdit", "TimeoutEdit", "RetryCEdit"},
                     {"ProtocolComboBox"}) {
    FKeyColumn = new TSecretColumn(List);
    for (int column = 0; column < List->ColumnCount(); ++column) {
        if (List->ColumnCaption(column) == kServerTable[kKey].Label) {
            List->setItemDelegateForColumn(column, FKeyColumn);
        }
    }
    auto* show = static_cast<CheckBox*>(Field(kShowKey));
    connect(show, &QCheckBox::toggled, this, [this](bool shown) { ShowKey(shown); });
    ShowKey(false);
}

void TServerInformationForm::ShowKey(bool shown) {
    static_cast<Edit*>(Field("KeyEdit"))
        ->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    FKeyColumn->Revealed = shown;
    List->viewport()->update();
}

bool TServerInformationForm::Named(bool focus) {
    if (TextOf("IPEdit").isEmpty()) {
        Refuse(focus ? Field("IPEdit") : nullptr, "Server IP must be set.");
        return false;
    }
    if (TextOf("ProtocolComboBox").isEmpty()) {
        Refuse(focus ? Field("ProtocolComboBox") : nullptr, "Protocol must be set.");
        return false;
    }
    return true;
}

void TServerInformationForm::AddBtnClick() {
    if (!Named(true)) {
        return;
    }
    if (Listed({TextOf("IPEdit"), TextOf("ProtocolComboBox")})) {
        Refuse(nullptr,
               "Has already a record with the same Server IP and Protocol. Please Change Server "
               "IP or Protocol.");
        return;
    }
    if (CreatesRow()) {
        WriteAndReread(ExcludedColumns(*this, kEmptyLeftOut));
    }
}

void TServerInformationForm::SetBtnClick() {
    if (!Named(false)) {
        return;
    }
    if (StatusCombo()->currentIndex() == kDestroyEntry) {
        WriteAndReread(kDeleteExcluded);
        return;
    }
    WriteAndReread(ExcludedColumns(*this, kEmptyLeftOut, {kStatus}));
}

void TServerInformationForm::DeleteBtnClick() {
    DeleteRow(kDeleteExcluded);
}

// --- server-group membership -------------------------------------------------

TAAASrvCtrlForm::TAAASrvCtrlForm(const TDialogContext& context)
    : TTableDialog(context, kControlWindow) {
    Status->setObjectName("stbResult");
    connect(ButtonNamed("btnSet"), &QPushButton::clicked, this, [this] { btnSetClick(); });
}

void TAAASrvCtrlForm::btnSetClick() {
    CvSNMPRequest2Edits* request = Request(0);
    if (request == nullptr) {
        return;
    }
    for (const auto& [control, refusal] : kControlRefusals) {
        if (TextOf(control).isEmpty()) {
            Refuse(nullptr, refusal);
            return;
        }
    }
    // The first read may still be walking the memberships: it ends first.
    if (!request->StopRunningRead()) {
        RefuseBusy();
        return;
    }
    Attempt([&] { request->Set(false, true); });
}
