// The stand-in controls behave as the bindings rely on.
#include <gtest/gtest.h>

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
