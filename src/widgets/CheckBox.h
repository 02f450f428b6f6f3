#pragma once

#include <QCheckBox>

#include <functional>

// A check box with one click handler, raised whenever the checked state
// changes, by the user or by the program.
class CheckBox : public QCheckBox {
public:
    using Handler = std::function<void(CheckBox&)>;

    explicit CheckBox(const QString& text = QString(), QWidget* parent = nullptr);

    Handler OnClick;
    int Tag = 0;
};
