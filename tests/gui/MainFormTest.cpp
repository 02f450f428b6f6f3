// The main window as the host starts it: a registry file, the device's .cfg
// file and the command line, against the simulator.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>

#include "ConfigWinTestSupport.h"
#include "CvCatalogues.h"
#include "CvDesktop.h"
#include "CvDisplay.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSettings.h"
#include "CvUnitPanels.h"
#include "SilentUdpPort.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TConfigForm.h"
#include "TMainForm.h"
#include "TPanelVantaAForm.h"

namespace {

using gui_test::OnModal;
using gui_test::PumpUntil;
using gui_test::SharedSim;

constexpr char kRmonState[] = "1.3.6.1.4.1.99917.11.70.1.2.1.2.4";
constexpr char kDot1xState[] = "1.0.8802.1.1.1.1.1.1";

void WriteInteger(const char* oid, int value) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {{oid, "", CvSyntax::integer, gui_test::kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    request.Vars.Item(0).Value = std::to_string(value);
    request.Write(false, "");
}

class MainFormTest : public gui_test::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(Folder.isValid());
        // The host's installation: its configuration folder holds one .cfg per device.
        QDir(Folder.path()).mkpath("Conf/MBF");
        std::ofstream(Folder.filePath("registry.ini").toStdString())
            << "[SOFTWARE\\Corvane\\Quillon5.1\\MibFile]\nPath=" << ConfFolder() << "\n";
    }
    void TearDown() override {
        Form.reset();
        SetScreenDpiForTesting(0);
        CvDesktop::SetOpener(nullptr);
        GuiTest::TearDown();
    }

    std::string ConfFolder() const { return Folder.filePath("Conf/MBF/").toStdString(); }

