#include "TCtrlBtnPanel.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <utility>

#include "StaticText.h"

namespace {

QPushButton* NewButton(const char* caption, const char* picture, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setProperty("picture", QString::fromLatin1(picture));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : QFrame(owner), FOwner(owner) {
    setObjectName("Buttons");
    CountText = new StaticText(this);
    CountText->setObjectName("CountText");
    CountText->setText("0");
    CountText->setAlignment(Qt::AlignCenter);
    CountLabel = new QLabel("Samples", this);
    CountLabel->setObjectName("CountLabel");
    CountLabel->setAlignment(Qt::AlignCenter);

    const std::pair<QPushButton**, const char*> names[] = {
        {&RefreshButton, "RefreshButton"},
        {&EditButton, "EditButton"},
        {&SetButton, "SetButton"},
        {&AddButton, "AddButton"},
        {&DeleteButton, "DeleteButton"},
        {&CheckAllButton, "CheckAllButton"},
        {&ClearChecksButton, "ClearChecksButton"},
        {&CloseButton, "CloseButton"}};
    RefreshButton = NewButton("Refresh", "Get.bmp", this);
    EditButton = NewButton("Edit", "Set.bmp", this);
    SetButton = NewButton("Set Checked", "SetCheck.bmp", this);
    AddButton = NewButton("Add", "Add.bmp", this);
    DeleteButton = NewButton("Delete", "Delete.bmp", this);
    CheckAllButton = NewButton("Check All", "SelectAll.bmp", this);
    ClearChecksButton = NewButton("Clear Checks", "SelectNone.bmp", this);
    CloseButton = NewButton("Close", "Close.bmp", this);
    for (const auto& [button, name] : names) {
        (*button)->setObjectName(name);
    }
    ControlOrder = {CountText, CountLabel,   RefreshButton,  EditButton,        SetButton,
                    AddButton, DeleteButton, CheckAllButton, ClearChecksButton, CloseButton};

    LoadPictures();
    AddButton->hide();
    DeleteButton->hide();
    ArrangeButtons();
    resize(2 * LeftMargin + kButtonWidth, height());
    if (owner != nullptr) {
        owner->installEventFilter(this);
        AlignRight();
    }
}

// Pictures come from the current folder; a picture that cannot be read ends
// the search, and the buttons from there on keep their captions.
void TCtrlBtnPanel::LoadPictures() {
    const QDir folder = QDir::current();
    for (QWidget* control : ControlOrder) {
        auto* button = qobject_cast<QPushButton*>(control);
        if (button == nullptr) {
            continue;
        }
        const QString path = folder.filePath(button->property("picture").toString());
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QPixmap picture;
        if (!picture.load(path)) {
            return;
        }
        button->setText(QString());
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
    }
}

void TCtrlBtnPanel::ArrangeButtons() {
    int top = TopMargin;
    int bottom = TopMargin;
    for (QWidget* control : ControlOrder) {
        int height = kButtonHeight;
        if (control == CountText) {
            height = kCountHeight;
        } else if (control == CountLabel) {
            height = CountLabel->sizeHint().height();
        }
        control->setGeometry(LeftMargin, top, kButtonWidth, height);
        if (!control->isHidden()) {
            bottom = top + height;
            top = bottom + kSpacing;
        }
    }
    FContentHeight = bottom + TopMargin;
    setMinimumHeight(FContentHeight);
    updateGeometry();
}

QSize TCtrlBtnPanel::sizeHint() const {
    return {2 * LeftMargin + kButtonWidth, FContentHeight};
}

bool TCtrlBtnPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FOwner && event->type() == QEvent::Resize) {
        AlignRight();
    }
    return QFrame::eventFilter(watched, event);
}

void TCtrlBtnPanel::AlignRight() {
    // Once a host has moved the panel elsewhere, the host places it.
    if (parentWidget() != FOwner || FOwner == nullptr) {
        return;
    }
    setGeometry(FOwner->width() - width(), 0, width(), FOwner->height());
}
