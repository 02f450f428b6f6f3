// The viewer's own logic without a window or an agent: rates matched by row,
// their texts, the plot's history, and the launch arguments as the module
// writes them.
#include <gtest/gtest.h>

#include <QStringList>

#include <fstream>

#include "AgentProcess.h"
#include "CounterHistory.h"
#include "CvRegistry.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"
#include "CvViewerLaunch.h"
#include "SectionRates.h"
#include "ViewerLaunch.h"

namespace {

using Kind = CounterRate::Kind;
using Rows = std::vector<std::vector<std::string>>;

const CvSNMPVarDesc kRecords[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", CvSyntax::integer, CvAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", CvSyntax::displaystr, CvAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", CvSyntax::counter, CvAccess::readonly},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", CvSyntax::counter64, CvAccess::readonly},
    {},
};
const ViewerSection kTable{"Ports", MVT_UMV, 1, kRecords, nullptr};

// Two reads one second apart (100 ticks) unless said otherwise.
struct RatesCase {
    const char* Name;
    Rows First;
    Rows Second;
    std::uint32_t SecondUpTime;
    bool SecondUpTimeKnown;
    std::vector<QStringList> Expected;  // rate texts of the second read, per row
};

void PrintTo(const RatesCase& c, std::ostream* out) {
    *out << c.Name;
}

class SectionRatesTest : public ::testing::TestWithParam<RatesCase> {};

TEST_P(SectionRatesTest, SecondReadGivesEachRowItsRates) {
    const RatesCase& c = GetParam();
    SectionRates rates(kTable);
    ASSERT_EQ(rates.CounterRecords(), (std::vector<int>{2, 3}));
    for (const std::vector<CounterRate>& row : rates.Update(c.First, true, 1000)) {
        for (const CounterRate& rate : row) {
            EXPECT_EQ(rate.State, Kind::Unknown) << "nothing to compare the first read with";
        }
    }
    const auto second = rates.Update(c.Second, c.SecondUpTimeKnown, c.SecondUpTime);
    std::vector<QStringList> texts;
    for (const std::vector<CounterRate>& row : second) {
        texts.push_back({RateText(row[0]), RateText(row[1])});
    }
    EXPECT_EQ(texts, c.Expected);
}

const RatesCase kRatesCases[] = {
    {"RowsMatchedByTheirIndexNotTheirPlace",
     {{"1", "a", "1000", "1000"}, {"2", "b", "5000", "5000"}},
     {{"2", "b", "5500", "7000"}, {"1", "a", "1100", "1000"}},
     1100,
     true,
     {{"500.0/s", "2,000.0/s"}, {"100.0/s", "0.0/s"}}},
    {"ANewRowHasNoRateYet",
     {{"1", "a", "1000", "1000"}},
     {{"1", "a", "1100", "1100"}, {"3", "c", "10", "10"}},
     1100,
     true,
     {{"100.0/s", "100.0/s"}, {"", ""}}},
    {"A32BitCounterWrapsA64BitOneThatFallsRestarted",
     {{"1", "a", "4294967000", "9000"}},
     {{"1", "a", "100", "10"}},
     1100,
     true,
     {{"396.0/s", "restart"}}},
    {"AnAgentRestartIsNoRate",
     {{"1", "a", "1000", "1000"}},
     {{"1", "a", "2000", "2000"}},
     50,
     true,
     {{"restart", "restart"}}},
    {"NoUpTimeNoRate",
     {{"1", "a", "1000", "1000"}},
     {{"1", "a", "2000", "2000"}},
     1100,
     false,
     {{"", ""}}},
    {"AValueThatIsNoNumberHasNoRate",
     {{"1", "a", "", "1000"}},
     {{"1", "a", "2000", "x"}},
     1100,
     true,
     {{"", ""}}},
};

