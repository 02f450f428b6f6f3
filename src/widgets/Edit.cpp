#include "Edit.h"

#include <QFocusEvent>

Edit::Edit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) {
            OnChange(*this);
        }
    });
}

void Edit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A pop-up menu or another window taking over leaves the focus in the
    // edit: the user has not left it.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        return;
    }
    if (OnExit) {
        OnExit(*this);
    }
}
