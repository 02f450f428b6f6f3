// The stand-in controls behave as the bindings rely on.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

#include "GuiTestSupport.h"
#include "ListView.h"
#include "RadioGroup.h"

namespace {

TEST(WidgetsTest, ListViewReportsSelectionChangesOfLines) {
    ListView list;
    list.AddColumn("Index", -1);
    list.AddColumn("Name", 80);
    list.AddLine({"1", "one"});
    list.AddLine({"2", "two"});
    std::vector<std::pair<int, bool>> events;
    list.OnSelectItem = [&](ListView&, int line, bool selected) {
        events.emplace_back(line, selected);
    };
    list.SelectLine(1);
    list.SelectLine(0);
    EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {0, true}}));
    EXPECT_EQ(list.Caption(1), "2");
    EXPECT_EQ(list.SubItem(1, 0), "two");
    EXPECT_EQ(list.ColumnWidth(1), 80);
    EXPECT_GT(list.ColumnWidth(0), 0);
}

TEST(WidgetsTest, BatchedListViewShowsWaitingLinesTogetherAndAnswersForThemAtOnce) {
    ListView list;
    list.AddColumn("Index", -1);
    list.SetBatchedLines(true);
    int insertions = 0;
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, &list, [&] { ++insertions; });
    for (int i = 1; i <= 3; ++i) {
        list.AddLine({QString::number(i)});
    }
    EXPECT_EQ(list.LineCount(), 3);
    EXPECT_EQ(list.topLevelItemCount(), 0) << "not in the view yet";
    EXPECT_EQ(list.Caption(2), "3");
    EXPECT_EQ(list.LineTexts(1), QStringList{"2"});
    EXPECT_TRUE(gui_test::PumpUntil([&] { return list.topLevelItemCount() == 3; }));
    EXPECT_EQ(insertions, 1) << "one insertion for the batch";

    list.AddLine({"4"});
    list.SelectLine(3);
    EXPECT_EQ(list.SelectedLine(), 3) << "selecting a waiting line shows it first";
    list.AddLine({"5"});
    list.ClearLines();
    EXPECT_EQ(list.LineCount(), 0);
    list.FlushLines();
    EXPECT_EQ(list.topLevelItemCount(), 0) << "cleared lines never arrive";
}

TEST(WidgetsTest, RadioGroupIndexCanReturnToNone) {
    RadioGroup group;
    group.SetItems({"a", "b"});
    int clicks = 0;
    group.OnClick = [&](RadioGroup&) { ++clicks; };
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(clicks, 2);
}

}  // namespace

namespace {

// WCAG's relative luminance and contrast ratio of two colours.
double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The selected line is drawn with the palette's highlight and readable text,
// whether the list has the focus or not (a question box may have it).
TEST(WidgetsTest, SelectedLineIsReadableWithAndWithoutFocus) {
    QWidget window;
    auto* list = new ListView(&window);
    auto* other = new QLineEdit(&window);
    list->setGeometry(0, 0, 300, 200);
    other->setGeometry(0, 210, 100, 20);
    list->AddColumn("Index", 60);
    list->AddColumn("Name", 200);
    for (int i = 1; i <= 3; ++i) {
        list->AddLine({QString::number(i), "row"});
    }
    window.show();
    list->SelectLine(1);
    const QPalette colours = list->palette();
    const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
    const QColor text = colours.color(QPalette::Active, QPalette::HighlightedText);
    EXPECT_GE(Contrast(highlight, text), 4.5);
    // A desktop whose own colours are too close gets a darker highlight.
    QPalette pale;
    pale.setColor(QPalette::Highlight, QColor("#a0c8f0"));
    pale.setColor(QPalette::HighlightedText, Qt::white);
    const ListView::SelectionColours fixed = ListView::ReadableSelection(pale);
    EXPECT_GE(Contrast(fixed.Background, fixed.Text), 4.5);
    EXPECT_EQ(fixed.Text, QColor(Qt::white));
    for (QWidget* focus : {static_cast<QWidget*>(list), static_cast<QWidget*>(other)}) {
        focus->setFocus();
        gui_test::PumpFor(20);
        const QRect line = list->visualItemRect(list->topLevelItem(1));
        const QImage image = list->viewport()->grab().toImage();
        // Inside the line, right of its texts.
        const QColor drawn = image.pixelColor(line.left() + 250, line.center().y());
        const int apart = std::abs(drawn.red() - highlight.red()) +
                          std::abs(drawn.green() - highlight.green()) +
                          std::abs(drawn.blue() - highlight.blue());
        EXPECT_LE(apart, 3) << drawn.name().toStdString() << " for "
                            << highlight.name().toStdString()
                            << (focus == list ? " focused" : " unfocused");
    }
}

}  // namespace
