#include "TSNMPListViewPanel.h"

#include <QDialog>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvExcludedItems.h"
#include "CvMessageBox.h"
#include "CvModal.h"
#include "CvSNMPRequest2Edits.h"
#include "ListView.h"
#include "StaticText.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"

namespace {

ComboBox* StatusList(const TEditsPanel& editor, std::int32_t column) {
    if (column < 0 || column >= editor.RowCount()) {
        return nullptr;
    }
    return dynamic_cast<ComboBox*>(editor.Rows[static_cast<std::size_t>(column)].ValueControl);
}

// A status item taken out of a drop-down list for the edit dialog.
struct RemovedItem {
    ComboBox* List;
    int Index;
    QString Text;
};

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, CvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(owner, binding), ListPanel(new TListViewPanel(ClientArea, binding)) {
    ::ListView* list = ListPanel->ListView;
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->isSelected() && !Buttons->EditButton->isHidden() &&
            Buttons->EditButton->isEnabled()) {
            EditRow();
        }
    });
    QAbstractItemModel* lines = list->model();
    connect(lines, &QAbstractItemModel::rowsInserted, this, [this] { CountLines(); });
    connect(lines, &QAbstractItemModel::rowsRemoved, this, [this] { CountLines(); });
    connect(lines, &QAbstractItemModel::modelReset, this, [this] { CountLines(); });
    list->viewport()->installEventFilter(this);

    connect(Buttons->EditButton, &QPushButton::clicked, this, [this] { EditRow(); });
    connect(Buttons->AddButton, &QPushButton::clicked, this, [this] { AddRow(); });
    connect(Buttons->DeleteButton, &QPushButton::clicked, this, [this] { DeleteRow(); });

    ListPanel->ArrangeCtrlBtn(Buttons);
    if (Editor->AllReadOnly()) {
        Buttons->EditButton->hide();
        Buttons->ArrangeButtons();
    }
    ShowClient(ListPanel);
    BeforeAdd = [this] { Editor->ClearValues(); };
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
    // The list empties itself while the children are freed: no page left to tell.
    ::ListView* list = ListPanel->ListView;
    list->model()->disconnect(this);
    list->disconnect(this);
    list->viewport()->removeEventFilter(this);
}

