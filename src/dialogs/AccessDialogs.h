#pragma once

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "ColumnChoice.h"
#include "TTableDialog.h"

class Edit;

// Combo entries of a RowStatus column (value minus one).
enum TRowStatusEntry { kActiveEntry = 0, kCreateAndGoEntry = 3, kDestroyEntry = 5 };

// A rule field with the check box that says whether it is written.
TDialogField SentField(int item, TFieldKind kind, const char* name, const char* label,
                       const char* sendBox, const char* format = "%s");

// The button column of a rule dialog: Refresh, Edit, Add, Delete and the
// two of the field check boxes.
std::vector<TDialogButton> RuleButtons(const char* checkAll, const char* clearChecks);

// A combo box and the entry it starts at.
using TStartEntry = std::pair<const char*, int>;

// What sets one access-profile dialog apart from the others.
struct TAccessProfileDecl {
    const TTableDialogDecl& Window;
    const char* IdMissing;
    const char* Duplicate;
    bool ValidateBeforeAdd;  // the field checks come before the duplicate test
    std::vector<TStartEntry> StartEntries;
    std::vector<const char*> ResetEdits;  // emptied with the id on a reset
    TColumnChoice Choice;
};

// An access-profile table (the header fields a switch examines): one row at
// a time through its id, written column by column as the controls choose,
// with Add through createAndGo and Delete through destroy. Blocking; the
// id is the Window's key field.
class TAccessProfileForm : public TTableDialog {
public:
    TAccessProfileForm(const TDialogContext& context, const TAccessProfileDecl& profile);

    void FormCreate() override;
    void RefreshBtnClick() override;
    void SetBtnClick() override;
    void AddBtnClick() override;
    void DeleteBtnClick() override;
    void ListClick() override;

    // The columns a write leaves out, as the controls stand now.
    virtual std::set<int> ChosenExclusions() const;

protected:
    // The field checks before Set and Add; a refusal has been shown when false.
    virtual bool Validate() = 0;
    // No row chosen: Set and Delete off, Add and the id on, id and masks empty.
    virtual void Reset();
    bool RowSelected() const;
    Edit* IdEdit() const;
    // Refuses `text` in an edit that is not empty; true when it passed.
    bool Passes(const char* edit, const QString& refusal);
    // Writes request 0 without `excluded` (nothing when that leaves nothing
    // to write), then reads the table and resets; a failure is shown and
    // what was typed stays. True when written.
    bool WriteAndReread(const std::set<int>& excluded);
    // The same for writes of several steps; a failed step ends them.
    bool WriteAndReread(const std::function<void()>& writes);
    bool AddChecks();

    const TAccessProfileDecl& Profile;
};

// What sets one access-rule dialog apart from the others. Every rule field
// has a check box that says whether it is written.
struct TAccessRuleDecl {
    const TTableDialogDecl& Window;
    const char* IdEdit;
    const char* AccessEdit;
    const char* IdMissing;
    const char* AccessMissing;
    const char* Duplicate;
    const char* EmptyRefusal;  // a checked field without a value
    const char* CheckAllButton;
    const char* ClearChecksButton;
    std::vector<TStartEntry> StartEntries;
    // The enable-priority combo and the item the selected row shows it in;
    // the priority and replace-priority items, their inputs and check boxes.
    const char* EnablePriorityCombo;
    int EnablePriorityItem;
    std::vector<int> PriorityItems;
    std::vector<const char*> PriorityControls;
    const char* PriorityBox;
    const char* ReplacePriorityBox;
    // A disabled priority box keeps its tick through Clear Checks and the like.
    bool PriorityBoxesKeptWhileDisabled;
    // Any text but "enabled" disables the priority controls; else only "disabled".
    bool OnlyEnabledEnables;
    const char* LeftOutOfCheckAll = nullptr;
    TColumnChoice Choice{};  // after the unchecked fields
};

// An access-rule table: the values a profile's fields are matched against,
// the action and the ports. Rows are named by profile id and access id.
class TAccessRuleForm : public TTableDialog {
public:
    TAccessRuleForm(const TDialogContext& context, const TAccessRuleDecl& rule);

    void FormCreate() override;
    void RefreshBtnClick() override;
    void SetBtnClick() override;  // Edit
    void AddBtnClick() override;
    void DeleteBtnClick() override;
    void ListClick() override;
    void ClearEdits() override;
    void CheckAll(bool checked);
    void PriorityRule();

    // The columns a write leaves out, as the controls stand now.
    std::set<int> ChosenExclusions() const;

protected:
    virtual bool Validate() = 0;
    // The id and access id are given; refused when not.
    bool IdsGiven();
    // The row's own controls locked or freed as a row is chosen.
    virtual void RowChosen(bool selected);
    // Writes the chosen columns; `creating` when the row is new.
    virtual void WriteRule(const std::set<int>& excluded, bool creating);
    void Write(const std::set<int>& excluded, bool creating);
    bool AddChecks();
    void AfterWrite();
    bool RowSelected() const;
    bool Checked(const char* box) const;
    // The first checked field without a value, refused; true when none.
    bool CheckedFieldsFilled(const std::vector<const char*>& boxes);
    // A checked field whose text `refusal` refuses; true when it passed.
    bool Passes(const char* box, const QString& refusal);
    // A checked field whose whole number lies outside low..high.
    bool InRange(const char* box, int low, int high, const char* refusal);
    QWidget* InputOf(const char* box) const;
    std::vector<const char*> SendBoxes() const;
    // Ticks or clears the field check boxes; a disabled priority box keeps
    // its tick where the dialog says so, and Check All may leave one out.
    void SetSendBoxes(bool checked, bool checkAll);

    const TAccessRuleDecl& Rule;
};
