#pragma once

#include <set>
#include <vector>

#include "AccessDialogs.h"
#include "TTableDialog.h"

// Refresh, Edit, Add and Delete of the authentication tables.
std::vector<TDialogButton> AuthTableButtons();

// The table dialogs of the switch's authentication: method lists and
// servers. One row at a time, named by its key edit; Add through
// createAndGo, Delete through destroy, each write sending the columns the
// controls choose. Blocking. After a completed write the table is read
// again and the dialog returns to no row selected; a refused write is shown
// in panel 0 and what was typed stays.
class TAuthTableForm : public TTableDialog {
public:
    // `resetEdits` are emptied with the key edit; `lockedWithKey` are off
    // while a row is selected.
    TAuthTableForm(const TDialogContext& context, const TTableDialogDecl& window,
                   std::vector<const char*> resetEdits, std::vector<const char*> lockedWithKey);

    void FormCreate() override;
    void RefreshBtnClick() override;
    void ListClick() override;

protected:
    // No row chosen: Edit and Delete off, the key, its companions and Add on,
    // the key and `resetEdits` empty.
    virtual void Reset();
    // A row chosen: the binding has shown it in the controls.
    virtual void RowChosen();
    bool RowSelected() const;
    // Whether a listed row reads `texts` in its first columns.
    bool Listed(const std::vector<QString>& texts) const;
    // The RowStatus combo at createAndGo; refused when not.
    bool CreatesRow();
    // Writes without `excluded`, then reads and resets; true when written.
    bool WriteAndReread(const std::set<int>& excluded);
    // Writes the row as destroyed; a refused delete puts the RowStatus
    // combo back, so that the next Edit does not delete.
    void DeleteRow(const std::set<int>& excluded);

private:
    const std::vector<const char*> FResetEdits;
    const std::vector<const char*> FLockedWithKey;
};
