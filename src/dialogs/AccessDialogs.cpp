#include "AccessDialogs.h"

#include <QPushButton>

#include "CheckBox.h"
#include "ColumnChoice.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "TDialogChecks.h"
#include "TStackingPortUitForm.h"

namespace {

// The columns between the index and the RowStatus column: all a delete leaves out.
std::set<int> ColumnsBetween(int first, int statusItem) {
    std::set<int> columns;
    for (int c = first; c < statusItem; ++c) {
        columns.insert(c);
    }
    return columns;
}

}  // namespace

TDialogField SentField(int item, TFieldKind kind, const char* name, const char* label,
                       const char* sendBox, const char* format) {
    TDialogField field{0, item, kind, name, label, format};
    field.SendBox = sendBox;
    return field;
}

std::vector<TDialogButton> RuleButtons(const char* checkAll, const char* clearChecks) {
    return {{"GetButton", "Refresh", TDialogAction::Refresh},
            {"EditButton", "Edit", TDialogAction::Set},
            {"AddButton", "Add", TDialogAction::Add},
            {"DeleteButton", "Delete", TDialogAction::Delete},
            {checkAll, "Check All", TDialogAction::Own},
            {clearChecks, "Clear Checks", TDialogAction::Own}};
}

// --- profiles ---------------------------------------------------------------

TAccessProfileForm::TAccessProfileForm(const TDialogContext& context,
                                       const TAccessProfileDecl& profile)
    : TTableDialog(context, profile.Window), Profile(profile) {}

void TAccessProfileForm::FormCreate() {
    for (const auto& [name, entry] : Profile.StartEntries) {
        Combo(name)->setCurrentIndex(entry);
    }
    Attempt([&] { Request(0)->Get(); });
    Reset();
}

bool TAccessProfileForm::RowSelected() const {
    return List->SelectedLine() >= 0;
}

Edit* TAccessProfileForm::IdEdit() const {
    return static_cast<Edit*>(Field(Decl.KeyField));
}

void TAccessProfileForm::Reset() {
    SetRowButtons(false);  // also frees and empties the id
    for (const char* name : Profile.ResetEdits) {
        static_cast<Edit*>(Field(name))->clear();
    }
}

void TAccessProfileForm::ListClick() {
    if (RowSelected()) {
        SetRowButtons(true);
    } else {
        Reset();
    }
}

void TAccessProfileForm::RefreshBtnClick() {
    Attempt([&] { Request(0)->Get(); });
    Reset();
}

bool TAccessProfileForm::Passes(const char* edit, const QString& refusal) {
    if (TextOf(edit).isEmpty() || refusal.isEmpty()) {
        return true;
    }
    Refuse(Field(edit), refusal);
    return false;
}

std::set<int> TAccessProfileForm::ChosenExclusions() const {
    return ExcludedColumns(*this, Profile.Choice);
}

bool TAccessProfileForm::WriteAndReread(const std::set<int>& excluded) {
    return WriteAndReread([&] { WriteExcluding(0, excluded, false); });
}

bool TAccessProfileForm::WriteAndReread(const std::function<void()>& writes) {
    if (!Attempt(writes)) {
        return false;  // the switch's answer is shown; what was typed stays
    }
    Attempt([&] { Request(0)->Get(); });
    Reset();
    return true;
}

void TAccessProfileForm::SetBtnClick() {
    if (!Validate()) {
        return;
    }
    if (StatusCombo()->currentIndex() == kDestroyEntry) {
        DeleteBtnClick();
        return;
    }
    WriteAndReread(ChosenExclusions());
}

bool TAccessProfileForm::AddChecks() {
    const QString id = IdEdit()->text();
    // The texts are compared: "01" names no listed "1".
    for (int line = 0; line < List->LineCount(); ++line) {
        if (List->Caption(line) == id) {
            Refuse(IdEdit(), Profile.Duplicate);
            return false;
        }
    }
    if (StatusCombo()->currentIndex() != kCreateAndGoEntry) {
        Refuse(StatusCombo(), "Row Status must be createAndGo.");
        return false;
    }
    return true;
}

void TAccessProfileForm::AddBtnClick() {
    if (Profile.ValidateBeforeAdd && !Validate()) {
        return;
    }
    if (!AddChecks() || (!Profile.ValidateBeforeAdd && !Validate())) {
        return;
    }
    WriteAndReread(ChosenExclusions());
}

