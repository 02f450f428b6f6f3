#include "Edit.h"

Edit::Edit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) {
            OnChange(*this);
        }
    });
}

void Edit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (OnExit) {
        OnExit(*this);
    }
}
