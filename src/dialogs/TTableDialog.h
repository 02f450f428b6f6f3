#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CvDialogs.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPVar.h"

class CheckBox;
class ComboBox;
class ListView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class StatusBar;
class TStackingPortUitForm;

// What a button of the column does; `Own` buttons are wired by the dialog.
enum class TDialogAction { Refresh, Set, Add, Delete, Close, Own };

struct TDialogButton {
    const char* Name;
    const char* Caption;
    TDialogAction Action;
    bool Visible = true;
};

// One request of the dialog: a table (with a list view of its rows) or a
// scalar list. Request 0 is the one the buttons work on.
struct TRequestDecl {
    const CvSNMPVarDesc* Vars;
    std::uint8_t ItemType = SVT_SV;
    std::int32_t KeyCount = 0;
    const char* ListName = nullptr;
    bool ListVisible = true;
    std::uint8_t Mode = 1;     // 0 blocking
    std::int32_t Timeout = 0;  // hundredths of a second; 0 keeps the global one
};

// A control of the edit area bound to one item of one request (`Item` -1:
// not bound; the dialog fills it). `Option` is a lone radio button.
enum class TFieldKind { Edit, Combo, Static, Check, Radio, Option };

struct TDialogField {
    std::int32_t Request;
    std::int32_t Item;
    TFieldKind Kind;
    const char* Name;
    const char* Label;
    const char* Format = "%s";  // bound edits only
    bool Visible = true;
    bool ReadOnly = false;
    std::vector<const char*> Items{};  // an unbound combo's entries
    const char* SendBox = nullptr;     // a check box beside it: whether the item is written
};

// A port grid bound to a port-list item (`Item` -1: not bound); on a page of
// "PageControl1", in a framed box of the grid area, or kept out of sight.
struct TGridPage {
    std::int32_t Request;
    std::int32_t Item;
    const char* Sheet;
    const char* Caption;
    const char* Box;
    const char* Grid;
    bool ReadOnly = false;
    bool Hidden = false;
    int Units = 1;
};

// A page of eight check boxes "CheckBoxN" … bound to a BITS item, check box
// k being bit k ("0,1,…,7"); `Item` -1: shown only.
struct TBitsPage {
    std::int32_t Request;
    std::int32_t Item;
    const char* Sheet;
    const char* Caption;
    int FirstBox;  // N of the first box's name
    const char* const* Captions;
    bool TabVisible = true;
};

// A dedicated dialog as data: its window, its requests and what each
// control is bound to. A dialog keeps a reference: declarations are static.
struct TTableDialogDecl {
    const char* Name;
    const char* Caption;
    int Width;
    int Height;
    bool CaptionWithDevice = false;  // the device text follows the caption
    std::vector<TDialogButton> Buttons{};
    std::vector<TRequestDecl> Requests{};
    std::vector<int> ReadOrder{};  // of the first reads; empty: 0, 1, …
    std::vector<TDialogField> Fields{};
    const char* FieldsBox = nullptr;   // a framed group around the edit area
    std::vector<const char*> Notes{};  // lines of text under the edit area
    std::vector<TGridPage> Grids{};
    const char* GridsBox = nullptr;  // grids one above the other in this box, not on pages
    std::vector<TBitsPage> Bits{};
    // The RowStatus item and the entries of its combo for Add and Delete.
    std::int32_t StatusItem = -1;
    int CreateEntry = -1;
    int DestroyEntry = -1;
    const char* KeyField = nullptr;  // locked while a row is selected
    bool StatusBarOutput = false;    // panel 0 of "StatusBar1" instead of the memo
    const char* MemoName = "Memo1";
    const char* CountName = "ST_Count2";     // the row count; nullptr: none
    const char* CountLabelName = "Label11";  // nullptr: the count alone
};

// A dialog on device tables and scalars: lists of rows, an edit area, port
// grids and check-box groups for the selected row, Refresh, Set, and Add
// and Delete through the RowStatus column. It is created in two steps: the
// window and its bindings, then FormCreate with the first reads, so that a
// dialog can set itself up in between. Every outcome and failure ends in the
// message output.
class TTableDialog : public QDialog {
public:
    // How often a close that waits for a running exchange looks again.
    static constexpr int kCloseRetryMs = 10;

    TTableDialog(const TDialogContext& context, const TTableDialogDecl& decl);
    ~TTableDialog() override;

    // The first reads.
    virtual void FormCreate();
    virtual void RefreshBtnClick();
    virtual void SetBtnClick();
    virtual void AddBtnClick();
    virtual void DeleteBtnClick();
    // Button state and edit area after a click on the list of request 0.
    virtual void ListClick();
    virtual void ClearEdits();
    // Stops the requests; true once none is running and they are freed.
    bool FormClose();

