#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QStringList>
#include <QTreeWidget>

#include <functional>

class QTimer;

// A list view in report style: columns with captions, one line per row with
// a caption (column 0) and sub-items (the other columns), whole-line
// selection that stays visible, no editing.
class ListView : public QTreeWidget {
public:
    // line: the line's index; selected: whether it became or stopped being selected.
    using SelectHandler = std::function<void(ListView&, int line, bool selected)>;

    explicit ListView(QWidget* parent = nullptr);

    // The colours of the selected line: the palette's highlight and
    // highlighted text, the highlight made darker (or lighter) until the two
    // have a contrast of at least 4.5 to 1.
    struct SelectionColours {
        QColor Background;
        QColor Text;
    };
    static SelectionColours ReadableSelection(const QPalette& palette);
    ~ListView() override;

    int ColumnCount() const { return columnCount(); }
    // Appends a column; a negative width fits the column to its caption.
    void AddColumn(const QString& caption, int width);
    void ClearColumns();
    QString ColumnCaption(int column) const;
    int ColumnWidth(int column) const { return columnWidth(column); }

    // Batched: added lines reach the view together, at most kBatchMs after the
    // first of them, so that a long walk does not lay out and paint the list
    // once per line. The line accessors below include lines still waiting.
    static constexpr int kBatchMs = 100;
    void SetBatchedLines(bool batched);
    // Puts waiting lines into the view now.
    void FlushLines();

    int LineCount() const { return topLevelItemCount() + static_cast<int>(FWaiting.size()); }
    int AddLine(const QStringList& texts);
    void ClearLines();
    QString Caption(int line) const;
    QString SubItem(int line, int index) const;
    QStringList LineTexts(int line) const;

    int SelectedLine() const;
    void SelectLine(int line);

    SelectHandler OnSelectItem;

private:
    const QTreeWidgetItem* Line(int line) const;

    int FSelected = -1;
    bool FBatched = false;
    QList<QTreeWidgetItem*> FWaiting;
    QTimer* FBatchTimer;
};
