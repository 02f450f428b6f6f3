// The spanning-tree dialogs against the simulator: the confirmation and the
// progress waits, the timer rules, the MSTP mode and the port edit window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

#include "ConfigWinTestSupport.h"
#include "CvModal.h"
#include "DialogTestSupport.h"
#include "Edit.h"
#include "ListView.h"
#include "MstpPortStateDialogs.h"
#include "SpanningTreeDialogs.h"
#include "StatusBar.h"

namespace gui_test {
namespace {

const std::string kStpSwitch = "1.3.6.1.4.1.99917.11.70.1.2.1.2.1.0";
const char kStpVersion[] = "1.3.6.1.4.1.99917.12.15.1.2";
const std::string kStp = "1.3.6.1.4.1.99917.12.15.1.";
const std::string kPort = "1.3.6.1.4.1.99917.12.15.2.4.1.";

class SpanningTreeDialogTest : public DialogTest {
protected:
    // The windows shown modally, by caption; each closes itself or is closed.
    void RecordModals(const std::function<void(QDialog&)>& act = {}) {
        OnModal([this, act](QDialog& dialog) {
            Modals.push_back(dialog.windowTitle());
            if (act) {
                act(dialog);
            }
        });
    }
    std::vector<QString> Modals;
};

TEST_F(SpanningTreeDialogTest, EnablingIsConfirmedAndFollowedByTheProgressWait) {
    TSpanningTreeAlgorithmForm form(TDialogContext{});
    form.ProgressTickMs = 1;
    form.FormCreate();
    form.show();
    RecordModals();
    Choose(form, "ComboBox1", "enabled");
    ConfirmAnswer = false;
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(LastBox(), "To enable STP may take a long time. Do you want to go on?");
    EXPECT_TRUE(Sent().empty()) << "Cancel writes nothing";
    EXPECT_EQ(Text(form, "ComboBox1"), "disabled") << "read again";

    ConfirmAnswer = true;
    Choose(form, "ComboBox1", "enabled");
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(Sent(), std::vector<std::string>{kStpSwitch + "=3"});
    EXPECT_EQ(Modals, std::vector<QString>{"Enable STP Progress"});

    Choose(form, "ComboBox1", "disabled");
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(Sent(), std::vector<std::string>{kStpSwitch + "=2"});
    EXPECT_EQ(Modals.size(), 1u) << "switching off needs no wait";
}

class StpControlTest : public SpanningTreeDialogTest {
protected:
    TSTP_Info& Open(const char* mainVersion) {
        WriteScalar(kStpVersion, CvSyntax::integer, mainVersion == QString("mstp") ? "2" : "1");
        MainVersion.setText(mainVersion);
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        context.StpVersion = &MainVersion;
        Form = std::make_unique<TSTP_Info>(context);
        Form->ProgressTickMs = 1;
        Form->FormCreate();
        Form->show();
        Sent();  // the set-up's own writes
        return *Form;
    }
    void Fill(const char* age, const char* hello, const char* delay, const char* recover) {
        SetText(*Form, "ET_AgingTime", age);
        SetText(*Form, "ET_HelloTime", hello);
        SetText(*Form, "ET_ForwardDelay", delay);
        SetText(*Form, "ET_LBDRecover", recover);
    }
    QString Status() const { return Form->Status->Panel(0)->text(); }

