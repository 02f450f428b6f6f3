#include "Dot3Dialogs.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTimer>

#include <utility>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvOptionList.h"
#include "DialogOptions.h"
#include "ListView.h"

namespace {

using namespace CvSyntax;
using namespace dialog_options;

const char kIndexOid[] = "1.3.6.1.2.1.10.7.2.1.1";
constexpr int kBitBoxes = 8;

// The window of a dot3 dialog: the table, the counters of the selected
// row in a hidden list, the edit area, and Set where the table is writable.
TTableDialogDecl Dot3Window(const char* name, const char* caption, const CvSNMPVarDesc* table,
                            const CvSNMPVarDesc* counters, std::vector<TDialogField> fields,
                            std::vector<TBitsPage> bits, bool settable) {
    std::vector<TDialogButton> buttons{{"btnGet", "Refresh", TDialogAction::Refresh}};
    if (settable) {
        buttons.push_back({"btnSet", "Set", TDialogAction::Set});
    }
    buttons.push_back({"btnClose", "Close", TDialogAction::Close});
    TDialogField interval{0, -1, TFieldKind::Combo, "cbxInterval", "Interval Time", ""};
    interval.Items = {"none", "2s", "5s", "10s", "30s", "1m"};
    fields.push_back(interval);
    return TTableDialogDecl{
        .Name = name,
        .Caption = caption,
        .Width = 560,
        .Height = 520,
        .Buttons = std::move(buttons),
        .Requests = {{table, MVT_FMV, 1, "ListView1"}, {counters, MVT_SV, 0, "lvChart", false, 0}},
        .Fields = std::move(fields),
        .Bits = std::move(bits),
        .CountName = nullptr};
}

}  // namespace

Tdot3Form::Tdot3Form(const TDialogContext& context, const TDot3Decl& dot3)
    : TTableDialog(context, dot3.Window),
      TableRequest(Request(0)),
      CounterRequest(Request(1)),
      ListView2(new ListView(this)),
      lvChart(ListOf(1)),
      cbxInterval(static_cast<ComboBox*>(Field("cbxInterval"))),
      Timer1(new QTimer(this)) {
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(cbxInterval, &QComboBox::activated, this, [this] { cbxIntervalChange(); });
    ListView2->setObjectName("ListView2");
    ListView2->AddColumn("Name", -1);
    ListView2->AddColumn("Value", -1);
    for (const char* row : dot3.CounterRows) {
        ListView2->AddLine({row, QString()});
    }
    // The counters between the dialog and its message output.
    static_cast<QBoxLayout*>(layout())->insertWidget(1, ListView2);
    TableRequest->OnReadDone = [this](CvSNMPRequest2Controls&, const CvSNMPError&) { TableRead(); };
}

void Tdot3Form::TableRead() {
    Ready = true;
}

void Tdot3Form::ReadTable() {
    Ready = false;
    if (!Attempt([&] { TableRequest->Get(); })) {
        Ready = true;  // nothing runs: Refresh may try again
    }
}

void Tdot3Form::FormCreate() {
    Timer1->stop();
    cbxInterval->setCurrentIndex(0);
    ReadTable();
}

void Tdot3Form::StartTimer(int entry) {
    Timer1->start(IntervalMs[static_cast<std::size_t>(entry)]);
}

void Tdot3Form::cbxIntervalChange() {
    const int entry = cbxInterval->currentIndex();
    if (entry <= 0) {
        Timer1->stop();
    } else {
        StartTimer(entry);
    }
}

void Tdot3Form::ClearDot3View() {
    Timer1->stop();
    cbxInterval->setCurrentIndex(0);
    for (int line = 0; line < ListView2->topLevelItemCount(); ++line) {
        ListView2->topLevelItem(line)->setText(1, QString());
    }
    ClearRowControls();
    lvChart->ClearLines();
}

void Tdot3Form::ShowCounters() {
    if (lvChart->LineCount() == 0) {
        Output("Get data not completed!");
        ClearDot3View();
        return;
    }
    const QStringList values = lvChart->LineTexts(0);
    for (int line = 0; line < ListView2->topLevelItemCount() && line < values.size(); ++line) {
        ListView2->topLevelItem(line)->setText(1, values[line]);
    }
}

void Tdot3Form::ListClick() {
    if (List->SelectedLine() < 0) {
        ClearDot3View();
        return;
    }
    const QString port = List->Caption(List->SelectedLine());
    Attempt([&] {
        CounterRequest->Request->Vars.Instance = port.toStdString();
        CounterRequest->Mode = 0;
        CounterRequest->Get();
        ShowCounters();
        cbxInterval->setCurrentIndex(kFiveSeconds);
        StartTimer(kFiveSeconds);
        RowSelected();
    });
}

