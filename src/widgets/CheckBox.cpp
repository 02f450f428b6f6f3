#include "CheckBox.h"

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (OnClick) {
            OnClick(*this);
        }
    });
}
