#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

#include "TSNMPEditorPanel.h"

class QDialog;
class TListViewPanel;

// The page of a table: a list with one line per row, Refresh, and Add,
// Edit and Delete through the RowStatus column. Add and Edit open modal
// dialogs that borrow the page's editor rows.
class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    using Hook = std::function<void()>;

    TSNMPListViewPanel(QWidget* owner, CvSNMPRequest2Edits* binding);
    ~TSNMPListViewPanel() override;

    // `status` must be a label of the status column's drop-down list.
    void SetAddStatus(std::int32_t column, const std::string& status);
    void SetDeleteStatus(std::int32_t column, const std::string& status);

    void RefreshTable();
    void AddRow();
    void EditRow();
    void DeleteRow();
    // The hint of a line: one "caption<TABs>  value" line per column.
    QString LineHint(int line) const;

    TListViewPanel* ListPanel;
    Hook BeforeAdd;
    Hook AfterAdd;
    Hook BeforeEdit;
    Hook AfterEdit;

protected:
    void RefreshClick() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectionChanged();
    void LineClicked();
    void CountLines();
    void SetLineButtons(bool enabled);
    // Ends a running read of the page before a dialog or a write; says so
    // when it could not.
    bool StopRunningRead();
    void RunAddDialog();
    void ShowAddDialog(QDialog& dialog, TSNMPPanel* panel);
    void RunEditDialog();
    void ShowEditDialog(QDialog& dialog, TSNMPPanel* panel);
    // The dialog's own frame on the page's binding, with a message area of
    // its own: what a write says is seen beside the values typed.
    TSNMPPanel* BuildDialogPanel(QDialog& dialog);
    // Takes the editor back from a dialog; the dialog's messages join the page's.
    void EndDialog(TSNMPPanel* dialogPanel);
    QString OwnerCaption() const;
};
