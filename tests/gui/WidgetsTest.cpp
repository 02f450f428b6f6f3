// The stand-in controls behave as the bindings rely on.
#include <gtest/gtest.h>

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
