#include "ListView.h"

#include <QHeaderView>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

double Luminance(const QColor& colour) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

ListView::SelectionColours ListView::ReadableSelection(const QPalette& palette) {
    constexpr double kReadable = 4.5;  // WCAG AA for text
    SelectionColours colours{palette.color(QPalette::Active, QPalette::Highlight),
                             palette.color(QPalette::Active, QPalette::HighlightedText)};
    // The highlight keeps its hue and grows darker or lighter, away from the text.
    const bool darkText = Luminance(colours.Text) < 0.5;
    for (int step = 0; step < 20 && Contrast(colours.Background, colours.Text) < kReadable;
         ++step) {
        colours.Background =
            darkText ? colours.Background.lighter(110) : colours.Background.darker(110);
    }
    return colours;
}

ListView::ListView(QWidget* parent) : QTreeWidget(parent), FBatchTimer(new QTimer(this)) {
    FBatchTimer->setSingleShot(true);
    connect(FBatchTimer, &QTimer::timeout, this, [this] { FlushLines(); });
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // Grid lines; the style sheet that draws them would draw the selected
    // line in a pale tint, so the selection is given its colours too: the
    // palette's highlight, readable, and the same when the list has no focus.
    const SelectionColours selection = ReadableSelection(palette());
    setStyleSheet(QString("QTreeView::item { border-right: 1px solid #d0d0d0;"
                          " border-bottom: 1px solid #d0d0d0; }"
                          " QTreeView::item:selected { background-color: %1; color: %2; }")
                      .arg(selection.Background.name(), selection.Text.name()));
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, selection.Background);
        colours.setColor(group, QPalette::HighlightedText, selection.Text);
    }
    setPalette(colours);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const int previous = FSelected;
        FSelected = SelectedLine();
        if (previous == FSelected || !OnSelectItem) {
            return;
        }
        if (previous >= 0 && previous < LineCount()) {
            OnSelectItem(*this, previous, false);
        }
        if (FSelected >= 0) {
            OnSelectItem(*this, FSelected, true);
        }
    });
}

ListView::~ListView() {
    qDeleteAll(FWaiting);
}

void ListView::SetBatchedLines(bool batched) {
    FBatched = batched;
    if (!batched) {
        FlushLines();
    }
}

void ListView::FlushLines() {
    FBatchTimer->stop();
    if (!FWaiting.isEmpty()) {
        const QList<QTreeWidgetItem*> lines = std::exchange(FWaiting, {});
        addTopLevelItems(lines);
    }
}

void ListView::AddColumn(const QString& caption, int width) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, caption);
    if (width >= 0) {
        setColumnWidth(column, width);
    } else {
        const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
        setColumnWidth(column, header()->fontMetrics().horizontalAdvance(caption) + margin);
    }
}

void ListView::ClearColumns() {
    ClearLines();
    setColumnCount(0);
}

QString ListView::ColumnCaption(int column) const {
    return headerItem()->text(column);
}

int ListView::AddLine(const QStringList& texts) {
    auto* line = new QTreeWidgetItem(texts);
    if (!FBatched) {
        addTopLevelItem(line);
        return topLevelItemCount() - 1;
    }
    FWaiting.append(line);
    if (!FBatchTimer->isActive()) {
        FBatchTimer->start(kBatchMs);
    }
    return LineCount() - 1;
}

void ListView::ClearLines() {
    FBatchTimer->stop();
    qDeleteAll(std::exchange(FWaiting, {}));
    FSelected = -1;
    clear();
}

const QTreeWidgetItem* ListView::Line(int line) const {
    const int shown = topLevelItemCount();
    if (line < shown) {
        return topLevelItem(line);
    }
    return line - shown < FWaiting.size() ? FWaiting.at(line - shown) : nullptr;
}

QString ListView::Caption(int line) const {
    const QTreeWidgetItem* item = Line(line);
    return item != nullptr ? item->text(0) : QString();
}

QString ListView::SubItem(int line, int index) const {
    const QTreeWidgetItem* item = Line(line);
    return item != nullptr ? item->text(index + 1) : QString();
}

QStringList ListView::LineTexts(int line) const {
    QStringList texts;
    if (const QTreeWidgetItem* item = Line(line)) {
        for (int c = 0; c < columnCount(); ++c) {
            texts << item->text(c);
        }
    }
    return texts;
}

int ListView::SelectedLine() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void ListView::SelectLine(int line) {
    FlushLines();
    if (QTreeWidgetItem* item = topLevelItem(line)) {
        setCurrentItem(item);
        item->setSelected(true);
    } else {
        clearSelection();
    }
}
