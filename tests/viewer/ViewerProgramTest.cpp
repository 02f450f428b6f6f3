// vanta-viewer as the module starts it: under a group's name, with the
// module's switches, over SNMPv3 with vanta-sim's users.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "AgentProcess.h"
#include "GuiTestSupport.h"
#include "VantaSimAgent.h"

namespace {

struct ProgramCase {
    const char* Name;
    const char* Page;
    const char* Cfg;  // the device's .cfg file; empty: none
    // After the address, communities and page; "PORT" stands for the simulator's.
    std::vector<std::string> V3Switches;
    int ExitCode;
    const char* Output;
};

void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.Name;
}

class ViewerProgramTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ViewerProgramTest, ReadsOnceAndSaysHowItWent) {
    const ProgramCase& c = GetParam();
    const std::string port = std::to_string(gui_test::SharedSim().Port());
    agents::TempDir dir("vanta-viewer-program");
    agents::WriteTextFile(dir.File("registry.ini"),
                          "[SOFTWARE\\Corvane\\Quillon5.1\\MibFile]\nPath=" + dir.Path() + "/\n");
    if (*c.Cfg != '\0') {
        std::string cfg = c.Cfg;
        cfg.replace(cfg.find("PORT"), 4, port);
        agents::WriteTextFile(dir.File("127.0.0.1.cfg"), "[Program Information]\n" + cfg);
    }
    QStringList args{"/I127.0.0.1", "/Rvesper", "/Wlantern", c.Page};
    for (std::string sw : c.V3Switches) {
        if (const std::size_t at = sw.find("PORT"); at != std::string::npos) {
            sw.replace(at, 4, port);
        }
        args << QString::fromStdString(sw);
    }
    QProcess viewer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VANTA_REGISTRY", QString::fromStdString(dir.File("registry.ini")));
    env.insert("VANTA_VIEWER_EXIT_AFTER_READ", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.Path()));
    viewer.setProcessEnvironment(env);
    viewer.setWorkingDirectory(QString::fromStdString(dir.Path()));  // its boots counter
    viewer.setProcessChannelMode(QProcess::SeparateChannels);
    viewer.start(VANTA_VIEWER_DIR "/MIB", args);
    ASSERT_TRUE(viewer.waitForFinished(60000)) << "the viewer did not end";
    const QString output = QString::fromUtf8(viewer.readAllStandardOutput());
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), c.ExitCode) << viewer.readAllStandardError().toStdString();
    EXPECT_TRUE(output.startsWith(c.Output)) << output.toStdString();
}

const ProgramCase kProgramCases[] = {
    {"AuthPrivFromTheCfgFile",
     "/TMIB_Info",
     "AgentPort=PORT\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=vanta-md5-des\n"
     "AuthProtocol=1\nPrivProtocol=1\nAuthPassword=md5-auth-secret\nPrivPassword=des-priv-secret\n",
     {"/tPORT", "/v3", "/d", "/m3", "/nvanta-md5-des", "/l3", "/a2", "/Amd5-auth-secret", "/p2",
      "/Pdes-priv-secret"},
     0,
     "first-read ok\n"},
    {"AuthPrivFromTheModulesCommandLineOnly",
     "/TMIB_IFCounters",
     "",
     {"/tPORT", "/v", "/d", "/m3", "/nvanta-sha-aes", "/l3", "/a3", "/Asha-auth-secret", "/p4",
      "/Paes-priv-secret"},
     0,
     "first-read ok\n"},
    {"AWrongPrivacyPassPhraseFails",
     "/TMIB_Info",
     "",
     {"/tPORT", "/v", "/d", "/m3", "/nvanta-md5-des", "/l3", "/a2", "/Amd5-auth-secret", "/p2",
      "/Pnot-the-secret"},
     3,
     "first-read failed: (SNMP"},
    {"AnUnknownPageEndsAtOnce",
     "/TMIB_Nothing",
     "",
     {},
     2,
     "first-read failed: Unknown viewer page: /TMIB_Nothing.\n"},
};

INSTANTIATE_TEST_SUITE_P(SnmpV3, ViewerProgramTest, ::testing::ValuesIn(kProgramCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
