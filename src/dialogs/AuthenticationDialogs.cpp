#include "AuthenticationDialogs.h"

#include <QPushButton>

#include <utility>

#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"

std::vector<TDialogButton> AuthTableButtons() {
    return {{"GetButton", "Refresh", TDialogAction::Refresh},
            {"EditButton", "Edit", TDialogAction::Set},
            {"AddButton", "Add", TDialogAction::Add},
            {"DeleteButton", "Delete", TDialogAction::Delete}};
}

TAuthTableForm::TAuthTableForm(const TDialogContext& context, const TTableDialogDecl& window,
                               std::vector<const char*> resetEdits,
                               std::vector<const char*> lockedWithKey)
    : TTableDialog(context, window),
      FResetEdits(std::move(resetEdits)),
      FLockedWithKey(std::move(lockedWithKey)) {}

void TAuthTableForm::FormCreate() {
    StatusCombo()->setCurrentIndex(kCreateAndGoEntry);
    Attempt([&] { Request(0)->Get(); });
    Reset();
}

void TAuthTableForm::RefreshBtnClick() {
    Attempt([&] { Request(0)->Get(); });
    Reset();
}

bool TAuthTableForm::RowSelected() const {
    return List->SelectedLine() >= 0;
}

void TAuthTableForm::ListClick() {
    if (RowSelected()) {
        RowChosen();
    } else {
        Reset();
    }
}

void TAuthTableForm::Reset() {
    SetRowButtons(false);  // also frees and empties the key
    for (const char* name : FLockedWithKey) {
        Field(name)->setEnabled(true);
    }
    for (const char* name : FResetEdits) {
        static_cast<Edit*>(Field(name))->clear();
    }
    CountRows();
}

void TAuthTableForm::RowChosen() {
    SetRowButtons(true);
    for (const char* name : FLockedWithKey) {
        Field(name)->setEnabled(false);
    }
}

bool TAuthTableForm::Listed(const std::vector<QString>& texts) const {
    for (int line = 0; line < List->LineCount(); ++line) {
        const QStringList row = List->LineTexts(line);
        bool same = row.size() >= static_cast<qsizetype>(texts.size());
        for (std::size_t k = 0; same && k < texts.size(); ++k) {
            same = row[static_cast<qsizetype>(k)] == texts[k];
        }
        if (same) {
            return true;
        }
    }
    return false;
}

bool TAuthTableForm::CreatesRow() {
    if (StatusCombo()->currentIndex() == kCreateAndGoEntry) {
        return true;
    }
    Refuse(StatusCombo(), "Row State must be createAndGo.");
    return false;
}

bool TAuthTableForm::WriteAndReread(const std::set<int>& excluded) {
    if (!Attempt([&] { WriteExcluding(0, excluded, false); })) {
        return false;  // the switch's answer is shown; what was typed stays
    }
    Attempt([&] { Request(0)->Get(); });
    Reset();
    return true;
}

void TAuthTableForm::DeleteRow(const std::set<int>& excluded) {
    ComboBox* status = StatusCombo();
    const int shown = status->currentIndex();
    status->setCurrentIndex(kDestroyEntry);
    if (!WriteAndReread(excluded)) {
        status->setCurrentIndex(shown);
    }
}
