#pragma once

#include <QComboBox>

#include <functional>

// A combo box with one change handler, raised when the user picks an entry
// (not when the program selects one).
class ComboBox : public QComboBox {
public:
    using Handler = std::function<void(ComboBox&)>;

    explicit ComboBox(QWidget* parent = nullptr);

    // No free typing: only the entries can be chosen.
    void MakeDropDownList() { setEditable(false); }

    Handler OnChange;
    int Tag = 0;
};
