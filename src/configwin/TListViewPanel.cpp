#include "TListViewPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "CvSNMPRequest2Edits.h"
#include "ListView.h"
#include "StaticText.h"
#include "TCtrlBtnPanel.h"

TListViewPanel::TListViewPanel(QWidget* owner, CvSNMPRequest2Edits* binding)
    : QFrame(owner), ListView(new ::ListView(this)) {
    setObjectName("ListPanel");
    ListView->setObjectName("ListView");
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(ListView);
    ListView->SetBatchedLines(true);  // long tables arrive a row at a time
    binding->AttachListView(ListView, false);

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
