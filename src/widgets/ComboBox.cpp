#include "ComboBox.h"

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] {
        if (OnChange) {
            OnChange(*this);
        }
    });
}
