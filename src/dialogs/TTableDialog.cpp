#include "TTableDialog.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <exception>

#include "ComboBox.h"
#include "CvException.h"
#include "CvMessageBox.h"
#include "CvOptionControls.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"

TTableDialog::TTableDialog(QWidget* owner, const TTableDialogDecl& decl)
    : QDialog(owner), Decl(decl) {
    setObjectName(decl.Name);
    setWindowTitle(decl.Caption);
    resize(decl.Width, decl.Height);
    BuildWindow();
    FormCreate();
}

TTableDialog::~TTableDialog() {
    // A close still waiting for an exchange ends here: the dialog is going.
    FDestroying = true;
    // The list empties itself while the children are freed: no dialog left to tell.
    List->model()->disconnect(this);
    List->disconnect(this);
    List->viewport()->removeEventFilter(this);
    FreeRequests();
}

void TTableDialog::FreeRequests() {
    // Taken out of the dialog first: while one of them waits for its
    // exchanges to end, events run and the dialog sees none of them.
    std::vector<std::unique_ptr<CvSNMPRequest2Edits>> ending = std::move(Requests);
    Requests.clear();
    for (const auto& request : ending) {
        if (request) {
            request->Request->Alive = false;
        }
    }
    ending.clear();
}

void TTableDialog::FormCreate() {
    // Slot 0 is the table's, present or not; the scalar lists follow.
    Requests.push_back(Decl.Table != nullptr ? std::make_unique<CvSNMPRequest2Edits>(this)
                                             : nullptr);
    for (std::size_t k = 0; k < Decl.Scalars.size(); ++k) {
        Requests.push_back(std::make_unique<CvSNMPRequest2Edits>(this));
    }
    for (const auto& request : Requests) {
        if (!request) {
            continue;
        }
        request->Mode = Decl.Mode;
        if (Status != nullptr) {
            request->SetStatusTarget(Status, 0);
        } else {
            request->SetStatusTarget(Memo);
        }
    }
    if (Decl.ScalarsFirst) {
        OpenScalars();
        OpenTable();
    } else {
        OpenTable();
        OpenScalars();
    }
    SetRowButtons(false);
}

void TTableDialog::OpenTable() {
    CvSNMPRequest2Edits* table = Request(0);
    if (table == nullptr) {
        return;
    }
    Guarded(*table, [&] {
        table->Request->Vars.Assign(CvSNMPVarList(Decl.Table, Decl.ItemType, Decl.KeyCount));
        table->AttachListView(List, true);
        // A row the grids cannot show is reported, and not written back half shown.
        ListView::SelectHandler show = List->OnSelectItem;
        List->OnSelectItem = [this, table, show](ListView& sender, int line, bool selected) {
            FRowShown = Guarded(*table, [&] { show(sender, line, selected); });
        };
        for (const TDialogField& field : Decl.Fields) {
            if (field.Request != 0) {
                continue;
            }
            QWidget* control = Field(field.Name);
            if (field.Kind == TFieldKind::Edit) {
                table->BindFormatted(field.Item, field.Format, {static_cast<Edit*>(control)});
            } else if (field.Kind == TFieldKind::Combo) {
                auto* combo = static_cast<ComboBox*>(control);
                if (const CvOptionList* options = table->Request->Vars.Item(field.Item).Options) {
                    FillItems(*options, *combo);
                }
                combo->setCurrentIndex(-1);  // empty until a row or Add chooses
                table->BindList(field.Item, combo);
            } else {
                table->BindControl(field.Item, control);
            }
        }
        const std::string positions = PortBitPositions(1);
        for (std::size_t k = 0; k < Decl.Grids.size(); ++k) {
            table->BindBits(Decl.Grids[k].Item, positions, Grids[k]->CheckBoxWidgets());
        }
        table->Get();
        CountRows();
    });
}

void TTableDialog::OpenScalars() {
    for (std::size_t k = 1; k < Requests.size(); ++k) {
        CvSNMPRequest2Edits* scalar = Request(k);
        Guarded(*scalar, [&] {
            scalar->Request->Vars.Assign(CvSNMPVarList(Decl.Scalars[k - 1].Vars, SVT_SV, 0));
            for (const TDialogField& field : Decl.Fields) {
                if (field.Request == static_cast<std::int32_t>(k)) {
                    scalar->BindControl(field.Item, Field(field.Name));
                }
            }
            scalar->Get();
        });
    }
}

CvSNMPRequest2Edits* TTableDialog::Request(std::size_t k) const {
    return k < Requests.size() ? Requests[k].get() : nullptr;
}

