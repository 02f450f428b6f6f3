// The layer-2 device control and packet storm dialogs against the simulator:
// only ticked fields are written, the web and Telnet ports follow their
// services, and the RMON entries of the main window are looked at again.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "CheckBox.h"
#include "ConfigWinTestSupport.h"
#include "DialogTestSupport.h"
#include "Edit.h"
#include "Layer2ControlDialogs.h"
#include "RadioGroup.h"
#include "TStackingPortUitForm.h"

namespace gui_test {
namespace {

const std::string kDev = "1.3.6.1.4.1.99917.11.70.1.2.1.2.";
// The switch as the other tests expect it: object under kDev, value.
const std::pair<const char*, const char*> kStart[] = {{"4", "3"},     {"7", "1"},     {"13.1", "3"},
                                                      {"13.2", "80"}, {"14.2", "23"}, {"15", "2"}};

class Layer2ControlDialogTest : public DialogTest {
protected:
    void TearDown() override {
        Form.reset();
        for (const auto& [arc, value] : kStart) {
            WriteScalar((kDev + arc).c_str(), CvSyntax::integer, value);
        }
        DialogTest::TearDown();
    }
    TLayer2ControlForm& Open() {
        TDialogContext context;
        context.DeviceAddress = "127.0.0.1";
        context.RefreshRmonMenu = [this] { ++RmonRefreshes; };
        Form = std::make_unique<TLayer2ControlForm>(context);
        Form->PortPauseMs = 1;
        Form->FormCreate();
        Form->show();
        return *Form;
    }
    CheckBox* Box(int n) const { return Form->findChild<CheckBox*>(QString("CheckBox%1").arg(n)); }
    Edit* EditOf(const char* name) const { return Form->findChild<Edit*>(name); }
    void Click(const char* button) const { Form->ButtonNamed(button)->click(); }
    QString Memo() const { return Form->Memo->toPlainText(); }