void TAccessProfileForm::DeleteBtnClick() {
    StatusCombo()->setCurrentIndex(kDestroyEntry);
    WriteAndReread(ColumnsBetween(1, Decl.StatusItem));
}

// --- rules ------------------------------------------------------------------

TAccessRuleForm::TAccessRuleForm(const TDialogContext& context, const TAccessRuleDecl& rule)
    : TTableDialog(context, rule.Window), Rule(rule) {
    connect(ButtonNamed(rule.CheckAllButton), &QPushButton::clicked, this,
            [this] { CheckAll(true); });
    connect(ButtonNamed(rule.ClearChecksButton), &QPushButton::clicked, this,
            [this] { CheckAll(false); });
    // A choice of the user's, not a row shown.
    connect(Combo(rule.EnablePriorityCombo), &QComboBox::activated, this,
            [this] { PriorityRule(); });
}

void TAccessRuleForm::FormCreate() {
    ClearEdits();
    for (const auto& [name, entry] : Rule.StartEntries) {
        Combo(name)->setCurrentIndex(entry);
    }
    PriorityRule();
    RowChosen(false);
    Attempt([&] { Request(0)->Get(); });
    CountRows();
}

bool TAccessRuleForm::RowSelected() const {
    return List->SelectedLine() >= 0;
}

bool TAccessRuleForm::Checked(const char* box) const {
    return static_cast<CheckBox*>(Field(box))->isChecked();
}

QWidget* TAccessRuleForm::InputOf(const char* box) const {
    for (const TDialogField& field : Decl.Fields) {
        if (field.SendBox != nullptr && QString(field.SendBox) == box) {
            return Field(field.Name);
        }
    }
    return nullptr;
}

std::vector<const char*> TAccessRuleForm::SendBoxes() const {
    std::vector<const char*> boxes;
    for (const TDialogField& field : Decl.Fields) {
        if (field.SendBox != nullptr) {
            boxes.push_back(field.SendBox);
        }
    }
    return boxes;
}

void TAccessRuleForm::CheckAll(bool checked) {
    SetSendBoxes(checked, true);
}

void TAccessRuleForm::SetSendBoxes(bool checked, bool checkAll) {
    for (const char* name : SendBoxes()) {
        auto* box = static_cast<CheckBox*>(Field(name));
        const bool priority =
            QString(name) == Rule.PriorityBox || QString(name) == Rule.ReplacePriorityBox;
        const bool leftOut = checkAll && Rule.LeftOutOfCheckAll != nullptr &&
                             QString(name) == Rule.LeftOutOfCheckAll;
        if (!leftOut && !(priority && Rule.PriorityBoxesKeptWhileDisabled && !box->isEnabled())) {
            box->setChecked(checked);
        }
    }
}

void TAccessRuleForm::ClearEdits() {
    for (const TDialogField& field : Decl.Fields) {
        if (field.Request == 0 && field.Kind == TFieldKind::Edit) {
            static_cast<Edit*>(Field(field.Name))->clear();
        }
    }
    SetSendBoxes(false, false);
    for (TStackingPortUitForm* grid : Grids) {
        grid->UncheckAll();
    }
    CountRows();
}

void TAccessRuleForm::PriorityRule() {
    const QString text = TextOf(Rule.EnablePriorityCombo);
    if (!Rule.OnlyEnabledEnables && text != "enabled" && text != "disabled") {
        return;
    }
    const bool enabled = text == "enabled";
    for (const char* name : Rule.PriorityControls) {
        Field(name)->setEnabled(enabled);
    }
    static_cast<CheckBox*>(Field(Rule.PriorityBox))->setChecked(false);
    static_cast<CheckBox*>(Field(Rule.ReplacePriorityBox))->setChecked(false);
}

void TAccessRuleForm::RowChosen(bool selected) {
    SetRowButtons(selected);
    Field(Rule.IdEdit)->setEnabled(!selected);
    Field(Rule.AccessEdit)->setEnabled(!selected);
}

void TAccessRuleForm::ListClick() {
    const int line = List->SelectedLine();
    if (line >= 0) {
        static_cast<Edit*>(Field(Rule.IdEdit))->setText(List->Caption(line));
        static_cast<Edit*>(Field(Rule.AccessEdit))->setText(List->SubItem(line, 0));
        RowChosen(true);
        PriorityRule();
    } else {
        RowChosen(false);
        PriorityRule();
        ClearEdits();
    }
}