void TSNMPListViewPanel::SetAddStatus(std::int32_t column, const std::string& status) {
    const ComboBox* list = StatusList(*Editor, column);
    if (list == nullptr || list->findText(QString::fromStdString(status), Qt::MatchExactly) < 0) {
        throw std::logic_error("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + status);
    }
    ListPanel->AddColumn = column;
    ListPanel->AddStatus = status;
    Buttons->AddButton->show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(std::int32_t column, const std::string& status) {
    const ComboBox* list = StatusList(*Editor, column);
    if (list == nullptr || list->findText(QString::fromStdString(status), Qt::MatchExactly) < 0) {
        throw std::logic_error("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" +
                               status);
    }
    ListPanel->DeleteColumn = column;
    ListPanel->DeleteStatus = status;
    Buttons->DeleteButton->show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::RefreshClick() {
    RefreshTable();
}

void TSNMPListViewPanel::RefreshTable() {
    if (Binding->Busy) {
        return;  // the running read fills the list
    }
    SetLineButtons(false);
    Guarded([this] { Binding->Get(); });
    CountLines();
}

bool TSNMPListViewPanel::StopRunningRead() {
    if (Binding->StopRunningRead()) {
        return true;
    }
    CvMessageBox::Plain(window(), "Refresh not complete");
    return false;
}

void TSNMPListViewPanel::AddRow() {
    if (!StopRunningRead()) {
        return;
    }
    Guarded([this] {
        if (BeforeAdd) {
            BeforeAdd();
        }
        RunAddDialog();
        if (AfterAdd) {
            AfterAdd();
        }
    });
}

void TSNMPListViewPanel::EditRow() {
    if (!StopRunningRead()) {
        return;
    }
    Guarded([this] {
        if (BeforeEdit) {
            BeforeEdit();
        }
        RunEditDialog();
        if (AfterEdit) {
            AfterEdit();
        }
    });
}

TSNMPPanel* TSNMPListViewPanel::BuildDialogPanel(QDialog& dialog) {
    dialog.resize(0, 0);  // the page decides the size
    Binding->SetConstraintOwner(&dialog);
    auto* panel = new TSNMPPanel(&dialog, nullptr, Binding);
    TCtrlBtnPanel* buttons = panel->Buttons;
    buttons->SetButton->setEnabled(false);
    connect(buttons->SetButton, &QPushButton::clicked, panel,
            [this, &dialog] { SetClick(&dialog); });
    connect(buttons->CheckAllButton, &QPushButton::clicked, panel,
            [this, buttons] { CheckAll(buttons); });
    connect(buttons->ClearChecksButton, &QPushButton::clicked, panel,
            [this, buttons] { ClearChecks(buttons); });
    return panel;
}

// Puts the borrowed editor in the dialog's client area and sizes the dialog.
namespace {

void LendEditor(TEditsPanel* editor, TSNMPPanel* panel, QDialog& dialog) {
    editor->ArrangeCtrlBtn(panel->Buttons);
    panel->Buttons->RefreshButton->hide();
    panel->Buttons->ArrangeButtons();
    editor->Layout(TEditsPanel::kVertical, true);
    panel->ShowClient(editor);
    panel->FitForm(&dialog);
}

}  // namespace

void TSNMPListViewPanel::EndDialog(TSNMPPanel* dialogPanel) {
    ParkClient(Editor);
    Binding->SetConstraintOwner(window());
    Binding->SetStatusTarget(Messages()->MessageMemo);
    const QString said =
        dialogPanel != nullptr ? dialogPanel->Messages()->MessageMemo->toPlainText() : QString();
    if (!said.isEmpty()) {
        Messages()->MessageMemo->appendPlainText(said);
    }
}

void TSNMPListViewPanel::RunAddDialog() {
    {
        QDialog dialog(window());
        dialog.setWindowTitle(OwnerCaption() + " (Add)");
        // The editor goes back to the page before the dialog is freed, whatever happens.
        struct GiveBack {
            TSNMPListViewPanel& Page;
            TSNMPPanel* Panel = nullptr;
            ~GiveBack() { Page.EndDialog(Panel); }
        } giveBack{*this};
        giveBack.Panel = BuildDialogPanel(dialog);
        ShowAddDialog(dialog, giveBack.Panel);
    }
    RefreshTable();
}

void TSNMPListViewPanel::ShowAddDialog(QDialog& dialog, TSNMPPanel* panel) {
    // Index values are always written.
    for (std::int32_t k = 0; k < Binding->Request->Vars.PKeyCount && k < Editor->RowCount(); ++k) {
        Editor->EnableRow(k);
        const TEditRow& row = Editor->Rows[static_cast<std::size_t>(k)];
        row.SelectBox->setChecked(true);
        row.SelectBox->show();
        row.SelectBox->setEnabled(false);
        row.ValueControl->setEnabled(true);
    }
    if (ComboBox* status = StatusList(*Editor, ListPanel->AddColumn)) {
        const TEditRow& row = Editor->Rows[static_cast<std::size_t>(ListPanel->AddColumn)];
        status->setEnabled(false);
        row.SelectBox->setChecked(true);
        row.SelectBox->setEnabled(false);
        status->setCurrentIndex(
            status->findText(QString::fromStdString(ListPanel->AddStatus), Qt::MatchExactly));
    }
    LendEditor(Editor, panel, dialog);
    ListPanel->ListView->clearSelection();
    SetLineButtons(false);
    CvModal::Exec(dialog);
}

void TSNMPListViewPanel::RunEditDialog() {
    {
        QDialog dialog(window());
        dialog.setWindowTitle(HostForm ? HostForm->windowTitle() : window()->windowTitle());
        ShowEditDialog(dialog, BuildDialogPanel(dialog));
    }
    RefreshTable();
}

void TSNMPListViewPanel::ShowEditDialog(QDialog& dialog, TSNMPPanel* panel) {
    struct GiveBack {
        TSNMPListViewPanel& Page;
        TSNMPPanel* Panel;
        std::vector<RemovedItem> Removed;
        std::vector<std::int32_t> Hidden;
        ~GiveBack() {
            // Back in the places they had, last removed first.
            for (auto it = Removed.rbegin(); it != Removed.rend(); ++it) {
                it->List->insertItem(it->Index, it->Text);
            }
            for (const std::int32_t row : Hidden) {
                Page.Editor->ShowRow(row);
            }
            Page.EndDialog(Panel);
        }
    } giveBack{*this, panel, {}, {}};
    Editor->ApplyAccess(false);
    LendEditor(Editor, panel, dialog);

    // An existing row is neither created nor destroyed from here.
    const auto remove = [&](std::int32_t column, const std::string& status) {
        ComboBox* list = StatusList(*Editor, column);
        const int index =
            list != nullptr ? list->findText(QString::fromStdString(status), Qt::MatchExactly) : -1;
        if (status.empty() || index < 0) {
            return;
        }
        giveBack.Removed.push_back({list, index, list->itemText(index)});
        list->removeItem(index);
    };
    remove(ListPanel->AddColumn, ListPanel->AddStatus);
    remove(ListPanel->DeleteColumn, ListPanel->DeleteStatus);
    for (const std::int32_t column : {ListPanel->AddColumn, ListPanel->DeleteColumn}) {
        const ComboBox* list = StatusList(*Editor, column);
        if (list != nullptr && list->count() == 0 &&
            std::find(giveBack.Hidden.begin(), giveBack.Hidden.end(), column) ==
                giveBack.Hidden.end()) {
            Editor->HideRow(column);
            giveBack.Hidden.push_back(column);
        }
    }
    CvModal::Exec(dialog);
}

void TSNMPListViewPanel::DeleteRow() {
    if (ListPanel->DeleteColumn < 0 ||
        !CvMessageBox::Confirm(window(), "Are you sure to delete it?")) {
        return;
    }
    if (!StopRunningRead()) {
        return;
    }
    CvSNMPVarList& vars = Binding->Request->Vars;
    const CvBlockingMode blocking(*Binding);
    {
        // Only the index columns and the status column are sent.
        CvExcludedItems excluded(vars);
        for (std::int32_t i = vars.PKeyCount; i < vars.GetCount(); ++i) {
            if (i != ListPanel->DeleteColumn) {
                excluded.Exclude(i);
            }
        }
        Guarded([&] {
            Binding->GatherValues();
            vars.Item(ListPanel->DeleteColumn).Value = ListPanel->DeleteStatus;
            Binding->Set(false, false);
        });
    }
    RefreshTable();
}

QString TSNMPListViewPanel::LineHint(int line) const {
    const ::ListView* list = ListPanel->ListView;
    qsizetype longest = 0;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        longest = std::max(longest, list->ColumnCaption(c).size());
    }
    QString hint;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        const QString caption = list->ColumnCaption(c);
        const QString value = c == 0 ? list->Caption(line) : list->SubItem(line, c - 1);
        hint += caption + QString(longest - caption.size(), '\t') + "  " + value + "\n";
    }
    return hint;
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event) {
    ::ListView* list = ListPanel->ListView;
    if (watched == list->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            LineClicked();
        } else if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QTreeWidgetItem* item = list->itemAt(help->pos());
            if (item != nullptr) {
                QToolTip::showText(help->globalPos(), LineHint(list->indexOfTopLevelItem(item)),
                                   list->viewport());
            } else {
                QToolTip::hideText();
            }
            return true;
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::SelectionChanged() {
    SetLineButtons(ListPanel->ListView->SelectedLine() >= 0);
}

void TSNMPListViewPanel::LineClicked() {
    if (ListPanel->ListView->SelectedLine() < 0) {
        SetLineButtons(false);
        Editor->ClearValues();
    }
}

void TSNMPListViewPanel::CountLines() {
    Buttons->CountText->setText(QString::number(ListPanel->ListView->LineCount()));
}

void TSNMPListViewPanel::SetLineButtons(bool enabled) {
    Buttons->EditButton->setEnabled(enabled);
    Buttons->DeleteButton->setEnabled(enabled);
}

QString TSNMPListViewPanel::OwnerCaption() const {
    QWidget* parent = parentWidget();
    if (parent != nullptr && parent->isWindow()) {
        return parent->windowTitle();
    }
    // A tab sheet: its stack's owner is the tab control.
    if (parent != nullptr && qobject_cast<QStackedWidget*>(parent->parentWidget()) != nullptr) {
        if (auto* tabs = qobject_cast<QTabWidget*>(parent->parentWidget()->parentWidget())) {
            const int index = tabs->indexOf(parent);
            if (index >= 0) {
                return tabs->tabText(index);
            }
        }
    }
    return HostForm ? HostForm->windowTitle() : QString();
}
