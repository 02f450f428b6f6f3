#pragma once

#include <QColor>
#include <QWidget>

// A filled rectangle with an outline: a LED on the front panel.
class Shape : public QWidget {
public:
    explicit Shape(QWidget* parent = nullptr);

    void SetColours(const QColor& brush, const QColor& pen);
    const QColor& BrushColour() const { return FBrush; }
    const QColor& PenColour() const { return FPen; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FBrush = Qt::white;
    QColor FPen = Qt::black;
};
