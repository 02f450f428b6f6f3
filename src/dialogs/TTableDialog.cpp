#include "TTableDialog.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <exception>
#include <utility>

#include "CheckBox.h"
#include "ColumnChoice.h"
#include "ComboBox.h"
#include "CvException.h"
#include "CvExcludedItems.h"
#include "CvMessageBox.h"
#include "CvOptionControls.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "RadioGroup.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

TTableDialog::TTableDialog(const TDialogContext& context, const TTableDialogDecl& decl)
    : QDialog(context.MainWindow), Decl(decl), Context(context) {
    setObjectName(decl.Name);
    setWindowTitle(decl.CaptionWithDevice ? decl.Caption + context.DeviceAddress
                                          : QString(decl.Caption));
    resize(decl.Width, decl.Height);
    BuildWindow();
    CreateRequests();
}

TTableDialog::~TTableDialog() {
    // A close still waiting for an exchange ends here: the dialog is going.
    FDestroying = true;
    // The lists empty themselves while the children are freed: no dialog left to tell.
    for (ListView* list : FLists) {
        if (list != nullptr) {
            list->model()->disconnect(this);
            list->disconnect(this);
            list->viewport()->removeEventFilter(this);
        }
    }
    FreeRequests();
}

void TTableDialog::FreeRequests() {
    // Taken out of the dialog first: while one of them waits for its
    // exchanges to end, events run and the dialog sees none of them.
    std::vector<std::unique_ptr<CvSNMPRequest2Edits>> ending = std::move(Requests);
    Requests.clear();
    for (const auto& request : ending) {
        request->Request->Alive = false;
    }
    ending.clear();
}

void TTableDialog::CreateRequests() {
    for (std::size_t k = 0; k < Decl.Requests.size(); ++k) {
        const TRequestDecl& decl = Decl.Requests[k];
        auto request = std::make_unique<CvSNMPRequest2Edits>(this);
        request->Mode = decl.Mode;
        if (decl.Timeout > 0) {
            request->Request->Timeout = decl.Timeout;
        }
        if (Status != nullptr) {
            request->SetStatusTarget(Status, 0);
        } else {
            request->SetStatusTarget(Memo);
        }
        Requests.push_back(std::move(request));
        BindRequest(k);
    }
}

void TTableDialog::BindRequest(std::size_t k) {
    const TRequestDecl& decl = Decl.Requests[k];
    CvSNMPRequest2Edits& request = *Requests[k];
    const auto index = static_cast<std::int32_t>(k);
    Guarded(request, [&] {
        request.Request->Vars.Assign(CvSNMPVarList(decl.Vars, decl.ItemType, decl.KeyCount));
        if (ListView* list = ListOf(k)) {
            request.AttachListView(list, true);
            if (k == 0) {
                // A row the grids cannot show is reported, and not written back half shown.
                ListView::SelectHandler show = list->OnSelectItem;
                list->OnSelectItem = [this, &request, show](ListView& sender, int line,
                                                            bool selected) {
                    FRowShown = Guarded(request, [&] { show(sender, line, selected); });
                };
            }
        }
        for (const TDialogField& field : Decl.Fields) {
            if (field.Request == index && field.Item >= 0) {
                BindField(request, field);
            }
        }
        for (std::size_t g = 0; g < Decl.Grids.size(); ++g) {
            const TGridPage& page = Decl.Grids[g];
            if (page.Request == index && page.Item >= 0) {
                request.BindBits(page.Item, PortBitPositions(page.Units),
                                 Grids[g]->CheckBoxWidgets());
            }
        }
        for (const TBitsPage& page : Decl.Bits) {
            if (page.Request != index || page.Item < 0) {
                continue;
            }
            std::vector<QWidget*> boxes;
            for (int b = 0; b < 8; ++b) {
                boxes.push_back(Field(qPrintable(QString("CheckBox%1").arg(page.FirstBox + b))));
            }
            request.BindBits(page.Item, "0,1,2,3,4,5,6,7", boxes);
        }
    });
}