QWidget* TTableDialog::Field(const char* name) const {
    return findChild<QWidget*>(name);
}

QPushButton* TTableDialog::Button(TDialogAction action) const {
    for (const TDialogButton& entry : Decl.Buttons) {
        if (entry.Action == action) {
            return findChild<QPushButton*>(entry.Name);
        }
    }
    return nullptr;
}

bool TTableDialog::Busy() const {
    for (const auto& request : Requests) {
        if (request && request->Busy) {
            return true;
        }
    }
    return false;
}

void TTableDialog::RefreshBtnClick() {
    if (Busy()) {
        return;  // the running exchanges fill the dialog
    }
    for (std::size_t k = 1; k < Requests.size(); ++k) {
        CvSNMPRequest2Edits* scalar = Request(k);
        Guarded(*scalar, [&] { scalar->Get(); });
    }
    if (CvSNMPRequest2Edits* table = Request(0)) {
        Guarded(*table, [&] {
            table->Get();
            CountRows();
            ClearEdits();
        });
    }
    CountRows();
    SetRowButtons(false);
}

void TTableDialog::SetBtnClick() {
    WriteRow(-1);
    SetRowButtons(false);
}

void TTableDialog::AddBtnClick() {
    WriteRow(Decl.CreateEntry);
}

void TTableDialog::DeleteBtnClick() {
    WriteRow(Decl.DestroyEntry);
    SetRowButtons(false);
}

void TTableDialog::WriteRow(int statusEntry) {
    CvSNMPRequest2Edits* table = Request(0);
    if (table == nullptr) {
        return;
    }
    if (!table->StopRunningRead()) {
        CvMessageBox::Plain(this, "Refresh not complete");
        return;
    }
    Guarded(*table, [&] {
        if (statusEntry >= 0) {
            if (auto* status = StatusCombo()) {
                status->setCurrentIndex(statusEntry);
            }
        }
        table->Set(true, true);
        CountRows();
        ClearEdits();
    });
}

ComboBox* TTableDialog::StatusCombo() const {
    for (const TDialogField& field : Decl.Fields) {
        if (field.Request == 0 && field.Item == Decl.StatusItem) {
            return dynamic_cast<ComboBox*>(Field(field.Name));
        }
    }
    return nullptr;
}

void TTableDialog::ListClick() {
    if (List->SelectedLine() >= 0) {
        SetRowButtons(true);
    } else {
        ClearEdits();
        SetRowButtons(false);
    }
}

void TTableDialog::SetRowButtons(bool rowSelected) {
    const auto enable = [this](TDialogAction action, bool enabled) {
        if (QPushButton* button = Button(action)) {
            button->setEnabled(enabled);
        }
    };
    enable(TDialogAction::Set, rowSelected && FRowShown);
    enable(TDialogAction::Delete, rowSelected);
    enable(TDialogAction::Add, !rowSelected);
}

void TTableDialog::ClearEdits() {
    for (TStackingPortUitForm* grid : Grids) {
        grid->UncheckAll();
    }
    for (const TDialogField& field : Decl.Fields) {
        if (field.Request != 0) {
            continue;
        }
        QWidget* control = Field(field.Name);
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            combo->setCurrentIndex(-1);
        } else if (auto* edit = dynamic_cast<Edit*>(control)) {
            edit->clear();
        } else if (auto* text = dynamic_cast<QLabel*>(control)) {
            text->clear();
        }
    }
}

void TTableDialog::CountRows() {
    RowCountText->setText(QString::number(List->LineCount()));
}

bool TTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List->viewport() && event->type() == QEvent::MouseButtonRelease) {
        ListClick();
    }
    return QDialog::eventFilter(watched, event);
}

bool TTableDialog::FormClose() {
    if (!FClosing) {
        FClosing = true;
        setEnabled(false);  // nothing new starts while the exchanges end
    }
    bool running = false;
    for (const auto& request : Requests) {
        if (request) {
            request->Request->Alive = false;
            running = running || request->Busy;
        }
    }
    if (running) {
        return false;
    }
    FreeRequests();
    for (TStackingPortUitForm* grid : Grids) {
        grid->ClearLists();
        delete grid;
    }
    Grids.clear();
    return true;
}

void TTableDialog::done(int result) {
    if (FDestroying) {
        return;
    }
    // The running walk may be the one that delivered this close (it lets
    // events run after every row): the dialog waits for it in its own event
    // loop, not in a nested one the walk could never leave.
    if (!FormClose()) {
        QTimer::singleShot(kCloseRetryMs, this, [this, result] { done(result); });
        return;
    }
    QDialog::done(result);
}
