#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPVar.h"

class ComboBox;
class ListView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class StatusBar;
class TStackingPortUitForm;

// What a button of the column does.
enum class TDialogAction { Refresh, Set, Add, Delete, Close };

struct TDialogButton {
    const char* Name;
    const char* Caption;
    TDialogAction Action;
    bool Visible = true;
};

// A control of the edit area bound to one item of one request: request 0 is
// the table, request k > 0 the k-th scalar list.
enum class TFieldKind { Edit, Combo, Static };

struct TDialogField {
    std::int32_t Request;
    std::int32_t Item;
    TFieldKind Kind;
    const char* Name;
    const char* Label;
    const char* Format = "%s";  // edits only
};

// A page of the port-grid tabs, bound to a port-list item of the table.
struct TGridPage {
    std::int32_t Item;
    const char* Sheet;
    const char* Caption;
    const char* Box;
    const char* Grid;
};

// A scalar list read beside the table.
struct TScalarList {
    const CvSNMPVarDesc* Vars;
};

// A dedicated table dialog as data: its window, its requests and what each
// control is bound to. A dialog keeps a reference: declarations are static.
struct TTableDialogDecl {
    const char* Name;
    const char* Caption;
    int Width;
    int Height;
    std::vector<TDialogButton> Buttons{};
    const char* ListName = nullptr;
    const CvSNMPVarDesc* Table = nullptr;
    std::uint8_t ItemType = MVT_UMV;
    std::int32_t KeyCount = 0;
    std::vector<TScalarList> Scalars{};
    std::vector<TDialogField> Fields{};
    const char* FieldsBox = nullptr;  // a framed group around the edit area
    std::vector<TGridPage> Grids{};
    // The RowStatus item and the entries of its combo for Add and Delete.
    std::int32_t StatusItem = -1;
    int CreateEntry = -1;
    int DestroyEntry = -1;
    bool ScalarsFirst = false;     // read order when the dialog opens
    std::uint8_t Mode = 1;         // 0 blocking
    bool StatusBarOutput = false;  // panel 0 of "StatusBar1" instead of "Memo1"
};

// A dialog on one device table: a list of its rows, an edit area and port
// grids for the selected row, Refresh, Set, and Add and Delete through the
// RowStatus column, and scalars read beside the table. Every outcome and
// failure ends as a line of the message output; deletions are not asked.
class TTableDialog : public QDialog {
public:
    // How often a close that waits for a running exchange looks again.
    static constexpr int kCloseRetryMs = 10;

    TTableDialog(QWidget* owner, const TTableDialogDecl& decl);
    ~TTableDialog() override;

    virtual void RefreshBtnClick();
    virtual void SetBtnClick();
    virtual void AddBtnClick();
    virtual void DeleteBtnClick();
    // Button state and edit area after a click on the list.
    virtual void ListClick();
    virtual void ClearEdits();
    // Stops the requests; true once none is running and they are freed.
    bool FormClose();

    QPushButton* Button(TDialogAction action) const;
    QWidget* Field(const char* name) const;
    TStackingPortUitForm* Grid(std::size_t k) const { return Grids[k]; }
    // 0: the table; k: the k-th scalar list.
    CvSNMPRequest2Edits* Request(std::size_t k) const;

    void done(int result) override;

    const TTableDialogDecl& Decl;
    ListView* List = nullptr;
    QLabel* RowCountText = nullptr;  // "ST_Count2"
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
    void SetRowButtons(bool rowSelected);
    void CountRows();
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

private:
    void BuildWindow();
    QWidget* BuildButtons();
    QWidget* BuildFields();
    void BuildGrids();
    void FormCreate();
    void OpenTable();
    void OpenScalars();
    void FreeRequests();

    bool FRowShown = true;
    bool FClosing = false;
    bool FDestroying = false;
};