void TTableDialog::BindField(CvSNMPRequest2Edits& request, const TDialogField& field) {
    QWidget* control = Field(field.Name);
    switch (field.Kind) {
        case TFieldKind::Edit:
            request.BindFormatted(field.Item, field.Format, {static_cast<Edit*>(control)});
            return;
        case TFieldKind::Combo: {
            auto* combo = static_cast<ComboBox*>(control);
            if (const CvOptionList* options = request.Request->Vars.Item(field.Item).Options) {
                FillItems(*options, *combo);
            }
            combo->setCurrentIndex(-1);  // empty until a row or Add chooses
            request.BindList(field.Item, combo);
            return;
        }
        case TFieldKind::Radio: {
            auto* group = static_cast<RadioGroup*>(control);
            if (const CvOptionList* options = request.Request->Vars.Item(field.Item).Options) {
                FillItems(*options, *group);
            }
            request.BindList(field.Item, group);
            return;
        }
        case TFieldKind::Static:
        case TFieldKind::Check:
            request.BindControl(field.Item, control);
            return;
        case TFieldKind::Option:
            return;  // chosen by the dialog
    }
}

void TTableDialog::FormCreate() {
    std::vector<int> order = Decl.ReadOrder;
    if (order.empty()) {
        for (std::size_t k = 0; k < Requests.size(); ++k) {
            order.push_back(static_cast<int>(k));
        }
    }
    for (const int k : order) {
        CvSNMPRequest2Edits& request = *Requests[static_cast<std::size_t>(k)];
        Guarded(request, [&] { request.Get(); });
    }
    CountRows();
    SetRowButtons(false);
}

CvSNMPRequest2Edits* TTableDialog::Request(std::size_t k) const {
    return k < Requests.size() ? Requests[k].get() : nullptr;
}

ListView* TTableDialog::ListOf(std::size_t k) const {
    return k < FLists.size() ? FLists[k] : nullptr;
}

QWidget* TTableDialog::Field(const char* name) const {
    return findChild<QWidget*>(name);
}

QString TTableDialog::TextOf(const char* name) const {
    return ShownText(*Field(name));
}

ComboBox* TTableDialog::Combo(const char* name) const {
    return static_cast<ComboBox*>(Field(name));
}

QPushButton* TTableDialog::ButtonNamed(const char* name) const {
    // Only the button column: a window a dialog keeps may have buttons of the same name.
    return FButtonPanel->findChild<QPushButton*>(name);
}

QPushButton* TTableDialog::Button(TDialogAction action) const {
    for (const TDialogButton& entry : Decl.Buttons) {
        if (entry.Action == action) {
            return ButtonNamed(entry.Name);
        }
    }
    return nullptr;
}

