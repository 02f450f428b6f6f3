#include "TSNMPPanel.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>

#include <algorithm>

#include "CvMessageBox.h"
#include "CvSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TMsgPanel.h"

namespace {

// A splitter gives the room that changes to the members with a stretch; the
// message area and the button column keep their sizes.
constexpr int kClientStretch = 1;
constexpr int kFixedStretch = 0;

void SetStretch(QWidget* control, int horizontal, int vertical) {
    QSizePolicy policy = control->sizePolicy();
    policy.setHorizontalStretch(horizontal);
    policy.setVerticalStretch(vertical);
    control->setSizePolicy(policy);
}

}  // namespace

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, CvSNMPRequest2Edits* binding)
    : QFrame(owner), Binding(binding), MessagePanel(nullptr), FMessages(sharedMessages) {
    setObjectName("SNMPPanel");
    Buttons = new TCtrlBtnPanel(this);
    connect(Buttons->RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(Buttons->CloseButton, &QPushButton::clicked, this, [this] { CloseClick(); });

    SideSplitter = new QSplitter(Qt::Horizontal, this);
    SideSplitter->setObjectName("SideSplitter");
    SideSplitter->setChildrenCollapsible(false);
    ClientArea = new QWidget;
    ClientArea->setObjectName("ClientArea");
    SideSplitter->addWidget(ClientArea);
    SideSplitter->addWidget(Buttons);
    SetStretch(ClientArea, kClientStretch, kClientStretch);
    SetStretch(Buttons, kFixedStretch, kClientStretch);

    BottomSplitter = new QSplitter(Qt::Vertical, ClientArea);
    BottomSplitter->setObjectName("BottomSplitter");
    BottomSplitter->setChildrenCollapsible(false);
    auto* clientFill = new QHBoxLayout(ClientArea);
    clientFill->setContentsMargins(0, 0, 0, 0);
    clientFill->addWidget(BottomSplitter);
    if (FMessages == nullptr) {
        MessagePanel = new TMsgPanel(BottomSplitter);
        BottomSplitter->addWidget(MessagePanel);
        SetStretch(MessagePanel, kClientStretch, kFixedStretch);
        FMessages = MessagePanel;
    }
    if (Binding != nullptr) {
        Binding->SetStatusTarget(FMessages->MessageMemo);
    }

    auto* fill = new QHBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(SideSplitter);
    resize(0, 0);
}

void TSNMPPanel::ShowClient(QWidget* control) {
    if (Client && Client != control) {
        Client->hide();
    }
    const QSize clientSize = control->size();
    const int messageHeight = MessagePanel != nullptr ? MessagePanel->height() : 0;
    const int width = clientSize.width() + Buttons->width() + SideSplitter->handleWidth() + 3;
    const int height = std::max(clientSize.height() + messageHeight + BottomSplitter->handleWidth(),
                                Buttons->ContentHeight());
    BottomSplitter->insertWidget(0, control);
    SetStretch(control, kClientStretch, kClientStretch);
    control->show();
    Client = control;
    resize(width, height);
}

void TSNMPPanel::ParkClient(QWidget* control) {
    control->hide();
    BottomSplitter->insertWidget(std::max(BottomSplitter->count() - (MessagePanel ? 1 : 0), 0),
                                 control);
}

void TSNMPPanel::FitForm(QWidget* form) {
    HostForm = form;
    if (form->layout() == nullptr) {
        auto* fill = new QHBoxLayout(form);
        fill->setContentsMargins(0, 0, 0, 0);
        // The window may be cut below what the page would like.
        fill->setSizeConstraint(QLayout::SetNoConstraint);
    }
    if (parentWidget() != form || form->layout()->indexOf(this) < 0) {
        form->layout()->addWidget(this);
    }
    const QSize size =
        form->size().expandedTo(this->size()).boundedTo(QSize(kMaxFormWidth, kMaxFormHeight));
    form->resize(size);
    resize(size);
    // A dialog not on screen yet is centred on its owner when it is shown, at
    // the size it has then.
    if (form->isVisible() || qobject_cast<QDialog*>(form) == nullptr) {
        CentreOnOwner(form, form->parentWidget());
    }
}

void TSNMPPanel::ShowFailure(const std::string& message) {
    if (Binding != nullptr) {
        Binding->ShowStatus(message);
    }
}

void TSNMPPanel::RefreshClick() {
    if (Binding == nullptr || Binding->Busy) {
        return;  // a read of this page is still running
    }
    Guarded([this] { Binding->Get(); });
}

void TSNMPPanel::CloseClick() {
    if (!HostForm) {
        CvMessageBox::Plain(this, "Please initial close form");
        return;
    }
    HostForm->close();
}

void CentreOnOwner(QWidget* window, QWidget* owner) {
    QRect area;
    if (owner != nullptr) {
        area = owner->window()->frameGeometry();
    } else if (const QScreen* screen =
                   window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (!area.isValid()) {
        return;
    }
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}