    QLabel MainVersion;
    std::unique_ptr<TSTP_Info> Form;
};

TEST_F(StpControlTest, TimerRulesRefuseBeforeAnythingIsSent) {
    TSTP_Info& form = Open("rstp");
    EXPECT_EQ(form.windowTitle(), "Spanning Tree Control : 127.0.0.1");
    EXPECT_EQ(Text(form, "Combo_STPVersion"), "rstp");
    EXPECT_TRUE(form.ET_HelloTime->isEnabled());
    struct Case {
        const char* Age;
        const char* Hello;
        const char* Delay;
        const char* Recover;
        const char* Status;  // "" accepted
    };
    const Case cases[] = {
        {"2000", "200", "1000", "60", "Data Error !"},  // 1800 < 2000
        {"600", "300", "1500", "60", "Data Error !"},   // 600 < 800
        {"", "200", "1500", "60", "Don't Leave Empty Fileds !"},
        {"2000", "", "1500", "60", "Don't Leave Empty Fileds !"},
        {"2000", "200", "1500", "59", "LBD recover time value is wrong!"},
        {"2000", "200", "1500", "1000001", "LBD recover time value is wrong!"},
        {"2000", "200", "1500", "0", ""},
        {"600", "200", "1500", "60", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Age) + "/" + c.Hello + "/" + c.Delay + "/" + c.Recover);
        Boxes.clear();
        Fill(c.Age, c.Hello, c.Delay, c.Recover);
        form.Button(TDialogAction::Set)->click();
        const std::vector<std::string> sent = Sent();
        if (*c.Status != '\0') {
            EXPECT_EQ(Status(), c.Status);
            EXPECT_TRUE(sent.empty());
            const bool recoverBox = QString(c.Status).startsWith("LBD");
            EXPECT_EQ(Boxes.size(), recoverBox ? 1u : 0u);
            continue;
        }
        ASSERT_EQ(sent.size(), 9u) << "all nine parameters";
        EXPECT_EQ(sent[1], kStp + "3.0=" + c.Age);
        EXPECT_EQ(sent[2], kStp + "4.0=" + c.Hello);
    }
}

TEST_F(StpControlTest, MstpModeWritesWithoutHelloTimeAndWaitsForAVersionChange) {
    TSTP_Info& form = Open("rstp");
    WriteScalar("1.3.6.1.4.1.99917.11.70.1.2.1.2.1", CvSyntax::integer, "3");
    Sent();
    form.Button(TDialogAction::Refresh)->click();
    EXPECT_EQ(Text(form, "lbMSTPState"), "enabled");
    RecordModals();
    Choose(form, "Combo_STPVersion", "mstp");
    EXPECT_FALSE(form.ET_HelloTime->isEnabled());
    EXPECT_EQ(form.ET_HelloTime->text(), "");
    Fill("2000", "", "1500", "60");
    form.Button(TDialogAction::Set)->click();
    const std::vector<std::string> sent = Sent();
    ASSERT_EQ(sent.size(), 8u) << ::testing::PrintToString(sent);
    EXPECT_EQ(sent[0], kStp + "2.0=2");
    for (const std::string& line : sent) {
        EXPECT_NE(line.rfind(kStp + "4.0=", 0), 0u) << "no hello time in MSTP mode";
    }
    EXPECT_EQ(Modals, std::vector<QString>{"Set STP Progress"});
    EXPECT_EQ(MainVersion.text(), "mstp");

    // Back to RSTP with the spanning tree off: no wait.
    WriteScalar("1.3.6.1.4.1.99917.11.70.1.2.1.2.1", CvSyntax::integer, "2");
    Sent();
    form.Button(TDialogAction::Refresh)->click();
    Choose(form, "Combo_STPVersion", "rstp");
    EXPECT_EQ(form.ET_HelloTime->text(), "200");
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(Sent().size(), 9u);
    EXPECT_EQ(Modals.size(), 1u);
    EXPECT_EQ(MainVersion.text(), "rstp");
}

TEST_F(StpControlTest, ASwitchRefusalLeavesTheMainWindowsVersionAsTheSwitchHasIt) {
    TSTP_Info& form = Open("rstp");
    Choose(form, "Combo_STPVersion", "stp");
    Fill("2000", "200", "1500", "60");
    SetText(form, "ET_Priority", "21");  // beyond the switch's 20 hops
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(Sent().size(), 9u);
    EXPECT_TRUE(Status().contains("wrong", Qt::CaseInsensitive)) << Status().toStdString();
    EXPECT_EQ(MainVersion.text(), "rstp");
    EXPECT_EQ(Text(form, "ET_Priority"), "21") << "what was entered stays";
}

class PortStateTest : public SpanningTreeDialogTest,
                      public ::testing::WithParamInterface<const char*> {};

// In STP and RSTP the bridge's hello time holds: the port's is never sent.
TEST_P(PortStateTest, TheEditWindowSendsTheHelloTimeOnlyInMstpMode) {
    const bool mstp = GetParam() == std::string("mstp");
    WriteScalar(kStpVersion, CvSyntax::integer, mstp ? "2" : "1");
    TMSTPPortStateForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    WaitIdle(form);
    EXPECT_EQ(Text(form, "lblSTPVersion"), GetParam());
    ASSERT_EQ(form.List->LineCount(), 26);
    EXPECT_FALSE(form.ButtonNamed("btnEdit")->isEnabled());
    form.List->SelectLine(LineOf(*form.List, "3"));
    form.ListClick();
    ASSERT_TRUE(form.ButtonNamed("btnEdit")->isEnabled());
    RecordModals([](QDialog& edit) {
        EXPECT_FALSE(edit.findChild<QWidget*>("edtOperHelloTime")->isEnabled());
        edit.findChild<Edit*>("edtExtPathCost")->setText("30000");
        edit.findChild<QPushButton*>("btnEdit")->click();
    });
    form.btnEditClick();
    WaitIdle(form);
    EXPECT_EQ(Modals, std::vector<QString>{"Port State Information(Edit)"});
    const std::vector<std::string> sent = Sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), kPort + "5.3=30000"), sent.end());
    const bool hello = std::find(sent.begin(), sent.end(), kPort + "2.3=200") != sent.end();
    EXPECT_EQ(hello, mstp);
    EXPECT_FALSE(form.ButtonNamed("btnEdit")->isEnabled());
}

TEST_F(SpanningTreeDialogTest, APortValueTheSwitchRefusesEndsInTheMemo) {
    TMSTPPortStateForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    WaitIdle(form);
    form.List->SelectLine(LineOf(*form.List, "4"));
    form.ListClick();
    RecordModals([](QDialog& edit) {
        edit.findChild<Edit*>("edtExtPathCost")->setText("300000000");
        edit.findChild<QPushButton*>("btnEdit")->click();
    });
    form.btnEditClick();
    WaitIdle(form);
    EXPECT_FALSE(Sent().empty());
    EXPECT_TRUE(form.Memo->toPlainText().contains("wrong", Qt::CaseInsensitive))
        << form.Memo->toPlainText().toStdString();
    form.Button(TDialogAction::Refresh)->click();
    WaitIdle(form);
    EXPECT_EQ(form.List->LineCount(), 26) << "still usable";
}

INSTANTIATE_TEST_SUITE_P(Versions, PortStateTest, ::testing::Values("rstp", "mstp"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace gui_test
