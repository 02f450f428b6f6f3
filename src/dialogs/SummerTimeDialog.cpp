#include "SummerTimeDialog.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <span>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvExcludedItems.h"
#include "CvMessageBox.h"
#include "CvOptionControls.h"
#include "CvOptionList.h"
#include "CvSNMPRequest2Edits.h"
#include "DialogOptions.h"
#include "Edit.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"

namespace {

using namespace CvSyntax;
using dialog_options::kRw;

const CvIntOptionPair kStatusPairs[] = {
    {0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
const CvIntOptionPair kMonthPairs[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"},  {4, "Apr"},  {5, "May"},  {6, "Jun"},  {7, "Jul"},
    {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {0, nullptr}};
const CvIntOptionPair kWeekPairs[] = {{1, "1st"}, {2, "2nd"},    {3, "3rd"},
                                      {4, "4th"}, {255, "last"}, {0, nullptr}};
const CvIntOptionPair kWeekDayPairs[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"},
                                         {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {0, nullptr}};
const CvOptionList kStatus(kStatusPairs);
const CvOptionList kMonths(kMonthPairs);
const CvOptionList kWeeks(kWeekPairs);
const CvOptionList kWeekDays(kWeekDayPairs);

#define SUMMER "1.3.6.1.4.1.99917.12.10.12."
const CvSNMPVarDesc kSummerTime[] = {{SUMMER "1", "swSummerTimeStatus", integer, kRw, &kStatus},
                                     {SUMMER "2", "swSummerTimeOffset", integer, kRw},
                                     {SUMMER "3", "swRepeatSummerTimeStart", octetstr, kRw},
                                     {SUMMER "4", "swRepeatSummerTimeEnd", octetstr, kRw},
                                     {SUMMER "5", "swAnnualSummerTimeStart", octetstr, kRw},
                                     {SUMMER "6", "swAnnualSummerTimeEnd", octetstr, kRw},
                                     {}};
#undef SUMMER

// One part of a date row and the octets it stands for: a drop-down list
// when it has options, else an edit with its hint.
enum class TDateField { Month, Week, WeekDay, Day, Hour, Minute };
struct TDatePart {
    TDateField Field;
    std::int32_t Offset;
    std::uint32_t Syntax;
    const CvOptionList* Options;
    const char* Hint;
};

// Left to right as the row shows them; the octets are week, day of week
// (two octets), month, hour, minute.
const TDatePart kRepeatingParts[] = {
    {TDateField::Month, 3, uint8, &kMonths, nullptr},
    {TDateField::Week, 0, uint8, &kWeeks, nullptr},
    {TDateField::WeekDay, 1, uint16, &kWeekDays, nullptr},
    {TDateField::Hour, 4, uint8, nullptr, "Hour"},
    {TDateField::Minute, 5, uint8, nullptr, "Minute"},
};
const TDatePart kAnnualParts[] = {
    {TDateField::Day, 0, uint8, nullptr, "Day"},
    {TDateField::Month, 1, uint8, &kMonths, nullptr},
    {TDateField::Hour, 2, uint8, nullptr, "Hour"},
    {TDateField::Minute, 3, uint8, nullptr, "Minute"},
};

std::span<const TDatePart> PartsOf(std::int32_t row) {
    if (row < TSummerTimeForm::kAnnualStartRow) {
        return kRepeatingParts;
    }
    return kAnnualParts;
}

constexpr int kLabelWidth = 240;
// A month name and its drop-down arrow need room in each of five parts.
constexpr int kRowWidth = 300;
constexpr int kEditInset = 4;

// The parts share the row's width; edits keep a small gap on their left,
// where the bold ":" after the hour sits.
class TDateRowPanel : public TRowPanel {
public:
    using TRowPanel::TRowPanel;

    QSize sizeHint() const override {
        int height = 0;
        for (const QWidget* part : Parts) {
            height = std::max(height, part->sizeHint().height());
        }
        return {width(), height};
    }

    std::vector<QWidget*> Parts;
    QLabel* Colon = nullptr;
    QWidget* Hour = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override {
        TRowPanel::resizeEvent(event);
        if (Parts.empty()) {
            return;
        }
        const int share = width() / static_cast<int>(Parts.size());
        for (std::size_t k = 0; k < Parts.size(); ++k) {
            const int left = static_cast<int>(k) * share;
            const int inset = dynamic_cast<Edit*>(Parts[k]) != nullptr ? kEditInset : 0;
            Parts[k]->setGeometry(left + inset, 0, share - inset, height());
        }
        if (Colon != nullptr && Hour != nullptr) {
            Colon->setGeometry(Hour->geometry().right() + 1, 0, kEditInset, height());
        }
    }
};

int ChosenIndex(const QWidget* control) {
    return static_cast<const ComboBox*>(control)->currentIndex();
}

std::string TypedText(const QWidget* control) {
    return static_cast<const Edit*>(control)->text().toStdString();
}

bool Holds(const QWidget* part) {
    if (const auto* combo = dynamic_cast<const ComboBox*>(part)) {
        return combo->currentIndex() >= 0;
    }
    const auto* edit = dynamic_cast<const Edit*>(part);
    return edit != nullptr && !edit->text().isEmpty();
}

bool Contains(const std::vector<std::int32_t>& rows, std::int32_t row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

}  // namespace

TSummerTimeForm::TSummerTimeForm(QWidget* owner) : TConfigForm(owner) {
    setObjectName("SummerTimeForm");
    setWindowTitle("Summer Time");
    auto binding = std::make_unique<CvSNMPRequest2Edits>(this);
    binding->Mode = 0;
    binding->Request->Vars.Assign(CvSNMPVarList(kSummerTime, SVT_SV, 0));
    TSNMPEditorPanel* page = SetupScalar(std::move(binding));
    TEditsPanel* editor = page->Editor;
    for (const TEditRow& row : editor->Rows) {
        row.Caption->resize(kLabelWidth, row.Caption->height());
    }
    page->SetVarFormat(kOffsetRow, "%i{n30x120l3}");
    for (std::int32_t row = kRepeatStartRow; row <= kAnnualEndRow; ++row) {
        BuildDateRow(row);
    }

    // Get and Set are the dialog's; the status combo keeps what its binding does.
    QPushButton* get = page->Buttons->RefreshButton;
    QPushButton* set = page->Buttons->SetButton;
    get->disconnect(page);
    set->disconnect(page);
    connect(get, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(set, &QPushButton::clicked, this, [this] { SetClick(); });
    auto* status = static_cast<ComboBox*>(editor->Rows[kStatusRow].ValueControl);
    status->OnChange = [this, bound = status->OnChange](ComboBox& sender) {
        if (bound) {
            bound(sender);
        }
        StatusChange();
    };

    editor->SetRowValue(kStatusRow, "repeating");
    editor->SetEditWidth(kRowWidth, TEditsPanel::kVertical);
    StatusChange();
    page->ShowClient(editor);
    page->FitForm(this);
}

CvSNMPRequest2Edits* TSummerTimeForm::Binding() const {
    return Bindings.empty() ? nullptr : Bindings.front().get();
}

bool TSummerTimeForm::Idle() const {
    const CvSNMPRequest2Edits* binding = Binding();
    return binding != nullptr && !binding->Busy && binding->Request->Alive;
}

void TSummerTimeForm::BuildDateRow(std::int32_t row) {
    auto* container = new TDateRowPanel;
    container->setFrameShape(QFrame::NoFrame);
    Page()->Editor->ReplaceValueControl(row, container);
    TCtrlsList& controls = CtrlsLists[static_cast<std::size_t>(row - kRepeatStartRow)];
    controls.push_back(container);
    for (const TDatePart& part : PartsOf(row)) {
        QWidget* control = nullptr;
        if (part.Options != nullptr) {
            auto* combo = new ComboBox(container);
            FillItems(*part.Options, *combo);
            combo->setCurrentIndex(-1);  // nothing chosen until read or picked
            Binding()->BindPart(row, part.Offset, part.Syntax, part.Options, combo);
            control = combo;
        } else {
            auto* edit = new Edit(container);
            edit->setToolTip(part.Hint);
            Binding()->BindPartFormatted(row, part.Offset, part.Syntax, nullptr, "%i", {edit});
            control = edit;
        }
        if (part.Field == TDateField::Hour) {
            container->Hour = control;
            container->Colon = new QLabel(":", container);
            QFont bold = container->Colon->font();
            bold.setBold(true);
            container->Colon->setFont(bold);
        }
        controls.push_back(control);
        container->Parts.push_back(control);
    }
}

std::vector<std::int32_t> TSummerTimeForm::DateRowsOfStatus() const {
    const QString status = Page()->Editor->RowText(kStatusRow);
    if (status == "repeating") {
        return {kRepeatStartRow, kRepeatEndRow};
    }
    if (status == "annual") {
        return {kAnnualStartRow, kAnnualEndRow};
    }
    return {};
}

void TSummerTimeForm::StatusChange() {
    TEditsPanel* editor = Page()->Editor;
    const std::vector<std::int32_t> shown = DateRowsOfStatus();
    for (std::int32_t row = kRepeatStartRow; row <= kAnnualEndRow; ++row) {
        if (Contains(shown, row)) {
            editor->ShowRow(row);
        } else {
            editor->HideRow(row);
            editor->UncheckRow(row);
        }
    }
    editor->Layout(TEditsPanel::kVertical, true);
    Page()->Buttons->SetButton->setEnabled(editor->CheckedSelectCount() > 0);
}

void TSummerTimeForm::Refresh() {
    if (!Idle()) {
        return;
    }
    TSNMPEditorPanel* page = Page();
    CvSNMPRequest2Edits* binding = Binding();
    CvSNMPVarList& vars = binding->Request->Vars;
    bool read = false;
    {
        // The status decides which date rows are worth reading.
        CvExcludedItems excluded(vars);
        for (std::int32_t row = kOffsetRow; row < kRowCount; ++row) {
            excluded.Exclude(row);
        }
        page->Guarded([&] {
            binding->Get();
            read = true;
        });
    }
    StatusChange();
    if (!read || !binding->Request->Alive) {
        return;  // failed, or the window is closing
    }
    // The status stays as read first, so that the rows shown are the rows read.
    const std::vector<std::int32_t> dates = DateRowsOfStatus();
    CvExcludedItems excluded(vars);
    for (std::int32_t row = 0; row < kRowCount; ++row) {
        if (row != kOffsetRow && !Contains(dates, row)) {
            excluded.Exclude(row);
        }
    }
    page->Guarded([&] { binding->Get(); });
}

TSummerTimeDate TSummerTimeForm::DateOf(std::int32_t row) const {
    TSummerTimeDate date;
    date.Checked = Page()->Editor->Rows[static_cast<std::size_t>(row)].SelectBox->isChecked();
    const TCtrlsList& controls = CtrlsLists[static_cast<std::size_t>(row - kRepeatStartRow)];
    const std::span<const TDatePart> parts = PartsOf(row);
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const QWidget* control = controls[k + 1];
        switch (parts[k].Field) {
            case TDateField::Month:
                date.Month = ChosenIndex(control);
                break;
            case TDateField::Week:
                date.Week = ChosenIndex(control);
                break;
            case TDateField::WeekDay:
                date.WeekDay = ChosenIndex(control);
                break;
            case TDateField::Day:
                date.Day = TypedText(control);
                break;
            case TDateField::Hour:
                date.Hour = TypedText(control);
                break;
            case TDateField::Minute:
                date.Minute = TypedText(control);
                break;
        }
    }
    return date;
}

TSummerTimeInput TSummerTimeForm::Input() const {
    const TEditsPanel* editor = Page()->Editor;
    TSummerTimeInput input;
    input.StatusChecked = editor->Rows[kStatusRow].SelectBox->isChecked();
    input.Status = ChosenIndex(editor->Rows[kStatusRow].ValueControl);
    input.OffsetChecked = editor->Rows[kOffsetRow].SelectBox->isChecked();
    input.Offset = editor->RowText(kOffsetRow).toStdString();
    for (std::size_t k = 0; k < 2; ++k) {
        input.Repeating[k] = DateOf(kRepeatStartRow + static_cast<std::int32_t>(k));
        input.Annual[k] = DateOf(kAnnualStartRow + static_cast<std::int32_t>(k));
    }
    return input;
}

void TSummerTimeForm::MarkFilled() {
    for (const TCtrlsList& controls : CtrlsLists) {
        const bool filled = std::all_of(controls.begin() + 1, controls.end(), Holds);
        static_cast<TRowPanel*>(controls.front())->Text = filled ? "-" : "";
    }
}

bool TSummerTimeForm::WriteRows(const std::vector<std::int32_t>& written) {
    const TEditsPanel* editor = Page()->Editor;
    const bool ticked = std::any_of(written.begin(), written.end(), [editor](std::int32_t row) {
        return editor->Rows[static_cast<std::size_t>(row)].SelectBox->isChecked();
    });
    if (!ticked) {
        return true;  // nothing of this write is wanted
    }
    CvExcludedItems excluded(Binding()->Request->Vars);
    for (std::int32_t row = 0; row < kRowCount; ++row) {
        if (!Contains(written, row)) {
            excluded.Exclude(row);
        }
    }
    return Page()->SetClick();
}

void TSummerTimeForm::SetClick() {
    if (!Idle()) {
        return;
    }
    const std::string refusal = SummerTimeRefusal(Input());
    if (!refusal.empty()) {
        CvMessageBox::Plain(this, QString::fromStdString(refusal));
        return;
    }
    MarkFilled();
    // The status goes first and alone: the switch takes the dates of the
    // kind in force. When the status did not go, neither do the dates.
    if (!WriteRows({kStatusRow})) {
        return;
    }
    std::vector<std::int32_t> second{kOffsetRow};
    for (const std::int32_t row : DateRowsOfStatus()) {
        second.push_back(row);
    }
    WriteRows(second);
}
