// The dot3 control and pause tables against the simulator: the counters of
// the selected port read again on the chosen interval, and the pause mode
// written for that port alone.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogTestSupport.h"
#include "Dot3Dialogs.h"
#include "ListView.h"

namespace gui_test {
namespace {

const std::string kAdminMode = "1.3.6.1.2.1.10.7.10.1.1.";
// Short enough for a test, long enough to see the entries apart.
constexpr std::array<int, 6> kTestIntervals{0, 20, 50, 100, 300, 600};

class Dot3DialogTest : public DialogTest {
protected:
    template <typename Form>
    Form& Open(std::unique_ptr<Form>& form) {
        form = std::make_unique<Form>(TDialogContext{});
        form->IntervalMs = kTestIntervals;
        form->FormCreate();
        form->show();
        WaitIdle(*form);
        EXPECT_TRUE(form->Ready);
        // Every read of the counters puts one line into the hidden chart.
        QObject::connect(form->lvChart->model(), &QAbstractItemModel::rowsInserted, form.get(),
                         [this] { ++CounterReads; });
        return *form;
    }
    static void SelectPort(Tdot3Form& form, const char* port) {
        form.List->SelectLine(LineOf(*form.List, port));
    }
    static void Unselect(Tdot3Form& form) {
        form.List->clearSelection();
        form.ListClick();
    }
    static QString Value(const Tdot3Form& form, int row) { return form.ListView2->SubItem(row, 0); }

    int CounterReads = 0;
};

TEST_F(Dot3DialogTest, APortsPauseCountersAreReadAgainOnTheIntervalUntilNone) {
    std::unique_ptr<Tdot3PauseForm> owner;
    Tdot3PauseForm& form = Open(owner);
    EXPECT_EQ(form.windowTitle(), "dot3 Pause Table");
    ASSERT_EQ(form.List->LineCount(), 26);
    EXPECT_EQ(form.ListView2->Caption(0), "In Pause Frame");
    EXPECT_EQ(form.ListView2->Caption(1), "Out Pause Frame");
    EXPECT_FALSE(form.Button(TDialogAction::Set)->isEnabled());
    EXPECT_EQ(Text(form, "cbxInterval"), "none");

    SelectPort(form, "3");
    EXPECT_EQ(Text(form, "cbxAdminMode"), "enabledXmitAndRcv");
    EXPECT_EQ(Text(form, "cbxInterval"), "5s");
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), kTestIntervals[2]);
    EXPECT_TRUE(form.Button(TDialogAction::Set)->isEnabled());
    EXPECT_EQ(form.lvChart->LineTexts(0), (QStringList{Value(form, 0), Value(form, 1)}));

    struct Case {
        const char* Interval;
        bool Refreshing;
    };
    for (const Case& c : {Case{"2s", true}, Case{"none", false}, Case{"10s", true}}) {
        SCOPED_TRACE(c.Interval);
        Choose(form, "cbxInterval", c.Interval);
        const int before = CounterReads;
        PumpFor(400);
        EXPECT_EQ(form.Timer1->isActive(), c.Refreshing);
        if (c.Refreshing) {
            EXPECT_GE(CounterReads - before, 2);
        } else {
            EXPECT_EQ(CounterReads, before);
        }
    }
    EXPECT_EQ(form.Timer1->interval(), kTestIntervals[3]);

    // No port: nothing to show, nothing to write, nothing read.
    Unselect(form);
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_EQ(Text(form, "cbxInterval"), "none");
    EXPECT_EQ(Value(form, 0), "");
    EXPECT_EQ(Text(form, "cbxAdminMode"), "");
    EXPECT_FALSE(form.Button(TDialogAction::Set)->isEnabled());
    EXPECT_EQ(form.lvChart->LineCount(), 0);
}

TEST_F(Dot3DialogTest, TheAdminModeOfTheSelectedPortIsWrittenAloneAndARefusalKeepsIt) {
    std::unique_ptr<Tdot3PauseForm> owner;
    Tdot3PauseForm& form = Open(owner);
    form.SetBtnClick();
    EXPECT_TRUE(Sent().empty()) << "no port chosen";
    struct Case {
        const char* Mode;
        const char* Community;  // the read community may not write
        std::string Sent;
    };
    for (const Case& c : {Case{"disabled", "vesper", ""}, Case{"disabled", "lantern", "6=1"},
                          Case{"enabledRcv", "lantern", "6=3"}}) {
        SCOPED_TRACE(c.Community);
        SelectPort(form, "6");
        Choose(form, "cbxAdminMode", c.Mode);
        form.TableRequest->Request->WriteCommunity = c.Community;
        form.Button(TDialogAction::Set)->click();
        const std::vector<std::string> sent = Sent();
        if (c.Sent.empty()) {
            EXPECT_TRUE(form.Memo->toPlainText().endsWith("No Access!"));
            EXPECT_EQ(Text(form, "cbxAdminMode"), c.Mode) << "kept for another try";
            EXPECT_TRUE(form.Button(TDialogAction::Set)->isEnabled());
            EXPECT_TRUE(form.Ready);
            continue;
        }
        EXPECT_EQ(sent, std::vector<std::string>{kAdminMode + c.Sent});
        EXPECT_FALSE(form.Timer1->isActive());
        EXPECT_FALSE(form.Button(TDialogAction::Set)->isEnabled());
        WaitIdle(form);
        EXPECT_TRUE(form.Ready);
        EXPECT_EQ(form.List->SubItem(LineOf(*form.List, "6"), 0), c.Mode) << "read again";
    }
}

TEST_F(Dot3DialogTest, TheControlTableShowsThePauseFunctionAndTheOpcodeCounter) {
    std::unique_ptr<Tdot3ControlForm> owner;
    Tdot3ControlForm& form = Open(owner);
    EXPECT_EQ(form.windowTitle(), "dot3 Control Table");
    ASSERT_EQ(form.List->LineCount(), 26);
    auto* pause = form.findChild<CheckBox*>("CheckBox1");
    EXPECT_EQ(pause->text(), "pause");
    EXPECT_TRUE(pause->isEnabled()) << "after the table was read";
    EXPECT_TRUE(form.findChild<CheckBox*>("CheckBox2")->isHidden());
    EXPECT_EQ(form.ListView2->Caption(0), "Recived Unknown Opcodes");

    SelectPort(form, "3");
    EXPECT_TRUE(pause->isChecked());
    EXPECT_EQ(Value(form, 0), "0");
    EXPECT_TRUE(form.Timer1->isActive());
    Unselect(form);
    EXPECT_FALSE(pause->isChecked());
    EXPECT_EQ(Value(form, 0), "");
    EXPECT_FALSE(form.Timer1->isActive());

    form.ButtonNamed("btnGet")->click();
    WaitIdle(form);
    EXPECT_EQ(form.List->LineCount(), 26) << "read again";
}

// Closing while the table is read or the counters tick frees everything once.
TEST_F(Dot3DialogTest, ClosingWhileReadingOrRefreshingEndsCleanly) {
    for (const bool ticking : {false, true}) {
        SCOPED_TRACE(ticking ? "counters ticking" : "table being read");
        Tdot3PauseForm form(TDialogContext{});
        form.IntervalMs = kTestIntervals;
        form.FormCreate();
        form.show();
        if (ticking) {
            WaitIdle(form);
            SelectPort(form, "4");
            Choose(form, "cbxInterval", "2s");
        }
        form.close();
        EXPECT_TRUE(PumpUntil([&] { return !form.isVisible(); }));
        EXPECT_FALSE(form.Timer1->isActive());
        PumpFor(60);
    }
}

}  // namespace
}  // namespace gui_test
