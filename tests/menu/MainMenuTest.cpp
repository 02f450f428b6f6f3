// The built main menu against the transcription of the written tree, the
// catalogue behind its page entries, and what each command calls.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "CvMainMenu.h"
#include "CvMibCatalogue.h"

namespace {

std::vector<std::string> FixtureLines() {
    std::ifstream in(std::string(VANTA_FIXTURES_DIR) + "/menu/tree.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The action in the transcription's notation, from the table.
std::string ActionText(const CvMenuItem& item) {
    switch (item.Action) {
        case CvMenuAction::ScalarPage:
            return "scalar page";
        case CvMenuAction::TablePage:
            return "table page";
        case CvMenuAction::Dialog:
        case CvMenuAction::About:
            return std::string("dialog ") + item.Argument;
        case CvMenuAction::Viewer:
            return std::string("viewer \"") + item.Argument + "\"";
        case CvMenuAction::RefreshPanel:
            return "Refresh Panel command";
        case CvMenuAction::Help:
            return "help file";
        case CvMenuAction::None:
        case CvMenuAction::Separator:
            break;
    }
    return "";
}

struct BuiltItem {
    QAction* Action;
    int Depth;
    bool Shown;  // neither it nor a menu above it is hidden
};

void Walk(const QList<QAction*>& actions, int depth, bool shown, std::vector<BuiltItem>& out) {
    for (QAction* action : actions) {
        out.push_back({action, depth, shown && action->isVisible()});
        if (action->menu() != nullptr) {
            Walk(action->menu()->actions(), depth + 1, shown && action->isVisible(), out);
        }
    }
}

// The built item in the transcription's notation: caption, name and
// visibility from the QAction, the action from the table entry of that name.
std::string LineOf(const BuiltItem& built) {
    const QAction& a = *built.Action;
    std::string line = std::to_string(built.Depth);
    if (a.isSeparator()) {
        return line + " separator" + (a.isVisible() ? "" : " hidden");
    }
    line += " \"" + a.text().toStdString() + "\" " + a.objectName().toStdString();
    line += a.isVisible() ? "" : " hidden";
    const CvMenuItem* item = FindMenuItem(a.objectName().toStdString());
    if (item == nullptr) {
        return line + " -> (not in the table)";
    }
    return item->IsCommand() ? line + " -> " + ActionText(*item) : line;
}

class MenuTree : public ::testing::Test {
protected:
    void SetUp() override {
        BuildMainMenu(bar_, actions_);
        Walk(bar_.actions(), 0, true, built_);
    }

    // Every callback records what it was called with.
    std::vector<std::string> calls_;
    std::set<std::string> dialogs_;
    MenuActions actions_{
        .openPage = [this](std::string_view n) { calls_.push_back("page " + std::string(n)); },
        .hasDialog = [this](std::string_view f) { return dialogs_.contains(std::string(f)); },
        .openDialog =
            [this](std::string_view f, std::string_view n) {
                calls_.push_back("dialog " + std::string(f) + " " + std::string(n));
            },
        .launchViewer =
            [this](std::string_view arg) { calls_.push_back("viewer " + std::string(arg)); },
        .refreshPanel = [this] { calls_.push_back("refresh"); },
        .help = [this] { calls_.push_back("help"); },
        .about = [this] { calls_.push_back("about"); },
        .notAvailable =
            [this](std::string_view n) { calls_.push_back("not available " + std::string(n)); },
    };
    QMenuBar bar_;
    std::vector<BuiltItem> built_;
};

// The call a command's entry should make when no dialog exists.
std::string ExpectedCall(const CvMenuItem& item, const std::set<std::string>& dialogs) {
    const std::string name = item.Name;
    switch (item.Action) {
        case CvMenuAction::ScalarPage:
        case CvMenuAction::TablePage:
            return "page " + name;
        case CvMenuAction::Dialog:
            return dialogs.contains(item.Argument)
                       ? std::string("dialog ") + item.Argument + " " + name
                       : "not available " + name;
        case CvMenuAction::Viewer:
            return std::string("viewer ") + item.Argument;
        case CvMenuAction::RefreshPanel:
            return "refresh";
        case CvMenuAction::Help:
            return "help";
        case CvMenuAction::About:
            return "about";
        case CvMenuAction::None:
        case CvMenuAction::Separator:
            break;
    }
    return "not available " + name;
}

TEST_F(MenuTree, MatchesTheTranscribedTreeItemByItem) {
    const std::vector<std::string> expected = FixtureLines();
    ASSERT_EQ(expected.size(), 327u);
    ASSERT_EQ(built_.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(LineOf(built_[i]), expected[i]) << "item " << i;
    }
    ASSERT_EQ(MainMenuItems().size(), expected.size());
}

TEST_F(MenuTree, CountsOfTheTree) {
    EXPECT_EQ(bar_.actions().size(), 10);
    int commands = 0;
    int commandsNeverShown = 0;
    int separators = 0;
    for (const BuiltItem& b : built_) {
        separators += b.Action->isSeparator() ? 1 : 0;
        const CvMenuItem* item = FindMenuItem(b.Action->objectName().toStdString());
        if (item != nullptr && item->IsCommand()) {
            ++commands;
            commandsNeverShown += b.Shown ? 0 : 1;
        }
    }
    EXPECT_EQ(commands, 224);
    EXPECT_EQ(commandsNeverShown, 53);
    EXPECT_EQ(separators, 25);
}

// Rules and the main window find items by name: each name is one item, and a
// sub-menu's QMenu carries its item's name as well.
TEST_F(MenuTree, ComponentNamesFindTheirOneItem) {
    std::set<std::string> names;
    for (const BuiltItem& b : built_) {
        if (b.Action->isSeparator()) {
            EXPECT_TRUE(b.Action->objectName().isEmpty());
            continue;
        }
        const QString name = b.Action->objectName();
        EXPECT_TRUE(names.insert(name.toStdString()).second) << "duplicate " << name.toStdString();
        EXPECT_EQ(bar_.findChild<QAction*>(name), b.Action) << name.toStdString();
        if (b.Action->menu() != nullptr) {
            EXPECT_EQ(b.Action->menu()->objectName(), name);
        }
        // Qt reports hidden actions as disabled; no shown item starts disabled.
        EXPECT_EQ(b.Action->isEnabled(), b.Action->isVisible()) << name.toStdString();
    }
}

// A page entry opens the catalogue page of its name, of its kind and
// visibility; the catalogue holds no page the menu does not reach.
TEST_F(MenuTree, PageEntriesNameTheirCataloguePages) {
    std::vector<const CvMibPage*> reached;
    for (const CvMenuItem& item : MainMenuItems()) {
        const bool scalar = item.Action == CvMenuAction::ScalarPage;
        if (!scalar && item.Action != CvMenuAction::TablePage) {
            continue;
        }
        const CvMibPage* page = FindMibPage(item.Name);
        ASSERT_NE(page, nullptr) << item.Name;
        EXPECT_EQ(page->Kind, scalar ? CvPageKind::Scalar : CvPageKind::Table) << item.Name;
        EXPECT_EQ(page->Hidden, item.Hidden) << item.Name;
        reached.push_back(page);
    }
    EXPECT_EQ(reached, MibPagesInMenuOrder());
}

TEST_F(MenuTree, EveryCommandCallsExactlyOneCallback) {
    dialogs_ = {"TSummerTimeForm", "TSTP_Info"};
    int leaves = 0;
    for (const BuiltItem& b : built_) {
        if (b.Action->isSeparator() || b.Action->menu() != nullptr) {
            continue;
        }
        ++leaves;
        const CvMenuItem& item = *FindMenuItem(b.Action->objectName().toStdString());
        calls_.clear();
        b.Action->trigger();
        ASSERT_EQ(calls_.size(), 1u) << item.Name;
        EXPECT_EQ(calls_[0], ExpectedCall(item, dialogs_));
        if (item.IsCommand()) {
            EXPECT_STREQ(item.Handler, item.Action == CvMenuAction::RefreshPanel
                                           ? "RefreshPanel1Click"
                                           : (std::string(item.Name) + "Click").c_str());
        }
    }
    EXPECT_EQ(leaves, 224 + 18);  // commands, and items without one that still answer
}

TEST_F(MenuTree, ADialogThatExistsOpensWithItsFormClassAndEntry) {
    dialogs_ = {"TSummerTimeForm"};
    bar_.findChild<QAction*>("SummerTime1")->trigger();
    bar_.findChild<QAction*>("StaticForm1")->trigger();
    EXPECT_EQ(calls_, (std::vector<std::string>{"dialog TSummerTimeForm SummerTime1",
                                                "not available StaticForm1"}));
}

TEST(MenuDispatch, MissingCallbacksReportTheEntryAsNotAvailable) {
    std::vector<std::string> names;
    MenuActions only;
    only.notAvailable = [&](std::string_view n) { names.emplace_back(n); };
    for (const char* name : {"PowerTable1", "Information3", "RefreshPanel2", "Help2", "About1",
                             "SummerTime1", "Test"}) {
        DispatchMenuItem(*FindMenuItem(name), only);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.back(), name);
    }
    EXPECT_EQ(names.size(), 7u);
}

TEST(MenuTable, ExtraStepsAreMarkedOnTheirEntries) {
    const std::vector<std::pair<std::string, CvMenuExtraStep>> expected = {
        {"IFXTable1", CvMenuExtraStep::SnmpV2cForV1},
        {"RMONSetting1", CvMenuExtraStep::RmonRuleOnClose},
        {"Information2", CvMenuExtraStep::ReadStpVersion},
        {"PortTable", CvMenuExtraStep::ReadStpVersion},
        {"Configuration2", CvMenuExtraStep::AuthRuleOnClose},
    };
    std::vector<std::pair<std::string, CvMenuExtraStep>> marked;
    for (const CvMenuItem& item : MainMenuItems()) {
        if (item.Extra != CvMenuExtraStep::None) {
            marked.emplace_back(item.Name, item.Extra);
        }
    }
    EXPECT_EQ(marked, expected);
}

TEST(MenuTable, DialogTitlesSetByTheMenu) {
    struct Case {
        const char* Name;
        const char* Caption;
        const char* WindowTitle;
    };
    for (const Case& c : {
             Case{"SpanningTreeAlgorithm1", "Spanning Tree Algorithm", ""},
             Case{"DeviceControl1", "Layer2 Control: 192.0.2.7", ""},
             Case{"TrafficSegmentationTable1", "", "Traffic Segmentation Table"},
             Case{"SummerTime1", "", ""},
         }) {
        const CvMenuDialogTitle title = MenuDialogTitle(c.Name, "192.0.2.7");
        EXPECT_EQ(title.Caption, c.Caption) << c.Name;
        EXPECT_EQ(title.WindowTitle, c.WindowTitle) << c.Name;
    }
}

}  // namespace
