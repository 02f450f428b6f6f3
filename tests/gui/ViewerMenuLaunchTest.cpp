// The menu's viewer entries start the viewer program of the page's group
// from the module's folder with the module's own launch parameters.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

#include <fstream>

#include "GuiTestSupport.h"
#include "StatusBar.h"
#include "TMainForm.h"

namespace {

using gui_test::PumpUntil;

struct LaunchCase {
    const char* Name;
    const char* Cfg;  // the device's .cfg file
    std::vector<std::string> Args;
    const char* Expected;  // the viewer's arguments, one line each
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
    *out << c.Name;
}

class ViewerMenuLaunchTest : public gui_test::GuiTest,
                             public ::testing::WithParamInterface<LaunchCase> {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(Folder.isValid());
        QDir(Folder.path()).mkpath("Conf/MBF");
        QDir(Folder.path()).mkpath("viewers");
        std::ofstream(Path("registry.ini"))
            << "[SOFTWARE\\Corvane\\Quillon5.1\\MibFile]\nPath=" << Path("Conf/MBF/") << "\n"
            << "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\quillon51.exe]\n"
            << "Path=/opt/quillon\n";
        // A stand-in viewer that tells how it was started.
        const std::string script = Path("viewers/MIB");
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"" << Path("args.tmp")
                              << "\"\nmv \"" << Path("args.tmp") << "\" \"" << Path("args.txt")
                              << "\"\n";
        QFile::setPermissions(QString::fromStdString(script),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        Form.reset();
        GuiTest::TearDown();
    }
    std::string Path(const char* name) const { return Folder.filePath(name).toStdString(); }

    QTemporaryDir Folder;
    std::unique_ptr<TMainForm> Form;
};

TEST_P(ViewerMenuLaunchTest, IfTableStartsTheGroupsProgramWithTheModulesParameters) {
    const LaunchCase& c = GetParam();
    std::ofstream(Path("Conf/MBF/127.0.0.1.cfg")) << "[Program Information]\n" << c.Cfg;
    TMainFormEnvironment environment;
    environment.Registry = CvRegistry(Path("registry.ini"));
    environment.SessionFolder = Folder.path().toStdString();
    environment.ViewerFolder = Path("viewers");
    Form = std::make_unique<TMainForm>(c.Args, std::move(environment));

    auto* entry = Form->menuBar()->findChild<QAction*>("IfTable1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "IF Table");
    entry->trigger();
    ASSERT_TRUE(PumpUntil([&] { return QFile::exists(Folder.filePath("args.txt")); }));
    QFile file(Folder.filePath("args.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              Folder.filePath("viewers/MIB") + "\n" + c.Expected);
    EXPECT_EQ(Form->Status->Panel(0)->text(), "");  // the host is installed
}

const LaunchCase kLaunchCases[] = {
    {"SnmpV2c",
     "AgentPort=16161\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol="
     "0\n",
     {"/I127.0.0.1", "/Rvesper", "/Wlantern"},
     "/I127.0.0.1\n/Rvesper\n/Wlantern\n/TMIB_IFTable\n"},
    {"SnmpV3FromTheCfgFile",
     "AgentPort=16161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=vanta-md5-des\n"
     "AuthProtocol=1\nPrivProtocol=1\nAuthPassword=md5-auth-secret\nPrivPassword=des-priv-secret\n",
     {"/I127.0.0.1", "/Rvesper", "/Wlantern"},
     "/I127.0.0.1\n/Rvesper\n/Wlantern\n/TMIB_IFTable\n/t16161\n/v3\n/d\n/m3\n/nvanta-md5-des\n"
     "/l3\n/a2\n/Amd5-auth-secret\n/p2\n/Pdes-priv-secret\n"},
};

INSTANTIATE_TEST_SUITE_P(Launches, ViewerMenuLaunchTest, ::testing::ValuesIn(kLaunchCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