INSTANTIATE_TEST_SUITE_P(Reads, SectionRatesTest, ::testing::ValuesIn(kRatesCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RateTextTest, OneReadableStyle) {
    const std::pair<CounterRate, const char*> cases[] = {
        {{Kind::Unknown, 5}, ""},
        {{Kind::Discontinuity, 0}, "restart"},
        {{Kind::Rate, 0.04}, "0.0/s"},
        {{Kind::Rate, 12.34}, "12.3/s"},
        {{Kind::Rate, 1234567.25}, "1,234,567.3/s"},
    };
    for (const auto& [rate, text] : cases) {
        EXPECT_EQ(RateText(rate), text) << rate.PerSecond;
    }
}

CounterRate Rate(double perSecond) {
    return {Kind::Rate, perSecond};
}

TEST(CounterHistoryTest, KeepsTenMinutesOfEachRow) {
    constexpr std::int64_t kMinute = 60 * 1000;
    CounterHistory history;
    history.Add("1", 0, {Rate(1)});
    history.Add("2", 0, {Rate(1)});
    history.Add("1", 5 * kMinute, {Rate(2)});
    history.Add("1", 10 * kMinute, {Rate(3)});
    EXPECT_EQ(history.SampleCount("1"), 3u) << "ten minutes exactly are still shown";
    history.Add("1", 10 * kMinute + 1, {Rate(4)});
    EXPECT_EQ(history.SampleCount("1"), 3u);
    EXPECT_FALSE(history.Has("2")) << "a row no longer read goes with its last sample";
    const auto lines = history.Lines("1", 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].front().AtMs, 5 * kMinute);
    EXPECT_EQ(lines[0].back().PerSecond, 4);
}

TEST(CounterHistoryTest, RestartsAndMissingRatesBreakTheLine) {
    CounterHistory history;
    const std::vector<std::vector<CounterRate>> reads = {
        {Rate(1), {}},      {Rate(2), Rate(20)}, {{Kind::Discontinuity, 0}, Rate(30)},
        {Rate(3), {}},      {Rate(4), Rate(40)}, {{}, Rate(50)},
        {Rate(5), Rate(60)}};
    for (std::size_t k = 0; k < reads.size(); ++k) {
        history.Add("1", static_cast<std::int64_t>(k) * 1000, reads[k]);
    }
    const auto values = [&](std::size_t column) {
        std::vector<std::vector<double>> runs;
        for (const CounterHistory::Line& line : history.Lines("1", column)) {
            runs.emplace_back();
            for (const CounterHistory::Point& point : line) {
                runs.back().push_back(point.PerSecond);
            }
        }
        return runs;
    };
    EXPECT_EQ(values(0), (std::vector<std::vector<double>>{{1, 2}, {3, 4}, {5}}));
    EXPECT_EQ(values(1), (std::vector<std::vector<double>>{{20, 30}, {40, 50, 60}}));
    EXPECT_TRUE(history.Lines("2", 0).empty());
}

TEST(ViewerLaunchTest, RefusesArgumentsWithoutAKnownPage) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "No parameter input"},
        {{"/I10.0.0.1", "/Rvesper", "/Wlantern"}, "No viewer page was given."},
        {{"/I10.0.0.1", "/t161", "/v3"}, "No viewer page was given."},  // "/t" is the port
        {{"/I10.0.0.1", "/TMIB_Nothing"}, "Unknown viewer page: /TMIB_Nothing."},
        {{"/I10.0.0.1", "/Rvesper", "/TMIB_IFTable", "/t161"}, ""},
    };
    for (const auto& [args, refusal] : cases) {
        EXPECT_EQ(LaunchRefusal(args), refusal) << (args.empty() ? "" : args.back());
    }
    EXPECT_EQ(PageArgumentOf({"/t161", "/TRmon_History"}), "/TRmon_History");
}

// The module starts with `Args` and the .cfg file `Cfg`; its viewer command
// line then gives the viewer the module's own session settings.
struct HandOnCase {
    const char* Name;
    const char* Cfg;  // empty: no .cfg file
    std::vector<std::string> Args;
};

void PrintTo(const HandOnCase& c, std::ostream* out) {
    *out << c.Name;
}

