#pragma once

#include <QFrame>

class QPlainTextEdit;

// The message area at the bottom of a generic page: a read-only memo into
// which the page's request binding writes its outcome lines.
class TMsgPanel : public QFrame {
public:
    static constexpr int kHeight = 50;
    static constexpr int kMinHeight = 20;

    explicit TMsgPanel(QWidget* owner);
    QSize sizeHint() const override;
    // Lower than the memo would ask for, so that the area keeps its 50 pixels.
    QSize minimumSizeHint() const override;

    QPlainTextEdit* MessageMemo;
};