bool TTableDialog::Busy() const {
    for (const auto& request : Requests) {
        if (request->Busy) {
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
        CvSNMPRequest2Edits* other = Request(k);
        Guarded(*other, [&] { other->Get(); });
    }
    if (CvSNMPRequest2Edits* main = Request(0)) {
        Guarded(*main, [&] {
            main->Get();
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
        RefuseBusy();
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

void TTableDialog::WriteExcluding(std::size_t k, std::initializer_list<std::int32_t> excluded,
                                  bool reread) {
    WriteExcluding(k, std::set<int>(excluded.begin(), excluded.end()), reread);
}

bool TTableDialog::WriteExcluding(std::size_t k, const std::set<int>& excluded, bool reread) {
    CvSNMPRequest2Edits& request = *Requests[k];
    CvSNMPVarList& vars = request.Request->Vars;
    bool anyLeft = false;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        // Index columns name the row and are never written themselves.
        const std::uint32_t access = vars.Item(i).Access;
        anyLeft = anyLeft || ((access & CvAccess::writeonly) != 0 &&
                              (access & CvAccess::invalid) == 0 && excluded.count(i) == 0);
    }
    if (!anyLeft) {
        return false;
    }
    CvExcludedItems scope(vars);
    for (const std::int32_t item : excluded) {
        scope.Exclude(item);
    }
    request.Set(reread, true);
    return true;
}

void TTableDialog::WriteAndReselect() {
    CvSNMPRequest2Edits& table = *Request(0);
    const int line = List->SelectedLine();
    FReselect = line >= 0 ? List->Caption(line) : QString();
    if (!Guarded(table, [&] { table.Set(true, true); })) {
        FReselect.clear();
    }
}

void TTableDialog::Reselect() {
    const QString caption = std::exchange(FReselect, QString());
    for (int line = 0; !caption.isEmpty() && line < List->LineCount(); ++line) {
        if (List->Caption(line) == caption) {
            List->SelectLine(line);
            ListClick();
            return;
        }
    }
}

CheckBox* TTableDialog::SendBoxOf(const TDialogField& field) const {
    return field.SendBox != nullptr ? dynamic_cast<CheckBox*>(Field(field.SendBox)) : nullptr;
}

std::set<int> TTableDialog::UnsentItems(std::size_t k) const {
    std::set<int> unsent;
    for (const TDialogField& field : Decl.Fields) {
        const CheckBox* box = SendBoxOf(field);
        if (box != nullptr && field.Request == static_cast<std::int32_t>(k) && field.Item >= 0 &&
            !box->isChecked()) {
            unsent.insert(field.Item);
        }
    }
    return unsent;
}

QWidget* TTableDialog::FirstEmptySentField(std::size_t k) const {
    // In the order of the request's items, wherever the window shows them.
    QWidget* first = nullptr;
    std::int32_t firstItem = 0;
    for (const TDialogField& field : Decl.Fields) {
        const CheckBox* box = SendBoxOf(field);
        if (box == nullptr || field.Request != static_cast<std::int32_t>(k) || !box->isChecked()) {
            continue;
        }
        QWidget* control = Field(field.Name);
        const auto* combo = dynamic_cast<ComboBox*>(control);
        const QString shown =
            combo != nullptr ? combo->currentText() : control->property("text").toString();
        if (shown.isEmpty() && (first == nullptr || field.Item < firstItem)) {
            first = control;
            firstItem = field.Item;
        }
    }
    return first;
}

void TTableDialog::TickSendBoxes(bool ticked) {
    for (const TDialogField& field : Decl.Fields) {
        CheckBox* box = SendBoxOf(field);
        // A box that is off stays unticked: its field cannot be written now.
        if (box != nullptr && (!ticked || box->isEnabled())) {
            box->setChecked(ticked);
        }
    }
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
    if (List == nullptr) {
        return;  // no rows to choose: the buttons stay as they are
    }
    const auto enable = [this](TDialogAction action, bool enabled) {
        if (QPushButton* button = Button(action)) {
            button->setEnabled(enabled);
        }
    };
    enable(TDialogAction::Set, rowSelected && FRowShown);
    enable(TDialogAction::Delete, rowSelected);
    enable(TDialogAction::Add, !rowSelected);
    LockKey(rowSelected);
}

void TTableDialog::LockKey(bool locked) {
    if (Decl.KeyField == nullptr) {
        return;
    }
    auto* key = dynamic_cast<Edit*>(Field(Decl.KeyField));
    if (key == nullptr) {
        return;
    }
    key->setEnabled(!locked);
    QPalette colours = key->palette();
    colours.setColor(QPalette::Base, locked ? palette().color(QPalette::Button) : Qt::white);
    key->setPalette(colours);
    if (!locked) {
        key->clear();
    }
}

void TTableDialog::ClearEdits() {
    for (TStackingPortUitForm* grid : Grids) {
        grid->UncheckAll();
    }
    for (const TDialogField& field : Decl.Fields) {
        if (field.Request != 0 || field.Item < 0) {
            continue;
        }
        QWidget* control = Field(field.Name);
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            combo->setCurrentIndex(-1);
        } else if (auto* edit = dynamic_cast<Edit*>(control)) {
            edit->clear();
        } else if (auto* text = dynamic_cast<QLabel*>(control)) {
            text->clear();
        } else if (auto* box = dynamic_cast<CheckBox*>(control)) {
            box->setChecked(false);
        } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
            group->SetItemIndex(-1);
        }
    }
    for (const TBitsPage& page : Decl.Bits) {
        for (int b = 0; b < 8; ++b) {
            if (auto* box = dynamic_cast<CheckBox*>(
                    Field(qPrintable(QString("CheckBox%1").arg(page.FirstBox + b))))) {
                box->setChecked(false);
            }
        }
    }
}

void TTableDialog::CountRows() {
    if (RowCountText != nullptr && List != nullptr) {
        RowCountText->setText(QString::number(List->LineCount()));
    }
}

void TTableDialog::Output(const QString& text) {
    if (Status != nullptr) {
        Status->Panel(0)->setText(text);
    } else if (Memo != nullptr) {
        Memo->appendPlainText(text);
    }
}

void TTableDialog::Refuse(QWidget* focus, const QString& text) {
    CvMessageBox::Information(this, text);
    if (focus != nullptr && focus->isEnabled() && focus->isVisible()) {
        focus->setFocus();
    }
}

void TTableDialog::RefuseBusy() {
    CvMessageBox::Plain(this, "Refresh not complete");
}

bool TTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (List != nullptr && watched == List->viewport() &&
        event->type() == QEvent::MouseButtonRelease) {
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
        request->Request->Alive = false;
        running = running || request->Busy;
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
