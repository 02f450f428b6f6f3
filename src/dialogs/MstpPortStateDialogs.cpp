#include "MstpPortStateDialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ComboBox.h"
#include "CvModal.h"
#include "CvOptionControls.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "ListView.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

constexpr std::int32_t kAdminHelloTime = 2;

const CvIntOptionPair kP2PPairs[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr}};
const CvOptionList kP2P(kP2PPairs);

#define PORT "1.3.6.1.4.1.99917.12.15.2.4.1."
const CvSNMPVarDesc kPortState[] = {
    {PORT "1", "MSTP Port", integer, kIndex},
    {"1.3.6.1.4.1.99917.12.15.2.5.1.1", "Port Num", integer, kRo},
    {PORT "2", "Admin HelloTime", integer, kRw},
    {PORT "3", "Operate Hello Time", integer, kRo},
    {PORT "4", "MSTP Port Enable", integer, kRw, &kEnabledDisabled},
    {PORT "5", "MSTP Port External PathCost", integer, kRw},
    {PORT "6", "MSTP Port Migration", integer, kRw, &kTrueFalse},
    {PORT "7", "MSTP Port Admin Edge Port", integer, kRw, &kTrueFalse},
    {PORT "8", "MSTP Port Oper Edge Port", integer, kRo, &kTrueFalse},
    {PORT "9", "MSTP Port Admin P2P", integer, kRw, &kP2P},
    {PORT "10", "MSTP Port Oper P2P", integer, kRo, &kP2P},
    {PORT "11", "MSTP Port LBD", integer, kRw, &kDisabledEnabled},
    {}};
#undef PORT
const CvSNMPVarDesc kStpVersionVar[] = {
    {"1.3.6.1.4.1.99917.12.15.1.2", "STP Version", integer, kRw, &kStpVersion}, {}};

// The edit window's control of each item, in item order.
struct EditControl {
    const char* Name;
    const char* Label;
    const char* Format;  // nullptr: a combo box
    bool DisplayOnly;
};
const EditControl kEditControls[] = {
    {"edtPortIndex", "Port Index", "%u", true},
    {"edtPortNumber", "Port Number", "%s", true},
    {"edtAdminHelloTime", "Admin Hello Time", "%u", false},
    {"edtOperHelloTime", "Operate Hello Time", "%u", true},
    {"cbxPortEnable", "Port Enable", nullptr, false},
    {"edtExtPathCost", "External Path Cost", "%u", false},
    {"cbxMigration", "Migration", nullptr, false},
    {"cbxAdminEdgePort", "Admin Edge", nullptr, false},
    {"cbxOperEdgePort", "Operate Edge", nullptr, true},
    {"cbxAdminP2P", "Admin P2P", nullptr, false},
    {"cbxOperP2P", "Operate P2P", nullptr, true},
    {"cbxSTPlbd", "Loopback Detection", nullptr, false},
};