    void WriteCfg(const std::string& address, std::uint16_t port, int version) {
        std::ofstream(ConfFolder() + address + ".cfg")
            << "[Program Information]\nAgentPort=" << port << "\nVersion=" << version
            << "\nSecurityModel=" << (version == 0 ? 1 : 2)
            << "\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    }

    // Started like the host does it, for the simulator over `version`.
    TMainForm& Start(int version = 1, std::uint16_t port = 0) {
        WriteCfg("127.0.0.1", port != 0 ? port : SharedSim().Port(), version);
        return Start({"/I127.0.0.1", "/Rlantern", "/Wlantern"});
    }
    TMainForm& Start(const std::vector<std::string>& args) {
        TMainFormEnvironment environment;
        environment.Registry = CvRegistry(Folder.filePath("registry.ini").toStdString());
        environment.SessionFolder = Folder.path().toStdString();
        Form = std::make_unique<TMainForm>(args, std::move(environment));
        return *Form;
    }

    bool ItemEnabled(const char* name) const {
        const auto* action = Form->menuBar()->findChild<QAction*>(name);
        return action != nullptr && action->isEnabled();
    }
    QString StatusText() const { return Form->Status->Panel(0)->text(); }

    QTemporaryDir Folder;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(MainFormTest, StartsOnTheDeviceOfTheCommandLineWithTheCfgFileSettings) {
    TMainForm& form = Start(1);
    EXPECT_EQ(form.windowTitle(), "127.0.0.1");
    EXPECT_EQ(GlobalDevice().Port, SharedSim().Port());
    EXPECT_EQ(GlobalSecurity().Version, 1);
    EXPECT_EQ(form.Texts.FReadCommunity, "lantern");
    EXPECT_TRUE(form.Flags.CfgFileFound);
    EXPECT_FALSE(ItemEnabled("VACM1"));  // not an SNMPv3 launch
    EXPECT_EQ(form.width(), 800);
    EXPECT_EQ(form.FScale, 1.0f);
}

TEST_F(MainFormTest, ScaleFollowsTheScreen) {
    SetScreenDpiForTesting(120);
    TMainForm& form = Start(1);
    EXPECT_TRUE(form.FLargeFonts);
    EXPECT_EQ(form.FScale, 1.25f);
    EXPECT_EQ(form.Values.Scale, 1.25f);
}

// Where the toolkit scales every window for the screen, large fonts leave
// the sizes as they are: the windows are not enlarged twice.
TEST_F(MainFormTest, LargeFontsOnAScreenTheToolkitScalesKeepTheSizes) {
    SetScreenDpiForTesting(120, 1.25);
    TMainForm& form = Start(1);
    EXPECT_TRUE(form.FLargeFonts);
    EXPECT_EQ(form.FScale, 1.25f);
    EXPECT_EQ(form.Values.Scale, 1.0f);
    QSize shown;
    OnModal([&](QDialog& dialog) {
        shown = dialog.size();
        dialog.reject();
    });
    form.AboutClick();
    EXPECT_EQ(shown, QSize(323, 105));
}

// Run on a screen Qt scales by a quarter (ctest's gui.LargeFontsScreen sets
// QT_SCALE_FACTOR=1.25): large fonts, and windows a quarter larger on the
// screen, scaled once.
class LargeFontsScreen : public MainFormTest {};

TEST_F(LargeFontsScreen, WindowsAreAQuarterLargerOnTheScreen) {
    if (ToolkitScale() == 1.0) {
        GTEST_SKIP() << "needs a screen the toolkit scales (QT_SCALE_FACTOR=1.25)";
    }
    EXPECT_EQ(ScreenDpi(), 120);
    TMainForm& form = Start(1);
    EXPECT_TRUE(form.FLargeFonts);
    EXPECT_EQ(form.FScale, 1.25f);
    form.show();
    const double ratio = form.devicePixelRatioF();
    EXPECT_EQ(qRound(form.width() * ratio), 1000) << "800 x 1.25";
    QSize shown;
    OnModal([&](QDialog& dialog) {
        shown = dialog.size() * dialog.devicePixelRatioF();
        dialog.reject();
    });
    form.AboutClick();
    EXPECT_NEAR(shown.width(), 323 * 1.25, 1.0);
    EXPECT_NEAR(shown.height(), 105 * 1.25, 1.0);
}

// Closing the main window while Refresh Panel waits for the old panel's LED
// poll (the device went silent) frees that panel once and builds no other.
TEST_F(MainFormTest, ClosingWhileTheOldPanelShutsDownFreesItOnce) {
    TMainForm& form = Start(1);
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return form.Panels->PanelCreated; }));
    TPanelVantaAForm* panel = form.Panels->LastPanelForm;
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !panel->LedRequest->Busy; }));
    agents::SilentUdpPort silent;
    CvSNMPRequest& poll = *panel->LedRequest->Request;
    poll.Port = silent.Port();
    poll.Timeout = 50;  // the close waits for this poll
    panel->LedRequest->Poll();
    ASSERT_TRUE(panel->LedRequest->Busy);
    QTimer::singleShot(100, &form, [&form] { form.close(); });
    form.RefreshPanel1Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Panels->PanelFormList.isEmpty());
    EXPECT_EQ(form.Panels->LastPanelForm, nullptr);
    EXPECT_TRUE(form.Panels->PortButtonList.isEmpty());
}

TEST_F(MainFormTest, WithoutArgumentsSaysSoAndEnds) {
    TMainForm& form = Start(std::vector<std::string>{});
    EXPECT_TRUE(form.TerminateRequested);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "No parameter input");
}

TEST_F(MainFormTest, NumberThatIsNoneEndsStartUp) {
    EXPECT_THROW(Start({"/I127.0.0.1", "/vthree"}), CvLaunchError);
}

