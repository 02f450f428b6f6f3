// The generic configuration window with a scalar page: the opening sequence
// and its adjustments, the deferred first read, reading and writing a
// writable group of the simulator, the checks before a write, the fit to
// 800 x 550 and the set-up failures.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>

#include <functional>
#include <stdexcept>
#include <vector>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigPage.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "ListView.h"
#include "SilentUdpPort.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"

namespace gui_test {
namespace {

const CvIntOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList kStates(kStatePairs);

QString Memo(const TSNMPEditorPanel& page) {
    return page.Messages()->MessageMemo->toPlainText();
}

Edit* EditOf(const TSNMPEditorPanel& page, std::size_t row) {
    return static_cast<Edit*>(page.Editor->Rows[row].ValueControl);
}

class ConfigFormTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        UseSimulator();
    }
    // Shows the window and waits for its first read to end.
    static void ShowAndRead(TConfigForm& form) {
        form.show();
        ASSERT_TRUE(
            PumpUntil([&] { return form.ActiveBinding != nullptr && !form.ActiveBinding->Busy; }));
    }
    TMainWindowValues Main{nullptr, 1.0f, "127.0.0.1", {}};
};

const TConfigPageParams kSystemPage{.Title = "System", .Table = kSystemGroup};

TEST_F(ConfigFormTest, ScalarPageReadsTheGroupAndWritesOnlyTheCheckedRows) {
    const auto form = BuildConfigPage(kSystemPage, Main);
    TSNMPEditorPanel& page = *form->Page();
    ShowAndRead(*form);
    EXPECT_EQ(EditOf(page, 0)->text().toStdString(), ReadScalar("1.3.6.1.2.1.1.1"));
    EXPECT_TRUE(Memo(page).startsWith("Get: (CvSNMP++) Ok!")) << Memo(page).toStdString();
    EXPECT_FALSE(page.Buttons->SetButton->isEnabled()) << "nothing checked yet";
    EXPECT_EQ(page.MessagePanel->height(), TMsgPanel::kHeight);
    EXPECT_EQ(page.Buttons->width(), 116);
    EXPECT_EQ(page.Buttons->geometry().right(), form->width() - 1) << "on the right edge";
    EXPECT_EQ(page.Editor->height() + page.BottomSplitter->handleWidth() + TMsgPanel::kHeight,
              form->height());

    const std::string name = ReadScalar("1.3.6.1.2.1.1.5");
    EditOf(page, 1)->setText("noc@example.net");
    EditOf(page, 2)->setText("not sent");
    EditOf(page, 3)->setText("hall 2, rack 5");
    page.Editor->Rows[1].SelectBox->click();
    page.Editor->Rows[3].SelectBox->click();
    ASSERT_TRUE(page.Buttons->SetButton->isEnabled());
    page.Buttons->SetButton->click();
    EXPECT_EQ(ReadScalar("1.3.6.1.2.1.1.4"), "noc@example.net");
    EXPECT_EQ(ReadScalar("1.3.6.1.2.1.1.6"), "hall 2, rack 5");
    EXPECT_EQ(ReadScalar("1.3.6.1.2.1.1.5"), name) << "an unchecked row is not written";
    EXPECT_TRUE(Memo(page).contains("Set: (CvSNMP++) Ok!"));
    EXPECT_EQ(form->Bindings.front()->Mode, 1) << "the page reads asynchronously again";
    for (std::int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(form->Bindings.front()->Request->Vars.Item(i).Access, kSystemGroup[i].Access);
    }
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(ConfigFormTest, AnEmptyCheckedValueIsReportedAndNothingIsSent) {
    const auto form = BuildConfigPage(kSystemPage, Main);
    TSNMPEditorPanel& page = *form->Page();
    ShowAndRead(*form);
    const std::string location = ReadScalar("1.3.6.1.2.1.1.6");
    EditOf(page, 1)->clear();
    EditOf(page, 3)->setText(QString::fromStdString(location + " and more"));
    page.Buttons->CheckAllButton->click();
    EXPECT_EQ(page.Editor->CheckedSelectCount(), 3);
    page.Buttons->SetButton->click();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Warning);
    EXPECT_EQ(Boxes[0].Text, "Some items are empty!");
    EXPECT_EQ(ReadScalar("1.3.6.1.2.1.1.6"), location);
    EXPECT_FALSE(Memo(page).contains("Set:"));

    page.Buttons->ClearChecksButton->click();
    EXPECT_EQ(page.Editor->CheckedSelectCount(), 0);
    EXPECT_FALSE(page.Buttons->SetButton->isEnabled());
}