    std::unique_ptr<TLayer2ControlForm> Form;
    int RmonRefreshes = 0;
};

TEST_F(Layer2ControlDialogTest, OnlyTheTickedFieldsAreSentAndThePortsAreReadBack) {
    TLayer2ControlForm& form = Open();
    EXPECT_EQ(form.windowTitle(), "Layer2 Control: 127.0.0.1");
    EXPECT_EQ(Text(form, "WebPortEdit"), "80");
    // Changed behind the dialog: a port that is not written shows empty and
    // locked for a moment, then what the switch holds now.
    WriteScalar((kDev + "13.2").c_str(), CvSyntax::integer, "8081");
    WriteScalar((kDev + "14.2").c_str(), CvSyntax::integer, "2324");
    Sent();
    form.PortPauseMs = 100;
    bool emptyAndLocked = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &form, [&] {
        const Edit* web = EditOf("WebPortEdit");
        emptyAndLocked = emptyAndLocked || (web->isReadOnly() && web->text().isEmpty());
    });
    watch.start(5);
    struct Case {
        int Box;
        const char* Control;
        const char* Value;
        std::string Sent;
    };
    const Case cases[] = {
        {3, "RmonComBo", "disabled", kDev + "4.0=2"},
        {11, "edtMVlanID", "12", kDev + "7.0=12"},
        {10, "IPConfigComBo", "enabled", kDev + "15.0=1"},
        {7, "WebPortEdit", "8080", kDev + "13.2.0=8080"},
        {9, "TelPortEdit", "2323", kDev + "14.2.0=2323"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Control);
        Click("ClearButton");
        if (QString(c.Control).endsWith("ComBo")) {
            Choose(form, c.Control, c.Value);
        } else {
            SetText(form, c.Control, c.Value);
        }
        Box(c.Box)->setChecked(true);
        Click("SetButton");
        EXPECT_EQ(Sent(), std::vector<std::string>{c.Sent});
        EXPECT_EQ(Text(form, c.Control), c.Value) << "read back";
        if (c.Box == 3) {
            EXPECT_TRUE(emptyAndLocked);
            EXPECT_EQ(Text(form, "WebPortEdit"), "8081");
            EXPECT_EQ(Text(form, "TelPortEdit"), "2324");
            form.PortPauseMs = 1;
        }
    }
    EXPECT_FALSE(EditOf("WebPortEdit")->isReadOnly());
}

TEST_F(Layer2ControlDialogTest, APortFollowsItsServiceAndCheckAllLeavesAnIdleOneOut) {
    TLayer2ControlForm& form = Open();
    Choose(form, "WebStateComBo", "disabled");
    EXPECT_EQ(Text(form, "WebPortEdit"), "");
    EXPECT_FALSE(EditOf("WebPortEdit")->isEnabled());
    EXPECT_FALSE(Box(7)->isEnabled());
    for (const bool all : {true, false}) {
        Click(all ? "CheckButton" : "ClearButton");
        for (int n = 1; n <= 14; ++n) {
            EXPECT_EQ(Box(n)->isChecked(), all && n != 7) << n;
        }
    }
    // Written so: the port is neither written nor read.
    Box(6)->setChecked(true);
    Click("SetButton");
    EXPECT_EQ(Sent(), std::vector<std::string>{kDev + "13.1.0=2"});
    EXPECT_EQ(Text(form, "WebPortEdit"), "");
    Choose(form, "WebStateComBo", "enabled");
    EXPECT_TRUE(EditOf("WebPortEdit")->isEnabled());
    EXPECT_TRUE(Box(7)->isEnabled());
}

TEST_F(Layer2ControlDialogTest, ATickedEmptyFieldIsRefusedAndNothingIsSent) {
    TLayer2ControlForm& form = Open();
    struct Case {
        std::vector<const char*> Emptied;
        std::vector<int> Ticked;
        const char* Focus;  // the first in the order of the switch's objects
    };
    const Case cases[] = {
        {{"edtMVlanID"}, {3, 11}, "edtMVlanID"},
        {{"edtMVlanID", "VlanEdit"}, {11, 5}, "VlanEdit"},
        {{"edtNotifyInterval", "WebPortEdit"}, {7, 14}, "edtNotifyInterval"},
        {{"WebPortEdit", "TelPortEdit"}, {9, 7}, "WebPortEdit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Focus);
        Click("GetButton");
        Click("ClearButton");
        Boxes.clear();
        for (const char* edit : c.Emptied) {
            SetText(form, edit, "");
        }
        for (const int box : c.Ticked) {
            Box(box)->setChecked(true);
        }
        const QString memo = Memo();
        Click("SetButton");
        EXPECT_EQ(LastBox(), "Some Checked fields are empty.");
        EXPECT_EQ(Boxes.size(), 1u) << "one finding";
        EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>(c.Focus));
        EXPECT_EQ(Memo(), memo) << "nothing tried";
        EXPECT_TRUE(Sent().empty());
    }
}

TEST_F(Layer2ControlDialogTest, ARefusalKeepsWhatWasTypedAndClosingRereadsTheRmonState) {
    TLayer2ControlForm& form = Open();
    // The read community may not write: the switch refuses the set.
    form.DeviceCtrlRequest->Request->WriteCommunity = "vesper";
    SetText(form, "edtMVlanID", "5");
    Box(11)->setChecked(true);
    Click("SetButton");
    EXPECT_TRUE(Memo().endsWith("No Access!")) << Memo().toStdString();
    EXPECT_EQ(Text(form, "edtMVlanID"), "5");
    Sent();
    form.DeviceCtrlRequest->Request->WriteCommunity = "lantern";
    Click("SetButton");
    EXPECT_EQ(Sent(), std::vector<std::string>{kDev + "7.0=5"});
    // Closed while a port waits to be read back: the close waits for it;
    // then the RMON entries of the main menu follow the switch.
    form.PortPauseMs = 100;
    QTimer::singleShot(30, &form, [&] { form.close(); });
    Click("SetButton");
    EXPECT_EQ(RmonRefreshes, 0);
    EXPECT_TRUE(PumpUntil([&] { return !form.isVisible(); }));
    EXPECT_EQ(RmonRefreshes, 1);
}

using PacketStormDialogTest = DialogTest;

TEST_F(PacketStormDialogTest, RecoveryPortsAndTrapsAreShownAndWritten) {
    TPacketStormControlForm form(TDialogContext{});
    form.FormCreate();
    form.show();
    EXPECT_EQ(form.windowTitle(), "Packet Storm Control Form");
    auto* traps = form.findChild<RadioGroup*>("rgPktStromTrapCtrl");
    EXPECT_EQ(traps->ItemIndex(), 1) << "stormOccurred";
    for (int port = 1; port <= 26; ++port) {
        EXPECT_EQ(form.RecoverGrid->PortCheckBoxes[port - 1]->isChecked(), port <= 4 || port == 9);
    }
    const std::string storm = "1.3.6.1.4.1.99917.12.25.1.";
    // There and back, so that the switch ends as it started.
    struct Case {
        int Off, On, Trap;
        std::string Ports;
    };
    for (const Case& c : {Case{9, 26, 3, "f000004000000000"}, Case{26, 9, 1, "f080000000000000"}}) {
        Tick(form.RecoverGrid, {c.Off}, false);
        Tick(form.RecoverGrid, {c.On});
        traps->SetItemIndex(c.Trap);
        form.ButtonNamed("btnSet")->click();
        EXPECT_EQ(Sent(), (std::vector<std::string>{storm + "1.0=" + c.Ports,
                                                    storm + "2.0=" + std::to_string(c.Trap + 1)}));
        form.RecoverGrid->UncheckAll();
        form.ButtonNamed("btnGet")->click();
        EXPECT_TRUE(form.RecoverGrid->PortCheckBoxes[c.On - 1]->isChecked()) << "read back";
    }
}

}  // namespace
}  // namespace gui_test