const TTableDialogDecl kPortStateForm{
    .Name = "MSTPPortStateForm",
    .Caption = "MSTP Port State",
    .Width = 640,
    .Height = 440,
    .Buttons = {{"btnRefresh", "Refresh", TDialogAction::Refresh},
                {"btnEdit", "Edit", TDialogAction::Own},
                {"btnClose", "Close", TDialogAction::Close}},
    .Requests = {{kPortState, MVT_UMV, 1, "lvMSTPPortState", true, 1, 300},
                 {kStpVersionVar, SVT_SV, 0, nullptr, true, 0}},
    .Fields = {{1, 0, TFieldKind::Static, "lblSTPVersion", "STP Version", "", false}},
    .MemoName = "memMsg",
    .CountName = nullptr};

}  // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TMSTPPortStateForm& owner)
    : QDialog(&owner), FOwner(owner) {
    setObjectName("MSTPPortStateEditForm");
    auto* form = new QFormLayout;
    for (const EditControl& entry : kEditControls) {
        QWidget* control = nullptr;
        if (entry.Format != nullptr) {
            control = new Edit(this);
        } else {
            control = new ComboBox(this);  // a drop-down list
        }
        control->setObjectName(entry.Name);
        form->addRow(entry.Label, control);
    }
    auto* set = new QPushButton("Set", this);
    set->setObjectName("btnEdit");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("btnClose");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(set);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(set, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TMSTPPortStateEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (const EditControl& entry : kEditControls) {
        if (entry.DisplayOnly) {
            findChild<QWidget*>(entry.Name)->setEnabled(false);
        }
    }
}

void TMSTPPortStateEditForm::btnEditClick() {
    if (FOwner.WritePort()) {
        accept();
    }
}

TMSTPPortStateForm::TMSTPPortStateForm(const TDialogContext& context)
    : TTableDialog(context, kPortStateForm),
      PortStateRequest(Request(0)),
      StpVersionRequest(Request(1)),
      EditForm(new TMSTPPortStateEditForm(*this)) {
    connect(ButtonNamed("btnEdit"), &QPushButton::clicked, this, [this] { btnEditClick(); });
    Guarded(*PortStateRequest, [&] {
        for (std::int32_t item = 0; item < static_cast<std::int32_t>(std::size(kEditControls));
             ++item) {
            const EditControl& entry = kEditControls[item];
            QWidget* control = EditForm->findChild<QWidget*>(entry.Name);
            if (entry.Format != nullptr) {
                PortStateRequest->BindFormatted(item, entry.Format, {static_cast<Edit*>(control)});
                continue;
            }
            auto* combo = static_cast<ComboBox*>(control);
            FillItems(*PortStateRequest->Request->Vars.Item(item).Options, *combo);
            PortStateRequest->BindList(item, combo);
        }
    });
}

bool TMSTPPortStateForm::StpMode() const {
    const QString version = static_cast<QLabel*>(Field("lblSTPVersion"))->text();
    return version == "stp" || version == "rstp";
}

void TMSTPPortStateForm::ReadVersion() {
    if (!StpVersionRequest->Busy) {
        Attempt([&] { StpVersionRequest->Get(); });
    }
}

void TMSTPPortStateForm::FormCreate() {
    ButtonNamed("btnEdit")->setEnabled(false);
    ReadVersion();
    Attempt([&] { PortStateRequest->Get(); });
}

void TMSTPPortStateForm::RefreshBtnClick() {
    ReadVersion();
    PortStateRequest->Request->Alive = true;
    if (!PortStateRequest->Busy) {
        Attempt([&] { PortStateRequest->Get(); });
    }
}

void TMSTPPortStateForm::ListClick() {
    ButtonNamed("btnEdit")->setEnabled(List->SelectedLine() >= 0);
}

bool TMSTPPortStateForm::WritePort() {
    if (PortStateRequest->Busy) {
        return false;
    }
    PortStateRequest->Request->Alive = true;
    const bool stpMode = StpMode();
    Attempt([&] {
        // The write ends before the list is read again.
        CvBlockingMode blocking(*PortStateRequest);
        if (stpMode) {
            // The bridge's hello time holds in STP and RSTP: the port's is not sent.
            WriteExcluding(0, {kAdminHelloTime}, false);
        } else {
            PortStateRequest->Set(true, true);
        }
    });
    if (stpMode) {
        Attempt([&] { PortStateRequest->Get(); });
    }
    return true;  // the window closes, also after a failure shown in the memo
}

void TMSTPPortStateForm::btnEditClick() {
    if (List->SelectedLine() < 0) {
        return;
    }
    // No read may change the window's values while the user edits them.
    PortStateRequest->Request->Alive = false;
    EditForm->setWindowTitle("Port State Information(Edit)");
    CvModal::Exec(*EditForm);
    ButtonNamed("btnEdit")->setEnabled(false);
    ReadVersion();
}