TEST_F(ConfigFormTest, OpeningSetsTitleCaptionAndSizeAndReadsOnlyOnceOnScreen) {
    const TConfigPageParams params{.Title = "Port States",
                                   .Table = kPortStates,
                                   .ItemType = MVT_FMV,
                                   .KeyCount = 1,
                                   .Adjust = {.Height = 450},
                                   .CaptionWithAddress = true};
    QWidget mainWindow;
    mainWindow.setGeometry(100, 100, 1000, 800);
    mainWindow.show();
    Main.MainWindow = &mainWindow;
    Main.Scale = 1.25f;
    bool busyWhenShown = true;
    int linesAtClose = 0;
    TConfigForm* shown = nullptr;
    OnModal([&](QDialog& dialog) {
        shown = dynamic_cast<TConfigForm*>(&dialog);
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->windowTitle(), "Port States: 127.0.0.1");
        EXPECT_EQ(shown->height(), 562) << "450 x 1.25, truncated";
        EXPECT_LE((shown->geometry().center() - mainWindow.geometry().center()).manhattanLength(),
                  2)
            << "centred on the main window";
        auto* page = static_cast<TSNMPListViewPanel*>(shown->Page());
        busyWhenShown = shown->Bindings.front()->Busy || page->ListPanel->ListView->LineCount() > 0;
        ASSERT_TRUE(PumpUntil([&] { return shown->ActiveBinding && !shown->ActiveBinding->Busy; }));
        linesAtClose = page->ListPanel->ListView->LineCount();
        page->Buttons->CloseButton->click();
    });
    OpenConfigPage(params, Main);
    EXPECT_EQ(Main.WindowTitle, "Port States");
    EXPECT_FALSE(busyWhenShown) << "no traffic before the modal loop runs";
    EXPECT_EQ(linesAtClose, 25);
}

TEST_F(ConfigFormTest, AdjustmentsFormatColumnsWidenEditsAndResize) {
    const TColumnFormat formats[] = {{2, "%s{l16}"}};
    const TConfigPageParams params{
        .Title = "System",
        .Table = kSystemGroup,
        .Adjust = {.Formats = formats, .EditWidth = 142, .HeightPlus = 20, .WidthPlus = 100}};
    Main.Scale = 1.25f;
    const auto plain = BuildConfigPage(kSystemPage, Main);
    const auto form = BuildConfigPage(params, Main);
    TSNMPEditorPanel& page = *form->Page();
    EXPECT_EQ(page.Editor->Rows[2].Format, "%s{l16}");
    EXPECT_EQ(page.Editor->EditWidth, 177) << "142 x 1.25, truncated";
    EXPECT_EQ(page.Editor->Rows[0].ValueControl->width(), 177);
    EXPECT_EQ(form->size(), plain->size() + QSize(177 - 121 + 125, 25));

    const TConfigPageParams wider{.Title = "System",
                                  .Table = kSystemGroup,
                                  .Adjust = {.EditWidthPlus = 50, .HideEditButton = true}};
    const auto widened = BuildConfigPage(wider, Main);
    EXPECT_EQ(widened->Page()->Editor->EditWidth, 121 + 62);
    EXPECT_TRUE(widened->Page()->Buttons->EditButton->isHidden());
}

TEST_F(ConfigFormTest, FitFormCutsTheWindowTo800By550) {
    std::vector<std::string> oids;
    std::vector<CvSNMPVarDesc> table;
    for (int i = 0; i < 40; ++i) {
        oids.push_back("1.3.6.1.4.1.99999.7." + std::to_string(i + 1));
    }
    for (const std::string& oid : oids) {
        table.push_back({oid.c_str(), "A value of the group", CvSyntax::integer, kRo});
    }
    table.push_back({});
    const auto form = BuildConfigPage({.Title = "Tall", .Table = table.data()}, Main);
    TSNMPEditorPanel& page = *form->Page();
    const QRect last = page.Editor->Rows.back().ValueControl->geometry();
    EXPECT_GT(last.bottom(), 550);
    const int editorWidth = last.right() + 1 + 40;
    EXPECT_EQ(form->size(), QSize(editorWidth + 116 + page.SideSplitter->handleWidth() + 3, 550));
    page.SetEditWidthAndFit(900);
    EXPECT_EQ(form->size(), QSize(800, 550));
    EXPECT_EQ(page.HostForm, form.get());

    const auto small = BuildConfigPage(kSystemPage, Main);
    EXPECT_LT(small->height(), 550) << "a small page makes a small window";
    EXPECT_EQ(small->size(), small->Page()->size());
}

