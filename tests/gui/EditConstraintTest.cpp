// Edits accept only what their format allows, while typing and on leaving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <ostream>

#include "CvEditConstraint.h"
#include "CvException.h"
#include "Edit.h"
#include "GuiTestSupport.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class EditConstraintTest : public gui_test::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto* layout = new QVBoxLayout(&Window);
        for (Edit* edit : {&First, &Second, &Third}) {
            layout->addWidget(edit);
        }
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(gui_test::PumpUntil([this] { return Window.isActiveWindow(); }, 5000));
        FocusOn(First);
    }

    // A focus change as the user makes it; the edit left runs its exit handler.
    void FocusOn(Edit& edit) {
        edit.setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(gui_test::PumpUntil([&edit] { return edit.hasFocus(); }, 5000));
    }

    // Keys one by one, or all at once as a paste.
    static void Type(Edit& edit, const QString& keys, bool paste = false) {
        if (paste) {
            edit.insert(keys);
            return;
        }
        for (const QChar key : keys) {
            edit.insert(QString(key));
        }
    }

    QWidget Window;
    Edit First{&Window};
    Edit Second{&Window};
    Edit Third{&Window};
    CvEditConstraint Constraint{&Window, true};
};

struct TypingCase {
    const char* Name;
    const char* Format;
    const char* Keys;
    bool Paste;
    const char* Text;
    std::size_t Beeps;
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.Format << " \"" << c.Keys << '"';
}

class EditConstraintTyping : public EditConstraintTest,
                             public testing::WithParamInterface<TypingCase> {};

