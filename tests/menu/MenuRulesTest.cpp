// The enabling rules: the texts read on the device, and the rules applied to
// a built menu touching their own items only.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <optional>
#include <string>
#include <vector>

#include "CvMainMenu.h"
#include "CvMenuRules.h"

namespace {

struct TextCase {
    const char* Text;
    std::optional<bool> Enabled;
};

class MenuRuleText : public ::testing::TestWithParam<TextCase> {};

// Only the two option labels change anything; a read that failed leaves the
// bound text as it was or empty, and so leaves the items alone.
INSTANTIATE_TEST_SUITE_P(MenuTexts, MenuRuleText,
                         ::testing::Values(TextCase{"enabled", true}, TextCase{"disabled", false},
                                           TextCase{"", std::nullopt},
                                           TextCase{"Enabled", std::nullopt},
                                           TextCase{"disabled ", std::nullopt},
                                           TextCase{"3", std::nullopt},
                                           TextCase{"enabledx", std::nullopt}));

TEST_P(MenuRuleText, RmonAndAuthenticationRulesReadTheSameTexts) {
    EXPECT_EQ(RmonItemsEnabled(GetParam().Text), GetParam().Enabled);
    EXPECT_EQ(AuthItemEnabled(GetParam().Text), GetParam().Enabled);
}

const std::vector<std::string> kRmonItems = {"Statistics1", "History1", "AlarmEvent1"};

class MenuRulesApplied : public ::testing::Test {
protected:
    void SetUp() override {
        MenuActions actions;
        actions.notAvailable = [](std::string_view) {};
        BuildMainMenu(bar_, actions);
    }
    QAction* Item(const std::string& name) {
        auto* action = bar_.findChild<QAction*>(QString::fromStdString(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    // Every item's enabling, by position, to see what a rule touched.
    std::vector<bool> Enabling() {
        std::vector<bool> out;
        for (QAction* a : bar_.findChildren<QAction*>()) {
            out.push_back(a->isEnabled());
        }
        return out;
    }
    QMenuBar bar_;
};

TEST_F(MenuRulesApplied, RmonRuleSetsItsThreeViewerEntriesOrLeavesThem) {
    const std::vector<bool> before = Enabling();
    ApplyRmonRule(bar_, "disabled");
    for (const std::string& name : kRmonItems) {
        EXPECT_FALSE(Item(name)->isEnabled()) << name;
    }
    ApplyRmonRule(bar_, "");  // an unreadable state keeps the previous enabling
    for (const std::string& name : kRmonItems) {
        EXPECT_FALSE(Item(name)->isEnabled()) << name;
    }
    ApplyRmonRule(bar_, "enabled");
    EXPECT_EQ(Enabling(), before);

    ApplyRmonRule(bar_, "disabled");
    for (QAction* a : bar_.findChildren<QAction*>()) {
        const bool rmon =
            std::ranges::find(kRmonItems, a->objectName().toStdString()) != kRmonItems.end();
        EXPECT_EQ(a->isEnabled(), !rmon && a->isVisible()) << a->objectName().toStdString();
    }
}

TEST_F(MenuRulesApplied, AuthenticationRuleSetsAuth1Only) {
    const std::vector<bool> before = Enabling();
    ApplyAuthRule(bar_, "disabled");
    EXPECT_FALSE(Item("Auth1")->isEnabled());
    EXPECT_TRUE(Item("Configuration2")->isEnabled());
    ApplyAuthRule(bar_, "timeout");
    EXPECT_FALSE(Item("Auth1")->isEnabled());
    ApplyAuthRule(bar_, "enabled");
    EXPECT_EQ(Enabling(), before);
}

TEST_F(MenuRulesApplied, SnmpV3MenuOnlyForVersion3Launches) {
    for (const auto& [version, enabled] :
         std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {3, true}, {2, false}}) {
        EXPECT_EQ(SnmpV3MenuEnabled(version), enabled) << version;
        ApplySnmpV3Rule(bar_, version);
        EXPECT_EQ(Item("VACM1")->isEnabled(), enabled) << version;
        // The menu's own items keep their flag; the disabled menu hides them.
        EXPECT_TRUE(Item("snmpEngine1")->isEnabled());
    }
}

}  // namespace