void Tdot3Form::Timer1Timer() {
    // Gone once the dialog has closed; a read still running has the tick.
    CvSNMPRequest2Edits* counters = Request(1);
    if (counters == nullptr || counters->Busy) {
        return;
    }
    Attempt([&] {
        lvChart->ClearLines();
        counters->Get();
        ShowCounters();
    });
}

void Tdot3Form::RefreshBtnClick() {
    if (!Ready || TableRequest->Busy) {
        return;  // the running read fills the list
    }
    ClearDot3View();
    ReadTable();
}

void Tdot3Form::done(int result) {
    Timer1->stop();
    TTableDialog::done(result);
}

// --- control table ---------------------------------------------------------

namespace {

const char* const kFunctionBits[kBitBoxes] = {"pause", "", "", "", "", "", "", ""};

const CvSNMPVarDesc kControlTable[] = {
    {kIndexOid, "Index", integer, kIndex},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", bitstr, kRo},
    {}};
const CvSNMPVarDesc kControlCounters[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", counter, kRo}, {}};

const TTableDialogDecl kControlWindow =
    Dot3Window("dot3ControlForm", "dot3 Control Table", kControlTable, kControlCounters, {},
               {{0, 1, "TabSheet1", "Function Supported", 1, kFunctionBits}}, false);

const TDot3Decl kControlForm{kControlWindow, {"Recived Unknown Opcodes"}};

}  // namespace

Tdot3ControlForm::Tdot3ControlForm(const TDialogContext& context)
    : Tdot3Form(context, kControlForm) {
    for (int b = 2; b <= kBitBoxes; ++b) {
        Field(qPrintable(QString("CheckBox%1").arg(b)))->hide();
    }
}

void Tdot3ControlForm::TableRead() {
    Tdot3Form::TableRead();
    for (int b = 1; b < kBitBoxes; ++b) {
        QWidget* box = Field(qPrintable(QString("CheckBox%1").arg(b)));
        box->setEnabled(!box->isHidden());
    }
}

void Tdot3ControlForm::ClearRowControls() {
    for (int b = 1; b <= kBitBoxes; ++b) {
        auto* box = static_cast<CheckBox*>(Field(qPrintable(QString("CheckBox%1").arg(b))));
        if (!box->isHidden()) {
            box->setChecked(false);
        }
    }
}

// --- pause table -----------------------------------------------------------

namespace {

const CvIntOptionPair kPauseModePairs[] = {
    {1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"}, {4, "enabledXmitAndRcv"}, {0, nullptr}};
const CvOptionList kPauseMode(kPauseModePairs);

const CvSNMPVarDesc kPauseTable[] = {
    {kIndexOid, "Index", integer, kIndex},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", integer, kRw, &kPauseMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Oper Mode", integer, kRo, &kPauseMode},
    {}};
const CvSNMPVarDesc kPauseCounters[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", counter, kRo},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", counter, kRo},
    {}};

const TTableDialogDecl kPauseWindow =
    Dot3Window("dot3PauseForm", "dot3 Pause Table", kPauseTable, kPauseCounters,
               {{0, 0, TFieldKind::Edit, "edtIndex", "", "%i", false},
                {0, 1, TFieldKind::Combo, "cbxAdminMode", "Admin Mode"}},
               {}, true);

const TDot3Decl kPauseForm{kPauseWindow, {"In Pause Frame", "Out Pause Frame"}};

}  // namespace

Tdot3PauseForm::Tdot3PauseForm(const TDialogContext& context) : Tdot3Form(context, kPauseForm) {}

void Tdot3PauseForm::FormCreate() {
    Tdot3Form::FormCreate();
    Button(TDialogAction::Set)->setEnabled(false);
}

void Tdot3PauseForm::ClearRowControls() {
    static_cast<ComboBox*>(Field("cbxAdminMode"))->setCurrentIndex(-1);
    Button(TDialogAction::Set)->setEnabled(false);
}

void Tdot3PauseForm::RowSelected() {
    Button(TDialogAction::Set)->setEnabled(true);
}

void Tdot3PauseForm::SetBtnClick() {
    if (List->SelectedLine() < 0 || !Ready || TableRequest->Busy) {
        return;
    }
    const bool written = Attempt([&] {
        // The write ends before the table is read again.
        CvBlockingMode blocking(*TableRequest);
        TableRequest->Set(false, true);
    });
    if (!written) {
        return;  // the port and the mode chosen stay for another try
    }
    ClearDot3View();
    ReadTable();
}
