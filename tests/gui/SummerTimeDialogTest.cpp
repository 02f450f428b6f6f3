// The summer-time dialog: the checks before a write, then against the
// simulator the rows of the kind in force, each part writing its own octets,
// the status written alone before the rest, a refusal and a close mid-read.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigWinTestSupport.h"
#include "CvDialogs.h"
#include "CvSNMPRequest2Edits.h"
#include "DialogTestSupport.h"
#include "Edit.h"
#include "SilentUdpPort.h"
#include "SummerTimeDialog.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMsgPanel.h"
#include "TSNMPEditorPanel.h"

namespace gui_test {
namespace {

// ---- the checks, without a switch ----

constexpr int kFeb = 1;
constexpr int kMar = 2;
constexpr int kApr = 3;
constexpr int kOct = 9;
constexpr int kOff = TSummerTimeInput::kDisable;
constexpr int kRep = TSummerTimeInput::kRepeating;
constexpr int kAnn = TSummerTimeInput::kAnnual;

// Ticked rows: the last Sunday of `month` at hour:minute; `day` of `month` at 2:00.
TSummerTimeDate At(int month, const char* hour = "2", const char* minute = "0", int week = 4) {
    return {true, month, week, 0, "", hour, minute};
}
TSummerTimeDate On(const char* day, int month) {
    return {true, month, -1, -1, day, "2", "0"};
}
TSummerTimeInput Input(int status, std::array<TSummerTimeDate, 2> repeating = {},
                       std::array<TSummerTimeDate, 2> annual = {}, const char* offset = nullptr) {
    return {true, status, offset != nullptr, offset != nullptr ? offset : "", repeating, annual};
}

struct RuleCase {
    const char* Name;
    TSummerTimeInput Input;
    const char* Refusal;
};

const RuleCase kRuleCases[] = {
    {"NoStatusChosen", Input(-1, {}, {}, "45"), kSummerStatusRefusal},
    {"NoStatusUnticked", {false, -1, false, "", {}, {}}, ""},
    {"Offset45", Input(kOff, {}, {}, "45"), kSummerOffsetRefusal},
    {"Offset150", Input(kOff, {}, {}, "150"), kSummerOffsetRefusal},
    {"OffsetNoNumber", Input(kOff, {}, {}, "6x"), kSummerOffsetRefusal},
    {"Offset120", Input(kOff, {}, {}, "120"), ""},
    {"OffsetEmptyLeftToThePanel", Input(kOff, {}, {}, ""), ""},
    {"OffsetBeforeDates", Input(kRep, {At(kOct), At(kOct)}, {}, "45"), kSummerOffsetRefusal},
    {"MarchToOctober", Input(kRep, {At(kMar), At(kOct)}), ""},
    {"BothOctober", Input(kRep, {At(kOct), At(kOct)}), kSummerMonthRefusal},
    {"BothOctoberOneUnticked", Input(kRep, {At(kOct), {false, kOct, 4, 0, "", "2", "0"}}), ""},
    {"TimeBeforeMonths", Input(kRep, {At(kMar), At(kMar, "24")}), kSummerTimeRefusal},
    {"NoWeek", Input(kRep, {At(kMar, "2", "0", -1)}), kSummerTimeRefusal},
    {"Hour23Minute59", Input(kRep, {At(kMar, "23", "59")}), ""},
    {"Minute60", Input(kRep, {At(kMar, "2", "60")}), kSummerTimeRefusal},
    {"NegativeHour", Input(kRep, {At(kMar, "-1")}), kSummerTimeRefusal},
    {"NoMinute", Input(kRep, {At(kMar, "2", "")}), kSummerTimeRefusal},
    {"Feb29", Input(kAnn, {}, {On("29", kFeb)}), kSummerTimeRefusal},
    {"Feb28", Input(kAnn, {}, {On("28", kFeb)}), ""},
    {"Apr31", Input(kAnn, {}, {On("31", kApr)}), kSummerTimeRefusal},
    {"Day0", Input(kAnn, {}, {On("0", kMar)}), kSummerTimeRefusal},
    {"AnnualSameMonth", Input(kAnn, {}, {On("1", kMar), On("30", kMar)}), kSummerMonthRefusal},
    {"OnlyTheKindChosen", Input(kRep, {}, {On("29", kFeb)}), ""},
    {"DisableLooksAtNoDate", Input(kOff, {At(kOct), At(kOct)}, {On("29", kFeb)}), ""},
};

class SummerTimeRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SummerTimeRulesTest, RefusesWithTheFirstFindingInOrder) {
    EXPECT_EQ(SummerTimeRefusal(GetParam().Input), GetParam().Refusal);
}

INSTANTIATE_TEST_SUITE_P(Cases, SummerTimeRulesTest, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- the dialog against the simulator ----

const std::string kSummer = "1.3.6.1.4.1.99917.12.10.12.";
// The switch as the other tests expect it: objects 1 to 6 under kSummer.
const char* const kStart[] = {"1", "60", "FF0001030200", "FF00010A0300", "1E030200", "1A0A0300"};

constexpr int kStatus = TSummerTimeForm::kStatusRow;
constexpr int kOffset = TSummerTimeForm::kOffsetRow;
constexpr int kRepStart = TSummerTimeForm::kRepeatStartRow;
constexpr int kRepEnd = TSummerTimeForm::kRepeatEndRow;
constexpr int kAnnStart = TSummerTimeForm::kAnnualStartRow;
constexpr int kAnnEnd = TSummerTimeForm::kAnnualEndRow;

class SummerTimeDialogTest : public DialogTest {
protected:
    void TearDown() override {
        Form.reset();
        for (int k = 0; k < 6; ++k) {
            WriteScalar((kSummer + std::to_string(k + 1)).c_str(),
                        k < 2 ? CvSyntax::integer : CvSyntax::octetstr, kStart[k]);
        }
        DialogTest::TearDown();
    }
    TSummerTimeForm& Open() {
        Form = std::make_unique<TSummerTimeForm>(nullptr);
        Form->show();
        EXPECT_TRUE(PumpUntil([&] { return !Memo().isEmpty(); }));
        Sent();  // what the test set up
        return *Form;
    }
    TEditsPanel& Editor() const { return *Form->Page()->Editor; }
    const TEditRow& Row(int row) const { return Editor().Rows[static_cast<std::size_t>(row)]; }
    QWidget* Part(int row, int k) const {
        return Form->CtrlsLists[static_cast<std::size_t>(row - kRepStart)][k + 1];
    }
    QString PartText(int row, int k) const {
        auto* combo = dynamic_cast<ComboBox*>(Part(row, k));
        return combo != nullptr ? combo->currentText() : static_cast<Edit*>(Part(row, k))->text();
    }
    std::vector<QString> Parts(int row) const {
        std::vector<QString> texts;
        for (int k = 0; k + 1 < static_cast<int>(Form->CtrlsLists[row - kRepStart].size()); ++k) {
            texts.push_back(PartText(row, k));
        }
        return texts;
    }
    void SetPart(int row, int k, const QString& text) const {
        if (auto* combo = dynamic_cast<ComboBox*>(Part(row, k))) {
            combo->setCurrentIndex(combo->findText(text));
        } else {
            static_cast<Edit*>(Part(row, k))->setText(text);
        }
    }
    void ChooseStatus(const QString& status) const {
        auto* combo = static_cast<ComboBox*>(Row(kStatus).ValueControl);
        const int index = combo->findText(status);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Ticks exactly `rows`, as the user clicks.
    void TickOnly(std::initializer_list<int> rows) const {
        Form->Page()->Buttons->ClearChecksButton->click();
        for (const int row : rows) {
            Row(row).SelectBox->click();
        }
    }
    void Set() const { Form->Page()->Buttons->SetButton->click(); }
    // The switch set to `status` behind the dialog, then Get: the rows of
    // that kind are read.
    void ReadAs(const QString& status) {
        auto* combo = static_cast<ComboBox*>(Row(kStatus).ValueControl);
        WriteScalar((kSummer + "1").c_str(), CvSyntax::integer,
                    std::to_string(combo->findText(status)));
        Form->Page()->Buttons->RefreshButton->click();
        ASSERT_EQ(Editor().RowText(kStatus), status);
        Sent();
    }
    QString Memo() const { return Form->Page()->Messages()->MessageMemo->toPlainText(); }
    QString LastLine() const { return Memo().split('\n').last(); }
    bool Shown(int row) const {
        const bool flagged =
            (Form->Binding()->Request->Vars.Item(row).Access & CvAccess::hidden) != 0;
        EXPECT_EQ(flagged, Row(row).ValueControl->isHidden()) << row;
        return !flagged;
    }

    std::unique_ptr<TSummerTimeForm> Form;
};

TEST_F(SummerTimeDialogTest, OpensWithTheRowsOfTheKindInForceReadFromTheSwitch) {
    struct Case {
        const char* Status;
        QString Shown;
        std::vector<int> Rows;
        std::vector<QString> First;
        std::vector<QString> Second;
    };
    const Case cases[] = {
        {"1",
         "repeating",
         {kRepStart, kRepEnd},
         {"Mar", "last", "Sun", "2", "0"},
         {"Oct", "last", "Sun", "3", "0"}},
        {"2", "annual", {kAnnStart, kAnnEnd}, {"30", "Mar", "2", "0"}, {"26", "Oct", "3", "0"}},
        {"0", "disable", {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Status);
        WriteScalar((kSummer + "1").c_str(), CvSyntax::integer, c.Status);
        TSummerTimeForm& form = Open();
        EXPECT_EQ(form.windowTitle(), "Summer Time");
        EXPECT_EQ(Editor().RowText(kStatus), c.Shown);
        EXPECT_EQ(Editor().RowText(kOffset), "60");
        EXPECT_EQ(Memo().count("Ok!"), 2) << Memo().toStdString();
        for (int row = kRepStart; row <= kAnnEnd; ++row) {
            EXPECT_EQ(Shown(row), std::find(c.Rows.begin(), c.Rows.end(), row) != c.Rows.end())
                << row;
        }
        if (!c.Rows.empty()) {
            EXPECT_EQ(Parts(c.Rows[0]), c.First);
            EXPECT_EQ(Parts(c.Rows[1]), c.Second);
        } else {
            for (int row = kRepStart; row <= kAnnEnd; ++row) {
                const std::vector<QString> parts = Parts(row);
                EXPECT_EQ(parts, std::vector<QString>(parts.size())) << "not read, nothing chosen";
            }
        }
        // A write marks the rows whose parts all hold something.
        TickOnly({kOffset});
        Set();
        for (int row = kRepStart; row <= kAnnEnd; ++row) {
            const auto* container = static_cast<TRowPanel*>(Part(row, -1));
            const bool read = std::find(c.Rows.begin(), c.Rows.end(), row) != c.Rows.end();
            EXPECT_EQ(container->Text, read ? "-" : "") << row;
        }
        EXPECT_EQ(Sent(), std::vector<std::string>{kSummer + "2.0=60"});
    }
}

TEST_F(SummerTimeDialogTest, EachPartWritesItsOwnOctetsAndNoOthers) {
    Open();
    struct Case {
        const char* Status;
        int Row;
        int Part;  // -1: as read
        const char* Text;
        std::string Sent;
    };
    // The switch's status is left as it is: only the ticked row goes.
    // One after the other: each step changes one part of what the last one wrote.
    const Case cases[] = {
        {"repeating", kRepStart, -1, "", "3.0=ff0001030200"},  // last Sunday of March, 2:00
        {"repeating", kRepStart, 0, "Apr", "3.0=ff0001040200"},
        {"repeating", kRepStart, 1, "2nd", "3.0=020001040200"},
        {"repeating", kRepStart, 2, "Sat", "3.0=020007040200"},
        {"repeating", kRepStart, 3, "23", "3.0=020007041700"},
        {"repeating", kRepStart, 4, "59", "3.0=02000704173b"},
        {"repeating", kRepEnd, 1, "1st", "4.0=0100010a0300"},
        {"annual", kAnnEnd, -1, "", "6.0=1a0a0300"},
        {"annual", kAnnEnd, 0, "31", "6.0=1f0a0300"},
        {"annual", kAnnEnd, 1, "Dec", "6.0=1f0c0300"},
        {"annual", kAnnEnd, 2, "4", "6.0=1f0c0400"},
        {"annual", kAnnEnd, 3, "30", "6.0=1f0c041e"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Sent);
        if (c.Part < 0) {
            ReadAs(c.Status);
        }
        TickOnly({c.Row});
        if (c.Part >= 0) {
            SetPart(c.Row, c.Part, c.Text);
        }
        Set();
        EXPECT_EQ(Sent(), std::vector<std::string>{kSummer + c.Sent});
        EXPECT_TRUE(Boxes.empty()) << LastBox().toStdString();
        EXPECT_TRUE(LastLine().contains("Ok!")) << Memo().toStdString();
    }
    EXPECT_EQ(ReadScalar((kSummer + "3").c_str(), CvSyntax::octetstr), "02000704173B");
}

TEST_F(SummerTimeDialogTest, TheStatusGoesAloneFirstThenTheOffsetAndTheDatesOfItsKind) {
    Open();
    struct Case {
        const char* Status;
        std::vector<int> Ticked;
        std::vector<std::vector<std::string>> Requests;
    };
    const Case cases[] = {
        {"annual",
         {kStatus, kOffset, kAnnStart, kAnnEnd},
         {{"1.0=2"}, {"2.0=60", "5.0=1e030200", "6.0=1a0a0300"}}},
        {"repeating", {kStatus, kRepEnd}, {{"1.0=1"}, {"4.0=ff00010a0300"}}},
        {"repeating", {kStatus}, {{"1.0=1"}}},
        {"disable", {kStatus, kOffset}, {{"1.0=0"}, {"2.0=60"}}},
        {"annual", {kOffset}, {{"2.0=60"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Status);
        ReadAs(c.Status);
        Form->Page()->Buttons->ClearChecksButton->click();
        for (const int row : c.Ticked) {
            Row(row).SelectBox->click();
        }
        Set();
        std::vector<std::vector<std::string>> expected;
        for (const auto& request : c.Requests) {
            expected.emplace_back();
            for (const std::string& varbind : request) {
                expected.back().push_back(kSummer + varbind);
            }
        }
        EXPECT_EQ(SentRequests(), expected);
        EXPECT_TRUE(Boxes.empty()) << LastBox().toStdString();
    }
}

TEST_F(SummerTimeDialogTest, ChecksRefuseBeforeAnythingIsSentAndKeepWhatWasTyped) {
    Open();
    ReadAs("annual");
    Form->Page()->Buttons->CheckAllButton->click();
    SetPart(kAnnStart, 0, "29");
    SetPart(kAnnStart, 1, "Feb");
    const QString memo = Memo();
    Set();
    EXPECT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(LastBox(), kSummerTimeRefusal);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Memo(), memo);
    EXPECT_EQ(Parts(kAnnStart), (std::vector<QString>{"29", "Feb", "2", "0"}));
    static_cast<Edit*>(Row(kOffset).ValueControl)->setText("120");
    TickOnly({kOffset});
    Set();
    EXPECT_EQ(Sent(), std::vector<std::string>{kSummer + "2.0=120"});
}

TEST_F(SummerTimeDialogTest, ChoosingAKindShowsItsRowsAndHidesAndUnticksTheOthersAtOnce) {
    Open();
    struct Case {
        const char* Status;
        std::vector<int> Shown;
    };
    const Case cases[] = {
        {"annual", {kAnnStart, kAnnEnd}}, {"repeating", {kRepStart, kRepEnd}}, {"disable", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Status);
        Form->Page()->Buttons->CheckAllButton->click();
        ChooseStatus(c.Status);
        for (int row = kRepStart; row <= kAnnEnd; ++row) {
            const bool shown = std::find(c.Shown.begin(), c.Shown.end(), row) != c.Shown.end();
            EXPECT_EQ(Shown(row), shown) << row;
            EXPECT_EQ(Row(row).SelectBox->isChecked(), shown) << row;
        }
        if (!c.Shown.empty()) {
            EXPECT_EQ(Row(c.Shown[0]).ValueControl->y(),
                      Row(kOffset).ValueControl->y() + Row(kOffset).ValueControl->height() + 5)
                << "laid out under the offset";
        }
    }
    EXPECT_TRUE(Sent().empty());
}

TEST_F(SummerTimeDialogTest, ADeviceRefusalIsShownAndTheDialogStaysUsable) {
    TSummerTimeForm& form = Open();
    // The switch ends the rule in October: a start in October is refused.
    TickOnly({kRepStart});
    SetPart(kRepStart, 0, "Oct");
    Set();
    EXPECT_EQ(Sent(), std::vector<std::string>{kSummer + "3.0=ff00010a0200"});
    EXPECT_TRUE(LastLine().startsWith("Set: ")) << Memo().toStdString();
    EXPECT_FALSE(LastLine().contains("Ok!"));
    EXPECT_EQ(PartText(kRepStart, 0), "Oct");
    EXPECT_EQ(ReadScalar((kSummer + "3").c_str(), CvSyntax::octetstr), "FF0001030200");

    ReadAs("annual");
    // The read community may not write: the switch refuses the status.
    form.Binding()->Request->WriteCommunity = "vesper";
    TickOnly({kStatus, kAnnStart});
    SetPart(kAnnStart, 0, "1");
    Set();
    EXPECT_TRUE(LastLine().contains("No Access!")) << Memo().toStdString();
    EXPECT_EQ(SentRequests().size(), 1u) << "the dates wait for the status";
    EXPECT_EQ(PartText(kAnnStart, 0), "1");
    EXPECT_EQ(Editor().RowText(kStatus), "annual");
    form.Binding()->Request->WriteCommunity = "lantern";
    Set();
    EXPECT_EQ(Sent(), (std::vector<std::string>{kSummer + "1.0=2", kSummer + "5.0=01030200"}));
    EXPECT_TRUE(LastLine().contains("Ok!")) << Memo().toStdString();
}

TEST_F(SummerTimeDialogTest, AFailedReadIsShownOnceAndTheRowsFollowTheStatusShown) {
    agents::SilentUdpPort silent;
    UseSimulator(silent.Port());
    Form = std::make_unique<TSummerTimeForm>(nullptr);
    Form->Binding()->Request->Timeout = 5;
    Form->show();
    EXPECT_TRUE(PumpUntil([&] { return !Memo().isEmpty(); }));
    EXPECT_TRUE(Memo().startsWith("Get: (SNMPClass) SNMP request timed out!"))
        << Memo().toStdString();
    EXPECT_EQ(Memo().count('\n'), 0) << "no second read after the status failed";
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Shown(kRepStart) && Shown(kRepEnd) && !Shown(kAnnStart) && !Shown(kAnnEnd));
    EXPECT_TRUE(Form->Page()->isEnabled());
    Form.reset();
    UseSimulator();  // the switch is put back as it was
}

TEST_F(SummerTimeDialogTest, ClosingDuringAReadEndsCleanly) {
    static agents::VantaSimAgent slow({"--delay", "150"});
    UseSimulator(slow.Port());
    bool shown = false;
    OnModal([&](QDialog& dialog) {
        shown = true;
        QTimer::singleShot(50, &dialog, [&dialog] { dialog.close(); });  // the first read is out
    });
    TDialogContext context;
    OpenDialog("TSummerTimeForm", context);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Boxes.empty());
    PumpFor(200);  // late replies find nothing
}

}  // namespace
}  // namespace gui_test
