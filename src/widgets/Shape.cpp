#include "Shape.h"

#include <QPainter>

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::SetColours(const QColor& brush, const QColor& pen) {
    if (brush == FBrush && pen == FPen) {
        return;
    }
    FBrush = brush;
    FPen = pen;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FBrush);
    painter.setPen(FPen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