void TAccessRuleForm::RefreshBtnClick() {
    Attempt([&] { Request(0)->Get(); });
    RowChosen(false);
    ClearEdits();
}

std::set<int> TAccessRuleForm::ChosenExclusions() const {
    QString enableBox;
    for (const TDialogField& field : Decl.Fields) {
        if (QString(field.Name) == Rule.EnablePriorityCombo) {
            enableBox = field.SendBox;
        }
    }
    std::set<int> excluded = ExcludedColumns(*this, Rule.Choice, UnsentItems(0));
    // The priority columns go only with an enable priority that is not "disabled":
    // the one chosen, else the selected row's.
    const bool chosen = Checked(qPrintable(enableBox));
    const QString choice = TextOf(Rule.EnablePriorityCombo);
    bool disabled = false;
    if (RowSelected()) {
        const QString shown = List->SubItem(List->SelectedLine(), Rule.EnablePriorityItem - 1);
        disabled = !shown.isEmpty() && (chosen ? choice : shown) == "disabled";
    } else {
        disabled = !chosen || choice == "disabled";
    }
    if (disabled) {
        excluded.insert(Rule.PriorityItems.begin(), Rule.PriorityItems.end());
    }
    return excluded;
}

bool TAccessRuleForm::IdsGiven() {
    if (TextOf(Rule.IdEdit).isEmpty()) {
        Refuse(Field(Rule.IdEdit), Rule.IdMissing);
        return false;
    }
    if (TextOf(Rule.AccessEdit).isEmpty()) {
        Refuse(Field(Rule.AccessEdit), Rule.AccessMissing);
        return false;
    }
    return true;
}

bool TAccessRuleForm::CheckedFieldsFilled(const std::vector<const char*>& boxes) {
    for (const char* box : boxes) {
        QWidget* input = InputOf(box);
        if (Checked(box) && ShownText(*input).isEmpty()) {
            Refuse(input, Rule.EmptyRefusal);
            return false;
        }
    }
    return true;
}

bool TAccessRuleForm::Passes(const char* box, const QString& refusal) {
    if (!Checked(box) || refusal.isEmpty()) {
        return true;
    }
    Refuse(InputOf(box), refusal);
    return false;
}

bool TAccessRuleForm::InRange(const char* box, int low, int high, const char* refusal) {
    const int value = IntOfText(ShownText(*InputOf(box))).value_or(-1);
    return Passes(box, value >= low && value <= high ? QString() : QString(refusal));
}

bool TAccessRuleForm::AddChecks() {
    const QString id = TextOf(Rule.IdEdit);
    const QString access = TextOf(Rule.AccessEdit);
    for (int line = 0; line < List->LineCount(); ++line) {
        if (List->Caption(line) == id && List->SubItem(line, 0) == access) {
            Refuse(Field(Rule.IdEdit), Rule.Duplicate);
            return false;
        }
    }
    if (Combo("RowComboBox")->currentIndex() != kCreateAndGoEntry || !Checked("cbxRow")) {
        Refuse(Field("RowComboBox"), "Row State must be checked and set to createAndGo.");
        return false;
    }
    return true;
}

void TAccessRuleForm::WriteRule(const std::set<int>& excluded, bool /*creating*/) {
    WriteExcluding(0, excluded, false);
}

void TAccessRuleForm::Write(const std::set<int>& excluded, bool creating) {
    if (Attempt([&] { WriteRule(excluded, creating); })) {
        AfterWrite();
    }
    // After a refusal the switch's answer is shown and what was typed stays.
}

void TAccessRuleForm::AfterWrite() {
    RefreshBtnClick();
}

void TAccessRuleForm::AddBtnClick() {
    if (Validate() && AddChecks()) {
        Write(ChosenExclusions(), true);
    }
}

void TAccessRuleForm::SetBtnClick() {
    if (!Validate()) {
        return;
    }
    if (Combo("RowComboBox")->currentIndex() == kDestroyEntry && Checked("cbxRow")) {
        Write(ColumnsBetween(2, Decl.StatusItem), false);
        return;
    }
    Write(ChosenExclusions(), false);
}

void TAccessRuleForm::DeleteBtnClick() {
    Combo("RowComboBox")->setCurrentIndex(kDestroyEntry);
    Write(ColumnsBetween(2, Decl.StatusItem), false);
}