TEST_F(MainFormTest, FirstActivationAppliesTheRulesFromTheDevice) {
    Start(1);
    WriteInteger(kRmonState, 2);   // disabled
    WriteInteger(kDot1xState, 1);  // enabled
    Form->show();
    ASSERT_TRUE(PumpUntil([&] { return Form->Panels->PanelCreated; }));
    EXPECT_EQ(Form->ST_RmonState->text(), "disabled");
    EXPECT_FALSE(ItemEnabled("Statistics1"));
    EXPECT_FALSE(ItemEnabled("History1"));
    EXPECT_FALSE(ItemEnabled("AlarmEvent1"));
    EXPECT_TRUE(ItemEnabled("Auth1"));

    WriteInteger(kRmonState, 3);
    WriteInteger(kDot1xState, 2);
    Form->ApplyRmonRule();
    Form->ApplyAuthRule();
    EXPECT_TRUE(ItemEnabled("Statistics1"));
    EXPECT_FALSE(ItemEnabled("Auth1"));
}

TEST_F(MainFormTest, UnreadableStateLeavesTheItemsAndReportsInTheStatusBar) {
    agents::SilentUdpPort silent;
    Start(1, silent.Port());
    GlobalSecurity().Version = 1;
    Form->ApplyRmonRule();
    EXPECT_TRUE(ItemEnabled("Statistics1"));
    EXPECT_EQ(StatusText().toStdString(), CodeMessage(-405));
}

TEST_F(MainFormTest, IfXTableOfAnSnmpV1LaunchIsReadWithSnmpV2c) {
    Start(0);
    int versionWhileOpen = -1;
    QString caption;
    OnModal([&](QDialog& dialog) {
        versionWhileOpen = GlobalSecurity().Version;
        caption = dialog.windowTitle();
        dialog.reject();
    });
    Form->OpenPage("IFXTable1");
    EXPECT_EQ(versionWhileOpen, 1);
    EXPECT_EQ(caption, "IfX Table");
    EXPECT_EQ(GlobalSecurity().Version, 0);
}

TEST_F(MainFormTest, ClosingRmonControlReappliesTheRmonRule) {
    Start(1);
    WriteInteger(kRmonState, 3);
    OnModal([&](QDialog& dialog) {
        WriteInteger(kRmonState, 2);  // as if the page had set it
        dialog.reject();
    });
    Form->OpenPage("RMONSetting1");
    EXPECT_FALSE(ItemEnabled("Statistics1"));
    WriteInteger(kRmonState, 3);
}

TEST_F(MainFormTest, EntriesWithoutWindowSayThatTheyAreNotAvailable) {
    Start(1);
    Form->menuBar()->findChild<QAction*>("PayloadMaskInformation1")->trigger();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Information);
    EXPECT_EQ(Boxes[0].Text, "This page is not available in this version.");
}

TEST_F(MainFormTest, DialogEntriesOpenTheirDialogs) {
    Start(1);
    const std::pair<const char*, const char*> entries[] = {
        {"StaticForm1", "VlanStaticForm"}, {"CurrentForm1", "VLanCurrentTableForm"},
        {"About1", "AboutForm"},           {"PortTrunk2", "PortTrunkForm"},
        {"Information2", "STP_Info"},      {"EthernetMask1", "EthernetMaskInformationForm"},
        {"IPv6Rule1", "Ipv6RuleForm"},
    };
    for (const auto& [entry, form] : entries) {
        QString shown;
        OnModal([&](QDialog& dialog) {
            shown = dialog.objectName();
            dialog.reject();
        });
        Form->menuBar()->findChild<QAction*>(entry)->trigger();
        EXPECT_EQ(shown, form) << entry;
    }
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(MainFormTest, HelpOpensTheFileBesideTheProgramOrSaysItIsMissing) {
    Start(1);
    QStringList opened;
    CvDesktop::SetOpener([&](const QString& path) {
        opened << path;
        return true;
    });
    const QString path = TMainForm::HelpFilePath();
    ASSERT_FALSE(QFile::exists(path));  // nothing beside the test program
    Form->HelpClick();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "The help file " + path + " was not found.");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Form->HelpClick();
    QFile::remove(path);
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(MainFormTest, ViewerWithoutHostReportsNoPath) {
    Start(1);
    Form->LaunchViewer("/TMIB_Info");
    EXPECT_EQ(StatusText(), "No Path!");
}

}  // namespace
