#pragma once

#include <QDialog>
#include <QString>

#include <initializer_list>
#include <set>
#include <vector>

#include "TTableDialog.h"

class ComboBox;
class Edit;
class TCompanionListForm;

// A companion window as data: its fields (`Item` the column of the list
// dialog's table the control shows; `ReadOnly`: always disabled) and its
// two buttons.
struct TCompanionDecl {
    const char* Name;
    const char* Caption;
    std::vector<TDialogField> Fields;
    const char* SetButton;
    const char* CloseButton;
};

// The small window in which one row of a list dialog's table is entered.
// Its controls are bound to the list dialog's table: a selected row shows
// in them, and a write takes the row from them. The list dialog chooses the
// mode before showing it; the window sets itself up for that mode.
class TCompanionForm : public QDialog {
public:
    TCompanionForm(TCompanionListForm& owner, const TCompanionDecl& decl);

    // Each field bound to its column of `table`.
    void BindTo(CvSNMPRequest2Edits& table);
    // Shown modally in `mode`.
    void ShowIn(int mode);
    int Mode = 0;

    QWidget* Field(const char* name) const;
    Edit* EditOf(const char* name) const;
    ComboBox* Combo(const char* name) const;
    QString TextOf(const char* name) const;

    // Checks, writes the row and closes; a refusal of the switch keeps the
    // window open with what was entered.
    virtual void SetButtonClick();

protected:
    // The controls as `Mode` starts.
    virtual void FormActivate() = 0;
    // The checks before a write; false once a refusal has been shown.
    virtual bool Validate() = 0;
    // The columns a write leaves out.
    virtual std::set<int> Unsent() const { return {}; }

    // The message box of a refused input, then the focus on `focus`; false.
    bool Refuse(QWidget* focus, const QString& text);
    // Refuses `refusal` (when not empty) on the control `name`.
    bool Passes(const char* name, const QString& refusal);
    // The first of `checks` with a refusal is refused on its control.
    struct TCheck {
        const char* Control;
        QString Refusal;  // empty: passes
    };
    bool Passes(std::initializer_list<TCheck> checks);
    static QString When(bool fails, const char* refusal) { return fails ? refusal : QString(); }
    // The integer an edit shows, -1 when it shows none.
    int NumberIn(const char* edit) const;
    void Empty(std::initializer_list<const char*> edits);
    // An edit or combo box showing `text` (an edit) or `entry` (a combo box), locked or free.
    void Show(const char* name, const QString& text, bool enabled);
    void Choose(const char* combo, int entry, bool enabled);

    TCompanionListForm& Owner;
    const TCompanionDecl& Decl;
};

// How a list dialog removes its selected row: the companion's combo
// `StatusCombo` set to `Entry`, the columns `Unsent` left out.
struct TRowRemoval {
    const char* StatusCombo;
    int Entry;
    std::set<int> Unsent;
};

// A list dialog whose rows are entered through a companion window and
// removed with Delete; rows are never edited in place. Messages go to the memo.
class TCompanionListForm : public TTableDialog {
public:
    TCompanionListForm(const TDialogContext& context, const TTableDialogDecl& decl,
                       const TRowRemoval* removal = nullptr);

    void DeleteBtnClick() override;
    // The companion's row written without the columns `unsent`. `settled`:
    // the write is awaited and the table read again. False when it failed,
    // the failure's text in the message output.
    bool WriteCompanionRow(const std::set<int>& unsent, bool settled);

    TCompanionForm* Companion = nullptr;

protected:
    // Takes `companion` (a child of this dialog) and binds its controls.
    void Adopt(TCompanionForm* companion);
    // The companion in `mode` with `caption` (empty: its own); afterwards
    // no row is selected.
    void AddThroughCompanion(int mode, const QString& caption = QString());

private:
    const TRowRemoval* FRemoval;
};
