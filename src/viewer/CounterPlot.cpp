#include "CounterPlot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "CounterHistory.h"
#include "SectionRates.h"

namespace {

constexpr int kMargin = 6;
const QColor kColours[] = {QColor(0, 90, 200), QColor(220, 110, 0)};

}  // namespace

CounterPlot::CounterPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(180);
}

void CounterPlot::SetColumns(const QStringList& labels) {
    FLabels = labels;
    update();
}

void CounterPlot::ShowRow(const CounterHistory* history, const std::string& key,
                          const QString& portName, std::int64_t nowMs) {
    FHistory = history;
    FKey = key;
    FPortName = portName;
    FNowMs = nowMs;
    update();
}

void CounterPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const int line = fontMetrics().height();
    painter.drawText(QRect(kMargin, 0, width() - 2 * kMargin, line), Qt::AlignLeft,
                     FPortName.isEmpty() ? QStringLiteral("No row selected") : FPortName);
    painter.drawText(QRect(kMargin, 0, width() - 2 * kMargin, line), Qt::AlignRight,
                     QStringLiteral("last 10 minutes"));
    const int bands = static_cast<int>((FLabels.size() + 1) / 2);
    if (bands == 0) {
        return;
    }
    const int bandHeight = (height() - line) / bands;
    for (int b = 0; b < bands; ++b) {
        PaintBand(
            painter,
            QRect(kMargin, line + b * bandHeight, width() - 2 * kMargin, bandHeight - kMargin),
            2 * b);
    }
}

void CounterPlot::PaintBand(QPainter& painter, const QRect& area, int firstColumn) {
    const int line = painter.fontMetrics().height();
    const int columns = std::min<int>(2, static_cast<int>(FLabels.size()) - firstColumn);
    std::vector<std::vector<CounterHistory::Line>> lines(columns);
    double top = 1.0;
    for (int c = 0; c < columns && FHistory != nullptr; ++c) {
        lines[c] = FHistory->Lines(FKey, static_cast<std::size_t>(firstColumn + c));
        for (const CounterHistory::Line& run : lines[c]) {
            for (const CounterHistory::Point& point : run) {
                top = std::max(top, point.PerSecond);
            }
        }
    }
    // Legend and scale above the plotting area.
    int x = area.left();
    for (int c = 0; c < columns; ++c) {
        painter.setPen(kColours[c]);
        const QString label = FLabels[firstColumn + c];
        painter.drawText(QRect(x, area.top(), area.width(), line), Qt::AlignLeft, label);
        x += painter.fontMetrics().horizontalAdvance(label) + 2 * kMargin;
    }
    painter.setPen(palette().text().color());
    painter.drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignRight,
                     RateText({CounterRate::Kind::Rate, top}));
    const QRect plot = area.adjusted(0, line, 0, 0);
    painter.setPen(palette().mid().color());
    painter.drawRect(plot);
    if (plot.width() <= 0 || plot.height() <= 0) {
        return;
    }
    const auto at = [&](const CounterHistory::Point& point) {
        const double age = static_cast<double>(FNowMs - point.AtMs) / CounterHistory::kSpanMs;
        return QPointF(plot.right() - age * plot.width(),
                       plot.bottom() - point.PerSecond / top * plot.height());
    };
    painter.setRenderHint(QPainter::Antialiasing);
    for (int c = 0; c < columns; ++c) {
        painter.setPen(QPen(kColours[c], 1.5));
        for (const CounterHistory::Line& run : lines[c]) {
            if (run.size() == 1) {
                painter.drawEllipse(at(run.front()), 1.5, 1.5);
                continue;
            }
            QPainterPath path(at(run.front()));
            for (std::size_t k = 1; k < run.size(); ++k) {
                path.lineTo(at(run[k]));
            }
            painter.drawPath(path);
        }
    }
}
