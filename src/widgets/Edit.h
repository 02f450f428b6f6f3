#pragma once

#include <QLineEdit>

#include <functional>

// An edit with one change and one exit handler, as the bindings and the
// edit constraints expect: a handler can be saved, replaced and chained.
// OnChange follows every change of the text, by the user or by the program;
// OnExit follows the focus moving to another control of the window.
class Edit : public QLineEdit {
public:
    using Handler = std::function<void(Edit&)>;

    explicit Edit(QWidget* parent = nullptr);

    Handler OnChange;
    Handler OnExit;
    int Tag = 0;  // -1 from a handler vetoes the rest of a constraint's work

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
