// The launch parameters as hosts write them: switches anywhere in an
// argument, the device's .cfg file read anew per argument, SNMPv3-only
// switches, and the folders from the registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CvLaunchParameters.h"
#include "CvRegistry.h"

namespace {

namespace fs = std::filesystem;

class LaunchFolder {
public:
    LaunchFolder()
        : FPath(fs::temp_directory_path() / ("vanta-launch-" + std::to_string(::getpid()))) {
        fs::create_directories(FPath);
    }
    ~LaunchFolder() { fs::remove_all(FPath); }
    std::string Path() const { return FPath.string() + "/"; }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(FPath / name) << text;
    }

private:
    fs::path FPath;
};

// What a case checks, in one line.
std::string Summary(const CvLaunchState& s) {
    std::ostringstream out;
    out << "addr=" << s.Device.Address << " port=" << s.Device.Port
        << " ver=" << int(s.Security.Version) << " level=" << s.Security.SecurityLevel
        << " auth=" << s.Security.AuthProtocol << " priv=" << s.Security.PrivProtocol
        << " name=" << s.Security.SecurityName << " ctx=" << s.Scope.ContextName
        << " R=" << s.Security.ReadCommunity << " | portText=" << s.Texts.FAgentPortText
        << " verText=" << s.Texts.FVersionText << " levelText=" << s.Texts.FSecurityLevelText
        << " ctxText=" << s.Texts.FContextNameText
        << " | flags=" << (s.Flags.CfgFileFound ? "F" : "") << (s.Flags.ContextNameGiven ? "C" : "")
        << (s.Flags.SecurityLevelGiven ? "L" : "") << (s.Flags.AuthProtocolGiven ? "A" : "")
        << (s.Flags.AuthPasswordGiven ? "a" : "") << (s.Flags.PrivProtocolGiven ? "P" : "")
        << (s.Flags.PrivPasswordGiven ? "p" : "");
    return out.str();
}

const char kV3Cfg[] =
    "[Program Information]\nAgentPort=1161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\n"
    "SecurityName=u\nAuthProtocol=1\nPrivProtocol=1\nAuthPassword=a-phrase\n"
    "PrivPassword=p-phrase\nContextName=ctx\n";
const char kZeroCfg[] =
    "[Program Information]\nAgentPort=161\nVersion=1\nSecurityModel=1\nSecurityLevel=0\n"
    "AuthProtocol=0\nPrivProtocol=0\n";

struct LaunchCase {
    const char* Name;
    const char* CfgFile;  // in the host configuration folder
    const char* CfgText;
    std::vector<std::string> Args;
    const char* Expected;
};

class LaunchParametersTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchParametersTest, SettingsTextsAndFlags) {
    const LaunchCase& c = GetParam();
    LaunchFolder folder;
    if (c.CfgFile != nullptr) {
        folder.Write(c.CfgFile, c.CfgText);
    }
    CvSNMPDevice device;
    CvSNMPScope scope;
    CvSNMPSecurity security;
    CvLaunchState state{device, scope, security, {}, {}};
    ApplyLaunchArguments(c.Args, folder.Path(), state);
    EXPECT_EQ(Summary(state), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Launches, LaunchParametersTest,
    ::testing::Values(
        LaunchCase{"AddressAloneReadsNoCfgFile",
                   "dev.cfg",
                   kV3Cfg,
                   {"/Idev"},
                   "addr=dev port=161 ver=0 level=1 auth=1 priv=1 name= ctx= R=vesper | portText= "
                   "verText= levelText= ctxText= | flags="},
        LaunchCase{"CfgFileReadForTheNextArgument",
                   "dev.cfg",
                   kV3Cfg,
                   {"/Idev", "/Rpublic"},
                   "addr=dev port=1161 ver=3 level=3 auth=2 priv=2 name=u ctx=ctx R=public | "
                   "portText=1161 verText=3 levelText=3 ctxText=ctx | flags=FCLAaPp"},
        LaunchCase{"ZerosInTheCfgFileKeepTheDefaults",
                   "dev.cfg",
                   kZeroCfg,
                   {"/Idev", "/Wx"},
                   "addr=dev port=161 ver=1 level=1 auth=1 priv=1 name= ctx= R=vesper | "
                   "portText=161 verText=1 levelText= ctxText= | flags=F"},
        LaunchCase{"CommunityBeforeAddressReadsTheUnnamedCfgFile",
                   ".cfg",
                   kZeroCfg,
                   {"/Rpublic", "/Idev"},
                   "addr=dev port=161 ver=1 level=1 auth=1 priv=1 name= ctx= R=public | "
                   "portText=161 verText=1 levelText= ctxText= | flags=F"},
        LaunchCase{"PortSwitchIgnoredBeforeVersionThree",
                   nullptr,
                   "",
                   {"/Idev", "/t1161"},
                   "addr=dev port=161 ver=0 level=1 auth=1 priv=1 name= ctx= R=vesper | portText= "
                   "verText= levelText= ctxText= | flags="},
        LaunchCase{"VersionSwitchOpensTheV3Switches",
                   nullptr,
                   "",
                   {"/Idev", "/v3", "/t1161", "/l0", "/nadmin", "/cinner"},
                   "addr=dev port=1161 ver=3 level=0 auth=1 priv=1 name=admin ctx=inner R=vesper "
                   "| portText=1161 verText= levelText= ctxText=inner | flags=C"},
        LaunchCase{"CfgFileOverridesAnEarlierSwitch",
                   "dev.cfg",
                   kV3Cfg,
                   {"/Idev", "/t2000", "/c"},
                   "addr=dev port=1161 ver=3 level=3 auth=2 priv=2 name=u ctx= R=vesper | "
                   "portText=1161 verText=3 levelText=3 ctxText=ctx | flags=FCLAaPp"},
        LaunchCase{"SwitchFoundInsideTheArgument",
                   nullptr,
                   "",
                   {"--host=/I10.90.90.90"},
                   "addr=10.90.90.90 port=161 ver=0 level=1 auth=1 priv=1 name= ctx= R=vesper | "
                   "portText= verText= levelText= ctxText= | flags="}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LaunchParametersFailureTest, NumbersThatAreNoneStopTheStart) {
    struct Case {
        const char* CfgText;
        std::vector<std::string> Args;
        const char* Message;
    } const cases[] = {
        {nullptr, {"/Idev", "/v3x"}, "'3x' is not a valid integer value"},
        {"[Program Information]\nVersion=1\n", {"/Idev", "/Rx"}, "'' is not a valid integer value"},
        {nullptr, {"/Idev", "/v3", "/t70000"}, "'70000' is not a valid port number"},
    };
    for (const Case& c : cases) {
        LaunchFolder folder;
        if (c.CfgText != nullptr) {
            folder.Write("dev.cfg", c.CfgText);
        }
        CvSNMPDevice device;
        CvSNMPScope scope;
        CvSNMPSecurity security;
        CvLaunchState state{device, scope, security, {}, {}};
        try {
            ApplyLaunchArguments(c.Args, folder.Path(), state);
            ADD_FAILURE() << "no error for " << c.Message;
        } catch (const CvLaunchError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST(LaunchParametersFailureTest, FoldersComeFromTheRegistry) {
    LaunchFolder folder;
    folder.Write("registry.ini",
                 "[SOFTWARE\\Corvane\\Modules\\HelpPath]\n"
                 "1.3.6.1.4.1.99917.10.70.1=/opt/vanta/Vanta-A.hlp\n"
                 "[SOFTWARE\\Corvane\\Quillon5.1\\ExePath]\nPath=/opt/quillon/bin/\n");
    const CvRegistry registry(folder.Path() + "registry.ini");
    EXPECT_EQ(ModuleFolder(registry), "/opt/vanta");  // without "/Vanta-A.hlp"
    EXPECT_EQ(HostConfigFolder(registry), "/opt/quillon/bin/../Conf/MBF/");
    folder.Write("registry.ini", "[SOFTWARE\\Corvane\\Quillon5.1\\MibFile]\nPath=/srv/cfg/\n");
    EXPECT_EQ(HostConfigFolder(CvRegistry(folder.Path() + "registry.ini")), "/srv/cfg/");
    EXPECT_EQ(ModuleFolder(CvRegistry(folder.Path() + "missing.ini")), "");
}

TEST(LaunchParametersFailureTest, BulkReadsAreOnlyOnWithAWholeNumberOfRows) {
    LaunchFolder folder;
    const std::pair<const char*, std::int32_t> cases[] = {
        {"25", 25}, {"0", 0}, {"1000", 1000}, {"1001", 0}, {"-5", 0}, {"2x", 0}, {"", 0}};
    for (const auto& [text, rows] : cases) {
        folder.Write("registry.ini", std::string("[SOFTWARE\\Corvane\\Modules\\Vanta-A]\n") +
                                         "BulkRepetitions=" + text + "\n");
        EXPECT_EQ(BulkRepetitionsSetting(CvRegistry(folder.Path() + "registry.ini")), rows)
            << text;
    }
    EXPECT_EQ(BulkRepetitionsSetting(CvRegistry(folder.Path() + "missing.ini")), 0);
}

}  // namespace
