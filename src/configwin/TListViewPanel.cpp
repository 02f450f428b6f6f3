#include "TListViewPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "CvSNMPRequest2Edits.h"
#include "ListView.h"
#include "StaticText.h"
#include "TCtrlBtnPanel.h"
#include "TabSeparated.h"

TListViewPanel::TListViewPanel(QWidget* owner, CvSNMPRequest2Edits* binding)
    : QFrame(owner), ListView(new ::ListView(this)), CopyAction(new QAction("Copy", this)) {
    setObjectName("ListPanel");
    ListView->setObjectName("ListView");
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(ListView);
    ListView->SetBatchedLines(true);  // long tables arrive a row at a time
    binding->AttachListView(ListView, false);

    CopyAction->setShortcut(QKeySequence::Copy);
    CopyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(CopyAction, &QAction::triggered, this, [this] { CopyToClipboard(); });
    ListView->addAction(CopyAction);
    ListView->setContextMenuPolicy(Qt::ActionsContextMenu);

    int characters = 0;
    for (int c = 0; c < ListView->ColumnCount(); ++c) {
        characters += static_cast<int>(ListView->ColumnCaption(c).size());
    }
    const int width = 2 * ListView->frameWidth() + kPixelsPerCaptionChar * characters;
    resize(std::min(width, kMaxWidth), kHeight);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    for (QWidget* member : std::initializer_list<QWidget*>{
             buttons->CountLabel, buttons->CountText, buttons->RefreshButton, buttons->EditButton,
             buttons->CloseButton}) {
        member->show();
    }
    buttons->EditButton->setEnabled(false);
    buttons->SetButton->hide();
    buttons->CheckAllButton->hide();
    buttons->ClearChecksButton->hide();
    buttons->DeleteButton->setEnabled(false);
    buttons->AddButton->setVisible(AddColumn != -1);
    buttons->DeleteButton->setVisible(DeleteColumn != -1);
    buttons->ArrangeButtons();
}

QString TListViewPanel::ClipboardText() const {
    std::vector<int> columns;
    for (int c = 0; c < ListView->ColumnCount(); ++c) {
        if (ListView->ColumnWidth(c) > 0) {
            columns.push_back(c);
        }
    }
    std::vector<int> lines;
    for (QTreeWidgetItem* item : ListView->selectedItems()) {
        lines.push_back(ListView->indexOfTopLevelItem(item));
    }
    std::sort(lines.begin(), lines.end());
    if (lines.empty()) {
        for (int line = 0; line < ListView->LineCount(); ++line) {
            lines.push_back(line);
        }
    }
    const auto cells = [&](auto&& cell) {
        QStringList texts;
        for (const int c : columns) {
            texts << cell(c);
        }
        return texts;
    };
    QList<QStringList> rows;
    for (const int line : lines) {
        const QStringList texts = ListView->LineTexts(line);
        rows << cells([&](int c) { return texts.value(c); });
    }
    return TabSeparatedLines(cells([&](int c) { return ListView->ColumnCaption(c); }), rows);
}

void TListViewPanel::CopyToClipboard() const {
    QApplication::clipboard()->setText(ClipboardText());
}
