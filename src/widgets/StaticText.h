#pragma once

#include <QLabel>

// A sunken, framed read-only text.
class StaticText : public QLabel {
public:
    explicit StaticText(QWidget* parent = nullptr);
};