TEST_P(EditConstraintTyping, RefusedCharactersAreRemovedWithABeep) {
    const TypingCase& c = GetParam();
    Constraint.Attach(c.Format, {&First});
    Type(First, c.Keys, c.Paste);
    EXPECT_EQ(First.text().toStdString(), c.Text);
    ASSERT_EQ(Beeps.size(), c.Beeps);
    for (const gui_test::Beep& beep : Beeps) {
        EXPECT_EQ(beep.FrequencyHz, 1000);
        EXPECT_EQ(beep.DurationMs, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, EditConstraintTyping,
    testing::Values(TypingCase{"IntegerLetter", "%i{n0x255l3}", "2a", false, "2", 1},
                    TypingCase{"IntegerLeadingMinus", "%i", "-5", false, "-5", 0},
                    TypingCase{"IntegerInnerMinus", "%i", "5-", false, "5", 1},
                    TypingCase{"UnsignedMinus", "%u", "-5", false, "5", 1},
                    TypingCase{"RealSecondPoint", "%f", "-1.5.2", false, "-1.52", 1},
                    TypingCase{"Hex", "%h", "0aF9g", false, "0aF9", 1},
                    TypingCase{"ListDelimiters", "%n,", ",1,,2x3", false, "1,23", 3},
                    TypingCase{"TextTakesAll", "%s", "a-b.c", false, "a-b.c", 0},
                    TypingCase{"PasteLosesEveryRefused", "%i", "2ab-5", true, "25", 3},
                    TypingCase{"LengthLimitsTyping", "%i{n0x255l3}", "1234", false, "123", 0},
                    TypingCase{"LengthLimitsPaste", "%s{l4}", "abcdef", true, "abcd", 0}),
    [](const testing::TestParamInfo<TypingCase>& info) { return info.param.Name; });

struct LeavingCase {
    const char* Name;
    const char* Format;
    const char* Text;
    const char* Message;  // "" when accepted
};

void PrintTo(const LeavingCase& c, std::ostream* os) {
    *os << c.Format << " \"" << c.Text << '"';
}

class EditConstraintLeaving : public EditConstraintTest,
                              public testing::WithParamInterface<LeavingCase> {};

TEST_P(EditConstraintLeaving, RefusalsAreReportedAndTheLastGoodTextPutBack) {
    const LeavingCase& c = GetParam();
    Constraint.Attach(c.Format, {&First});
    First.setText("(NULL)");
    FocusOn(Second);  // accepted: the last good text from now on
    FocusOn(First);
    First.setText(c.Text);
    FocusOn(Second);
    if (*c.Message == '\0') {
        EXPECT_TRUE(Boxes.empty());
        EXPECT_EQ(First.text(), c.Text);
        return;
    }
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Plain);
    EXPECT_EQ(Boxes[0].Owner, &Window);
    EXPECT_EQ(Boxes[0].Text.toStdString(), c.Message);
    EXPECT_EQ(First.text(), "(NULL)");
    EXPECT_TRUE(gui_test::PumpUntil([this] { return First.hasFocus(); }));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, EditConstraintLeaving,
    testing::Values(
        LeavingCase{"Range", "%i{n0x255l3}", "300",
                    "(CvCommon) Please enter a number between 0 and 255!"},
        LeavingCase{"RangeOfReals", "%f{n0.5x2.5}", "0.25",
                    "(CvCommon) Please enter a number between 0.5 and 2.5!"},
        LeavingCase{"TextTooLong", "%s{l4}", "abcde",
                    "(CvCommon) Please enter a string whose length is less than 4!"},
        LeavingCase{"TextLength", "%s{l4f}", "abc",
                    "(CvCommon) Please enter a string whose length is 4!"},
        LeavingCase{"HexTooLong", "%h{l4}", "ABCDEF",
                    "(CvCommon) Please enter a hex string whose length is less than 4!"},
        LeavingCase{"HexLength", "%h{l4f}", "ABC",
                    "(CvCommon) Please enter a hex string whose length is 4!"},
        LeavingCase{"TooManyNumbers", "%n,{l3}", "1,2,3,4",
                    "(CvCommon) Please enter a delimited number string with delimiter ','.\n"
                    "Here,the count of the number is less than 3!"},
        LeavingCase{"NumberCount", "%n,{l3f}", "1,2",
                    "(CvCommon) Please enter a delimited number string with delimiter ','.\n"
                    "Here,the count of the number is equal to 3!"},
        LeavingCase{"ListRange", "%n.{x255l4f}", "10.0.0.256",
                    "(CvCommon) Please enter a delimited number string with delimiter '.'.\n"
                    "Here,each number is between 0 and 255!"},
        LeavingCase{"NotEmpty", "%i{n1x5l1n}", "", "(CvCommon) Empty value is not allowed!"},
        LeavingCase{"EmptyAllowed", "%i{n1x5l1}", "", ""}),
    [](const testing::TestParamInfo<LeavingCase>& info) { return info.param.Name; });

// The length limits typing only; what the program writes moves nothing.
TEST_F(EditConstraintTest, TextsOfTheProgramAreKeptWholeAndMoveNothing) {
    Constraint.Attach("%i{n600x4000l4a}%s{l4}", {&First, &Second});
    for (const char* text : {"(NOTDONE)", "(NULL)", "2000"}) {
        First.setText(text);
        EXPECT_EQ(First.text(), text);
    }
    Second.setText("abcdefgh");
    gui_test::PumpFor(50);
    EXPECT_TRUE(First.hasFocus());
    EXPECT_TRUE(Beeps.empty());
    Second.end(false);
    Type(Second, "x");
    EXPECT_EQ(Second.text(), "abcdefgh");
    Second.backspace();
    EXPECT_EQ(Second.text(), "abcdefg");
}

// A context menu or another window taking the focus is no leaving.
TEST_F(EditConstraintTest, PopupsAndOtherWindowsAreNoExit) {
    Constraint.Attach("%s{l4f}", {&First});
    First.setText("ab");
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(&First, &out);
    }
    EXPECT_TRUE(Boxes.empty());
    FocusOn(Second);
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(EditConstraintTest, FocusMovesOnWhenFullOrAtTheAdvanceCharacter) {
    Constraint.Attach("%i{n600x4000l4a}%i{e.}", {&First, &Second});
    Type(First, "100");
    gui_test::PumpFor(50);
    EXPECT_TRUE(First.hasFocus());
    Type(First, "0");
    EXPECT_TRUE(gui_test::PumpUntil([this] { return Second.hasFocus(); }));
    Type(Second, "12.");
    EXPECT_EQ(Second.text(), "12");
    EXPECT_TRUE(gui_test::PumpUntil([this] { return Third.hasFocus(); }));
}

TEST_F(EditConstraintTest, OwnHandlersAreChainedAndMayVeto) {
    std::vector<QString> changes;
    int exits = 0;
    First.OnChange = [&](Edit& e) {
        changes.push_back(e.text());
        e.Tag = e.text() == "12" ? -1 : 0;
    };
    First.OnExit = [&](Edit& e) {
        ++exits;
        e.Tag = e.text() == "7" ? -1 : 0;
    };
    Constraint.Attach("%i{n0x99l2a}", {&First});
    Type(First, "a1b2");  // full but vetoed: no advance
    gui_test::PumpFor(50);
    EXPECT_TRUE(First.hasFocus());
    // The own handler hears each corrected text once, never a refused one.
    EXPECT_EQ(changes, (std::vector<QString>{"1", "1", "12"}));
    First.setText("3");
    FocusOn(Second);  // accepted: "3" is the last good text
    FocusOn(First);
    First.setText("7");
    FocusOn(Second);  // vetoed on leaving: "3" comes back
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(First.text(), "3");
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(EditConstraintTest, WithoutRememberingOnlySavedTextsComeBack) {
    CvEditConstraint forgetful(&Window, false);
    forgetful.Attach("%i{n0x255l3}", {&First});
    for (const char* saved : {"", "50"}) {
        First.setText(saved);
        forgetful.SaveText(&First);
        for (const char* text : {"100", "300"}) {
            FocusOn(First);
            First.setText(text);
            FocusOn(Second);
        }
        EXPECT_EQ(First.text(), saved);  // the first refusal clears the edit
    }
    EXPECT_EQ(Boxes.size(), 2u);
}

TEST_F(EditConstraintTest, AttachingDetachingAndLifetimes) {
    int changes = 0;
    First.OnChange = [&](Edit&) { ++changes; };
    try {
        Constraint.Attach("%i%q", {&First, &Second});
        ADD_FAILURE() << "bad format accepted";
    } catch (const CvException& e) {
        EXPECT_EQ(e.Code(), -2);
        EXPECT_EQ(e.Message(), "(CvCommon) Bad format specifier of edit's constraint!");
    }
    EXPECT_TRUE(Constraint.Items.empty());
    Constraint.Attach("%i", {&First});
    Constraint.Attach("%u{w120}", {&First});  // again: replaces the first
    ASSERT_EQ(Constraint.Items.size(), 1u);
    EXPECT_EQ(First.width(), 120);
    Constraint.Detach(&First);
    Type(First, "a");
    EXPECT_EQ(First.text(), "a");
    EXPECT_EQ(changes, 1);

    // Edits that go are forgotten; handlers that outlive the constraint pass through.
    auto constraint = std::make_unique<CvEditConstraint>(&Window, true);
    auto gone = std::make_unique<Edit>(&Window);
    constraint->Attach("%i%i", {&First, gone.get()});
    gone.reset();
    EXPECT_EQ(constraint->Items.size(), 1u);
    constraint.reset();
    Type(First, "b");
    EXPECT_EQ(First.text(), "ab");
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(Beeps.empty());
}

}  // namespace
