// The port-mirror and traffic-segmentation dialogs against the simulator.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "LinkAggregationDialogs.h"
#include "ListView.h"
#include "MirrorDialogs.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

const std::string kMirror = "1.3.6.1.4.1.99917.11.70.1.2.10.";
const std::string kSegment = "1.3.6.1.4.1.99917.11.70.1.2.14.1.1.";

using MirrorDialogTest = DialogTest;

TEST_F(MirrorDialogTest, TheTargetPortIsCheckedAgainstSourcesAndEnabledTrunks) {
    TDialogContext context;
    context.DeviceAddress = "127.0.0.1";
    TPortMirrorForm form(context);
    form.FormCreate();
    form.show();
    EXPECT_EQ(form.windowTitle(), "Port Mirror Table:127.0.0.1");
    ASSERT_EQ(form.ListOf(1)->LineCount(), 2) << "the hidden trunk view";
    EXPECT_FALSE(form.ListOf(1)->isVisible());

    struct Case {
        const char* Port;
        int Ingress;
        const char* Message;  // "" accepted
    };
    const Case cases[] = {
        {"5", 5, "Target port can not be member port!"},
        {"3", 1, "Target port can not be Trunk port!"},  // trunk 1 is enabled
        {"27", 1, "Set valid target port"},
        {"0", 1, "Set valid target port"},
        {"9", 1, ""},  // trunk 5 is disabled
        {"26", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Port);
        form.IngressGrid->UncheckAll();
        form.EgressGrid->UncheckAll();
        Tick(form.IngressGrid, {c.Ingress});
        SetText(form, "PortEdit", c.Port);
        const std::size_t boxes = Boxes.size();
        form.Button(TDialogAction::Set)->click();
        const std::vector<std::string> sent = Sent();
        if (*c.Message != '\0') {
            EXPECT_EQ(LastBox(), c.Message);
            EXPECT_TRUE(sent.empty());
            continue;
        }
        EXPECT_EQ(Boxes.size(), boxes);
        ASSERT_EQ(sent.size(), 4u) << "the four in one set";
        EXPECT_EQ(sent[0], kMirror + "1.0=" + c.Port);
        EXPECT_EQ(sent[1], kMirror + "2.0=8000000000000000");
    }
    // Without any source the user is warned, and the write still goes.
    form.IngressGrid->UncheckAll();
    form.Button(TDialogAction::Set)->click();
    EXPECT_EQ(LastBox(), "Ingress Ports and Egress Ports can not be empty.");
    EXPECT_EQ(Boxes.back().Type, CvMessageBox::Kind::Warning);
    EXPECT_EQ(Sent().size(), 4u);
    // A letter never reaches the port edit.
    Beeps.clear();
    QTest::keyClicks(form.findChild<QWidget*>("PortEdit"), "1x");
    EXPECT_EQ(Beeps.size(), 1u);
}

// The trunk view is read when the dialog opens: a trunk enabled since is the
// switch's to refuse, and the dialog stays usable.
TEST_F(MirrorDialogTest, ATargetTheSwitchRefusesIsReportedInTheStatusBar) {
    TPortMirrorForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    const auto setTrunk5 = [](const char* state) {
        TPortTrunkForm trunks(TDialogContext{});
        trunks.FormCreate();
        trunks.List->SelectLine(LineOf(*trunks.List, "5"));
        trunks.ListClick();
        trunks.ComboBox1->setCurrentText(state);
        trunks.Button(TDialogAction::Set)->click();
    };
    form.IngressGrid->UncheckAll();
    form.EgressGrid->UncheckAll();
    Tick(form.IngressGrid, {1});
    SetText(form, "PortEdit", "26");  // no member of trunk 5, which is enabled next
    form.Button(TDialogAction::Set)->click();
    setTrunk5("enable");
    Sent();
    SetText(form, "PortEdit", "9");
    form.Button(TDialogAction::Set)->click();
    const std::vector<std::string> sent = Sent();
    setTrunk5("disable");
    EXPECT_EQ(sent.size(), 4u);
    EXPECT_TRUE(form.Status->Panel(0)->text().contains("inconsistent", Qt::CaseInsensitive))
        << form.Status->Panel(0)->text().toStdString();
    EXPECT_EQ(Text(form, "PortEdit"), "9") << "what was entered stays";
    form.Button(TDialogAction::Refresh)->click();
    EXPECT_TRUE(form.Status->Panel(0)->text().contains("Ok!"));
}

TEST_F(MirrorDialogTest, SegmentationRefusesRefreshWhileReadingAndWritesTheSelectedPort) {
    TDialogContext context;
    TTrafficSegmentationForm form(context);
    form.FormCreate();
    form.show();
    form.Button(TDialogAction::Refresh)->click();  // the first walk has not ended
    EXPECT_EQ(LastBox(), "Refresh not complete");
    form.StopBtnClick();
    EXPECT_TRUE(form.Ready);
    const std::size_t boxes = Boxes.size();
    form.Button(TDialogAction::Refresh)->click();
    EXPECT_EQ(Boxes.size(), boxes) << "Stop made it ready";
    ASSERT_TRUE(PumpUntil([&] { return form.Ready; }));
    EXPECT_EQ(form.List->LineCount(), 26);
    EXPECT_FALSE(form.Button(TDialogAction::Set)->isEnabled());

    form.List->SelectLine(LineOf(*form.List, "2"));
    form.ListClick();
    EXPECT_EQ(Text(form, "Combo_Port"), "2");
    ASSERT_TRUE(form.Button(TDialogAction::Set)->isEnabled());
    Tick(form.ForwardGrid, {5}, false);
    form.Button(TDialogAction::Set)->click();
    ASSERT_TRUE(PumpUntil([&] { return form.Ready; }));
    EXPECT_EQ(Sent(), std::vector<std::string>{kSegment + "2.2=f7ffffc000000000"});
    EXPECT_EQ(Text(form, "Combo_Port"), "") << "written: the selection is cleared";

    form.List->SelectLine(LineOf(*form.List, "2"));
    form.ListClick();
    EXPECT_FALSE(form.ForwardGrid->PortCheckBoxes[4]->isChecked()) << "read again";
    Tick(form.ForwardGrid, {5});
    form.Button(TDialogAction::Set)->click();
    EXPECT_TRUE(PumpUntil([&] { return form.Ready; }));
    EXPECT_EQ(Sent().size(), 1u);
}

}  // namespace
}  // namespace gui_test
