// The viewer programs get the module's own launch parameters on their
// command line, and the host check reports a missing host in the status bar.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "CvRegistry.h"
#include "CvViewerLaunch.h"

namespace {

namespace fs = std::filesystem;

CvLaunchTexts V1Texts() {
    CvLaunchTexts t;
    t.FDeviceAddress = "10.90.90.90";
    t.FReadCommunity = "public";
    t.FWriteCommunity = "private";
    return t;
}

TEST(ViewerLaunchTest, CommandLinesCarryTheLaunchParameters) {
    CvLaunchTexts v3 = V1Texts();
    v3.FAgentPortText = "1161";
    v3.FSecurityModelText = "3";
    v3.FSecurityNameText = "admin";
    v3.FSecurityLevelText = "3";
    v3.FAuthProtocolText = "2";
    v3.FAuthPasswordText = "two words";
    v3.FPrivProtocolText = "2";
    CvLaunchFlags given;
    given.SecurityLevelGiven = given.AuthProtocolGiven = given.AuthPasswordGiven = true;
    given.PrivProtocolGiven = true;  // without a privacy pass phrase
    struct Case {
        const char* Name;
        CvLaunchTexts Texts;
        CvLaunchFlags Flags;
        int Version;
        const char* Page;
        const char* Expected;
    } const cases[] = {
        {"SnmpV1WithoutCfgFile",
         V1Texts(),
         {},
         0,
         "/TMIB_Info",
         "MIB /I10.90.90.90 /Rpublic /Wprivate /TMIB_Info"},
        {"SnmpV3FromTheCommandLine", v3, given, 3, "/TRmon_History",
         "Rmon /I10.90.90.90 /Rpublic /Wprivate /TRmon_History /t1161 /v /d /m3 /nadmin /l3 /a2 "
         "/Atwo words /p2"},
        {"V3SwitchesOnlyForV3Launches", v3, given, 1, "/TLayer3_RIP2",
         "Layer3 /I10.90.90.90 /Rpublic /Wprivate /TLayer3_RIP2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ViewerCommandLine(c.Texts, c.Flags, c.Version, c.Page), c.Expected) << c.Name;
    }
    EXPECT_EQ(ViewerGroup("/TEthernetLike_dot3StatsTable"), "EthernetLike");
}

TEST(ViewerLaunchTest, HostCheckAndDetachedStart) {
    const fs::path dir = fs::temp_directory_path() / ("vanta-viewer-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string registry = (dir / "registry.ini").string();
    const struct {
        const char* Text;
        const char* Expected;
    } checks[] = {
        {"", "No Path!"},
        {"[SOFTWARE\\Hewlett-Packard\\OpenView]\n", "OpenView : File Path Error!"},
        {"[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=/opt/ov\n", ""},
        {"[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\quillon5.exe]\n", ""},
    };
    for (const auto& c : checks) {
        std::ofstream(registry) << c.Text;
        EXPECT_EQ(ViewerHostCheck(CvRegistry(registry)), c.Expected) << c.Text;
    }

    // A viewer in the module folder writes its arguments, one per line.
    const fs::path out = dir / "args.txt";
    const fs::path viewer = dir / "MIB";
    std::ofstream(viewer) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > " << out.string() << ".tmp && mv "
                          << out.string() << ".tmp " << out.string() << "\n";
    ::chmod(viewer.c_str(), 0755);
    ASSERT_TRUE(StartViewer("MIB /Ihost /Rpub /TMIB_Info /Atwo words", dir.string()));
    for (int i = 0; i < 500 && !fs::exists(out); ++i) {
        std::this_thread::sleep_for(
            std::chrono::milliseconds(10));  // another process: no signal to await
    }
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "/Ihost\n/Rpub\n/TMIB_Info\n/Atwo\nwords\n");
    EXPECT_FALSE(StartViewer("NoSuchViewerProgram /Ihost", dir.string()));
    fs::remove_all(dir);
}

}  // namespace
