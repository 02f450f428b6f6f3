#include "RadioGroup.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), FLayout(new QGridLayout(this)) {
    FButtons.setExclusive(true);
    connect(&FButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && OnClick) {
            OnClick(*this);
        }
    });
}

void RadioGroup::SetItems(const QStringList& items) {
    FItems = items;
    Rebuild();
}

void RadioGroup::SetColumns(int columns) {
    FColumns = columns > 0 ? columns : 1;
    Rebuild();
}

int RadioGroup::ItemIndex() const {
    return FButtons.checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (index == ItemIndex()) {
        return;
    }
    if (QAbstractButton* button = FButtons.button(index)) {
        button->setChecked(true);
        return;
    }
    // No entry selected: an exclusive group cannot uncheck its last button.
    if (QAbstractButton* checked = FButtons.checkedButton()) {
        FButtons.setExclusive(false);
        checked->setChecked(false);
        FButtons.setExclusive(true);
        if (OnClick) {
            OnClick(*this);
        }
    }
}

void RadioGroup::Rebuild() {
    const int selected = ItemIndex();
    for (QAbstractButton* button : FButtons.buttons()) {
        FButtons.removeButton(button);
        delete button;
    }
    const int rows = (static_cast<int>(FItems.size()) + FColumns - 1) / FColumns;
    for (int i = 0; i < FItems.size(); ++i) {
        auto* button = new QRadioButton(FItems[i], this);
        FButtons.addButton(button, i);
        FLayout->addWidget(button, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
    if (selected >= 0 && selected < FItems.size()) {
        const QSignalBlocker quiet(&FButtons);
        FButtons.button(selected)->setChecked(true);
    }
}