TEST_F(ConfigFormTest, AFailedFirstReadLeavesTheWindowOpenWithTheCatalogueText) {
    agents::SilentUdpPort silent;
    UseSimulator(silent.Port());
    const auto form = BuildConfigPage(kSystemPage, Main);
    form->Bindings.front()->Request->Timeout = 5;
    ShowAndRead(*form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(Memo(*form->Page()).startsWith("Get: (SNMPClass) SNMP request timed out!"))
        << Memo(*form->Page()).toStdString();
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(form->Page()->isEnabled());
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Bindings.empty());
}

// Set-up mistakes are programming errors with texts of their own.
struct SetupFailure {
    const char* Name;
    std::function<void(TMainWindowValues&)> Action;
    const char* Text;
};

class SetupFailureTest : public ConfigFormTest,
                         public ::testing::WithParamInterface<SetupFailure> {};

TEST_P(SetupFailureTest, RaisesItsText) {
    try {
        GetParam().Action(Main);
        FAIL() << "no exception";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), GetParam().Text);
    }
}

const CvSNMPVarDesc kMixed[] = {
    kSystemGroup[1],
    {"1.3.6.1.4.1.99999.8.1", "State", CvSyntax::integer, kRw, &kStates},
    {"1.3.6.1.4.1.99999.8.2", "Mode", CvSyntax::integer, kRo, &kStates},
    {}};

INSTANTIATE_TEST_SUITE_P(
    Pages, SetupFailureTest,
    ::testing::Values(
        SetupFailure{"SecondSetUp",
                     [](TMainWindowValues& main) {
                         const auto form = BuildConfigPage(kSystemPage, main);
                         TSNMPEditorPanel* page = form->Page();
                         try {
                             form->SetupTable(std::make_unique<CvSNMPRequest2Edits>(form.get()), -1,
                                              "", -1, "");
                         } catch (...) {
                             EXPECT_EQ(form->PageKind, TConfigForm::kScalarPage);
                             EXPECT_EQ(form->Page(), page);
                             EXPECT_EQ(form->Bindings.size(), 1u);
                             throw;
                         }
                     },
                     "Can not change Type of a Config Form!"},
        SetupFailure{"WrongAddStatus",
                     [](TMainWindowValues& main) {
                         BuildConfigPage({.Title = "VLAN",
                                          .Table = kVlanStatic,
                                          .ItemType = MVT_FMV,
                                          .KeyCount = 1,
                                          .StatusColumn = kVlanStatusColumn,
                                          .AddStatus = "createAndGone"},
                                         main);
                     },
                     "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGone"},
        SetupFailure{"WrongDeleteStatus",
                     [](TMainWindowValues& main) {
                         BuildConfigPage({.Title = "VLAN",
                                          .Table = kVlanStatic,
                                          .ItemType = MVT_FMV,
                                          .KeyCount = 1,
                                          .StatusColumn = 1,
                                          .DeleteStatus = "destroy"},
                                         main);
                     },
                     "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy"},
        SetupFailure{"EditorWithoutBinding",
                     [](TMainWindowValues&) {
                         QWidget owner;
                         TEditsPanel(&owner, nullptr).ArrangeCtrlBtn(new TCtrlBtnPanel(&owner));
                     },
                     "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"},
        SetupFailure{"FormatOfADropDownList",
                     [](TMainWindowValues& main) {
                         BuildConfigPage({.Title = "Mixed", .Table = kMixed}, main)
                             ->Page()
                             ->SetVarFormat(1, "%i");
                     },
                     "Can not set Var format to a ComboBox!"},
        SetupFailure{"FormatOfAReadOnlyChoice",
                     [](TMainWindowValues& main) {
                         BuildConfigPage({.Title = "Mixed", .Table = kMixed}, main)
                             ->Page()
                             ->SetVarFormat(2, "%i");
                     },
                     "Unknow UI Control type!"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace gui_test