    QPushButton* Button(TDialogAction action) const;
    QPushButton* ButtonNamed(const char* name) const;
    QWidget* Field(const char* name) const;
    // The text the edit or combo box `name` shows.
    QString TextOf(const char* name) const;
    ComboBox* Combo(const char* name) const;
    TStackingPortUitForm* Grid(std::size_t k) const { return Grids[k]; }
    CvSNMPRequest2Edits* Request(std::size_t k) const;
    ListView* ListOf(std::size_t k) const;

    void done(int result) override;

    const TTableDialogDecl& Decl;
    const TDialogContext Context;
    ListView* List = nullptr;  // of request 0
    QLabel* RowCountText = nullptr;
    QTabWidget* PageControl = nullptr;
    QPlainTextEdit* Memo = nullptr;
    StatusBar* Status = nullptr;
    std::vector<TStackingPortUitForm*> Grids;
    std::vector<std::unique_ptr<CvSNMPRequest2Edits>> Requests;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The steps a dialog with checks of its own composes its handlers from.

    // Whether an exchange of the dialog is running, blocking or not.
    bool Busy() const;
    ComboBox* StatusCombo() const;
    // Writes the row with `entry` of the RowStatus combo (-1: as shown),
    // then clears the edit area; a failure keeps what the user entered.
    void WriteRow(int statusEntry);
    // Writes request `k` from its controls with `excluded` items left out
    // (their flags come back however the write ends), re-reading a table
    // afterwards when `reread`. Failures raise.
    void WriteExcluding(std::size_t k, std::initializer_list<std::int32_t> excluded, bool reread);
    // False, and nothing sent, when `excluded` leaves nothing to write.
    bool WriteExcluding(std::size_t k, const std::set<int>& excluded, bool reread);
    // Fields with a send box: the items of request `k` whose box is not
    // ticked, for WriteExcluding; the first ticked field of request `k` that
    // shows nothing (nullptr when none); every enabled box ticked, or all
    // unticked.
    std::set<int> UnsentItems(std::size_t k) const;
    QWidget* FirstEmptySentField(std::size_t k) const;
    void TickSendBoxes(bool ticked);
    void SetRowButtons(bool rowSelected);
    // Writes the selected row of request 0 with a re-read; the row with the
    // same first column is selected again once Reselect runs from the
    // read's completion.
    void WriteAndReselect();
    void Reselect();
    // The key edit locked and greyed while a row is selected; unlocked,
    // white and empty otherwise.
    void LockKey(bool locked);
    void CountRows();
    // A plain text in the message output: panel 0, or a new line of the memo.
    void Output(const QString& text);
    // A refused input: its message box, then the focus on the control.
    void Refuse(QWidget* focus, const QString& text);
    // The busy refusal of a dialog that is still reading.
    void RefuseBusy();
    // Runs a handler's step; a failure becomes a line of the message output
    // of `request`. False when it failed.
    template <typename Step>
    bool Guarded(CvSNMPRequest2Edits& request, Step&& step) {
        try {
            step();
            return true;
        } catch (const CvException& e) {
            request.ShowStatus(e.Message());
        } catch (const std::exception& e) {
            request.ShowStatus(e.what());
        }
        return false;
    }
    // The same with the plain text of the failure as the output, kept in
    // LastFailure so that a re-read after it can show it again.
    template <typename Step>
    bool Attempt(Step&& step) {
        try {
            step();
            return true;
        } catch (const CvException& e) {
            LastFailure = QString::fromStdString(e.Message());
        } catch (const std::exception& e) {
            LastFailure = QString::fromUtf8(e.what());
        }
        Output(LastFailure);
        return false;
    }
    QString LastFailure;

private:
    void BuildWindow();
    QWidget* BuildButtons();
    QWidget* BuildFields();
    QWidget* BuildGridBoxes();
    void BuildPages();
    void BuildBitsPage(const TBitsPage& page);
    TStackingPortUitForm* NewGrid(std::size_t g, QWidget* parent);
    void CreateRequests();
    void BindRequest(std::size_t k);
    void BindField(CvSNMPRequest2Edits& request, const TDialogField& field);
    void FreeRequests();
    CheckBox* SendBoxOf(const TDialogField& field) const;

    std::vector<ListView*> FLists;
    QWidget* FButtonPanel = nullptr;
    bool FRowShown = true;
    QString FReselect;
    bool FClosing = false;
    bool FDestroying = false;
};