class ViewerHandOnTest : public ::testing::TestWithParam<HandOnCase> {
protected:
    void TearDown() override { DestroyGlobalSession(); }
    agents::TempDir Dir{"vanta-viewer-launch"};
};

TEST_P(ViewerHandOnTest, TheViewerGetsTheModulesSettings) {
    const HandOnCase& c = GetParam();
    const std::string conf = Dir.Path() + "/";
    agents::WriteTextFile(Dir.File("registry.ini"),
                          "[SOFTWARE\\Corvane\\Quillon5.1\\MibFile]\nPath=" + conf + "\n");
    if (*c.Cfg != '\0') {
        agents::WriteTextFile(Dir.File("10.0.0.9.cfg"),
                              std::string("[Program Information]\n") + c.Cfg);
    }
    CvSNMPDevice device;
    CvSNMPScope scope;
    CvSNMPSecurity security;
    CvLaunchState module{device, scope, security, {}, {}};
    ApplyLaunchArguments(c.Args, conf, module);
    const std::string line =
        ViewerCommandLine(module.Texts, module.Flags, security.Version, "/TMIB_IFCounters");
    std::vector<std::string> viewerArgs;
    for (const QString& word : QString::fromStdString(line).split(' ', Qt::SkipEmptyParts)) {
        viewerArgs.push_back(word.toStdString());
    }
    viewerArgs.erase(viewerArgs.begin());  // the program

    const ViewerLaunch launch =
        PrepareViewerLaunch(viewerArgs, CvRegistry(Dir.File("registry.ini")), Dir.Path());
    ASSERT_NE(launch.Page, nullptr) << line;
    EXPECT_EQ(launch.PageArgument, "/TMIB_IFCounters");
    EXPECT_EQ(GlobalDevice().Address, device.Address);
    EXPECT_EQ(GlobalDevice().Port, device.Port) << line;
    const CvSNMPSecurity& viewer = GlobalSecurity();
    EXPECT_EQ(viewer.Version, security.Version) << line;
    EXPECT_EQ(viewer.ReadCommunity, security.ReadCommunity);
    EXPECT_EQ(viewer.WriteCommunity, security.WriteCommunity);
    EXPECT_EQ(viewer.SecurityModel, security.SecurityModel);
    EXPECT_EQ(viewer.SecurityLevel, security.SecurityLevel);
    EXPECT_EQ(viewer.SecurityName, security.SecurityName);
    EXPECT_EQ(viewer.AuthProtocol, security.AuthProtocol);
    EXPECT_EQ(viewer.AuthPassword, security.AuthPassword);
    EXPECT_EQ(viewer.PrivProtocol, security.PrivProtocol);
    EXPECT_EQ(viewer.PrivPassword, security.PrivPassword);
    EXPECT_EQ(GlobalScope().ContextName, scope.ContextName);
}

const HandOnCase kHandOnCases[] = {
    {"SnmpV2cFromTheCfgFile",
     "AgentPort=16100\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\n"
     "PrivProtocol=0\n",
     {"/I10.0.0.9", "/Rvesper", "/Wlantern"}},
    {"SnmpV3FromTheCfgFile",
     "AgentPort=16101\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=ops\n"
     "AuthProtocol=2\nPrivProtocol=1\nAuthPassword=auth-secret\nPrivPassword=priv-secret\n"
     "ContextName=bridge\n",
     {"/I10.0.0.9", "/Rvesper", "/Wlantern"}},
    // The module then hands on an empty "/v" after "/t".
    {"SnmpV3FromTheCommandLineOnly",
     "",
     {"/I10.0.0.9", "/Rvesper", "/Wlantern", "/v3", "/t16102", "/m3", "/nops", "/l3", "/a2",
      "/Aauth-secret", "/p2", "/Ppriv-secret"}},
};

INSTANTIATE_TEST_SUITE_P(Launches, ViewerHandOnTest, ::testing::ValuesIn(kHandOnCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
