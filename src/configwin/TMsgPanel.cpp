#include "TMsgPanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* owner) : QFrame(owner), MessageMemo(new QPlainTextEdit(this)) {
    setObjectName("MessagePanel");
    MessageMemo->setObjectName("MessageMemo");
    MessageMemo->setReadOnly(true);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(MessageMemo);
    resize(width(), kHeight);
}

QSize TMsgPanel::sizeHint() const {
    return {QFrame::sizeHint().width(), kHeight};
}

QSize TMsgPanel::minimumSizeHint() const {
    return {QFrame::minimumSizeHint().width(), kMinHeight};
}
