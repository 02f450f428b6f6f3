#pragma once

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <string>

class CounterHistory;

// The selected row's rates over the last ten minutes. The plotted columns
// go in pairs (in and out), each pair in a band of its own with its own
// scale, so that errors are not flattened by the octets.
class CounterPlot : public QWidget {
public:
    explicit CounterPlot(QWidget* parent = nullptr);

    void SetColumns(const QStringList& labels);
    // What to draw: `history`'s row `key`, titled `portName`, ending at `nowMs`.
    void ShowRow(const CounterHistory* history, const std::string& key, const QString& portName,
                 std::int64_t nowMs);
    const QString& PortName() const { return FPortName; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBand(QPainter& painter, const QRect& area, int firstColumn);

    QStringList FLabels;
    const CounterHistory* FHistory = nullptr;
    std::string FKey;
    QString FPortName;
    std::int64_t FNowMs = 0;
};
