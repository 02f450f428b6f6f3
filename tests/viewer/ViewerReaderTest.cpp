#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../TestNames.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"
#include "EngineTestSupport.h"
#include "SilentUdpPort.h"
#include "SnmpsimAgent.h"
#include "VantaSimAgent.h"
#include "ViewerReader.h"

namespace {

using engine_test::Credentials;
using engine_test::PumpUntil;
using State = ViewerSectionData::State;

constexpr char kTimeoutText[] = "(SNMPClass) SNMP request timed out!";
constexpr char kFixtureCommunity[] = "vanta-viewer";

// The agents of this file, shared by its tests and stopped when they end.
struct ViewerAgents : ::testing::Environment {
    static std::unique_ptr<agents::VantaSimAgent>& Sim() {
        static std::unique_ptr<agents::VantaSimAgent> sim;
        return sim;
    }
    static std::unique_ptr<agents::SnmpsimAgent>& Fixture() {
        static std::unique_ptr<agents::SnmpsimAgent> fixture;
        return fixture;
    }
    void TearDown() override {
        Sim().reset();
        Fixture().reset();
    }
};
[[maybe_unused]] auto* const kViewerAgents = ::testing::AddGlobalTestEnvironment(new ViewerAgents);

std::uint16_t SimPort() {
    if (!ViewerAgents::Sim()) {
        ViewerAgents::Sim() = std::make_unique<agents::VantaSimAgent>();
    }
    return ViewerAgents::Sim()->Port();
}

std::uint16_t FixturePort() {
    if (!ViewerAgents::Fixture()) {
        ViewerAgents::Fixture() = std::make_unique<agents::SnmpsimAgent>(
            std::vector<std::string>{VANTA_SNMPREC_DIR "/vanta-viewer.snmprec"});
    }
    return ViewerAgents::Fixture()->Port();
}

const ViewerPage& Page(const char* argument) {
    const ViewerPage* page = FindViewerPage(argument);
    if (page == nullptr) {
        throw std::invalid_argument(argument);
    }
    return *page;
}

// One read of `page` to its end; the reader refuses a second start meanwhile.
ViewerSnapshot ReadPage(const ViewerPage& page, int ms = 60000) {
    ViewerReader reader(page);
    std::vector<ViewerSnapshot> done;
    EXPECT_TRUE(reader.Start([&](const ViewerSnapshot& s) { done.push_back(s); }));
    EXPECT_TRUE(reader.Busy());
    EXPECT_FALSE(reader.Start([&](const ViewerSnapshot& s) { done.push_back(s); }));
    EXPECT_TRUE(PumpUntil([&] { return !done.empty(); }, ms)) << page.Argument;
    EXPECT_FALSE(reader.Busy());
    EXPECT_EQ(done.size(), 1u);
    return done.empty() ? ViewerSnapshot{} : done.front();
}

std::vector<State> States(const ViewerSnapshot& snapshot) {
    std::vector<State> states;
    for (const ViewerSectionData& section : snapshot.Sections) {
        states.push_back(section.Status);
    }
    return states;
}

std::string Describe(const ViewerSnapshot& snapshot) {
    std::string text;
    for (const ViewerSectionData& section : snapshot.Sections) {
        text += std::to_string(static_cast<int>(section.Status)) + " " + section.Failure + "; ";
    }
    return text;
}

class ViewerReaderTest : public engine_test::EngineTest {};

}  // namespace

// Every page of the simulated switch, over SNMPv1 and over SNMPv2c with
// rows read ahead: values in every section, a text for every record, the
// keys decoded.
class ViewerReaderOnSim : public engine_test::EngineTest,
                          public testing::WithParamInterface<std::tuple<ViewerPage, std::uint8_t>> {
};

TEST_P(ViewerReaderOnSim, EverySectionHasRows) {
    const ViewerPage& page = std::get<0>(GetParam());
    Credentials credentials = engine_test::V2c();
    credentials.Version = std::get<1>(GetParam());
    engine_test::ApplySettings(credentials, SimPort());
    DefaultBulkRepetitions = 8;
    const ViewerSnapshot snapshot = ReadPage(page);
    EXPECT_TRUE(snapshot.UpTimeKnown);
    ASSERT_EQ(snapshot.Sections.size(), page.Sections.size());
    for (std::size_t s = 0; s < page.Sections.size(); ++s) {
        const ViewerSection& section = page.Sections[s];
        const ViewerSectionData& data = snapshot.Sections[s];
        SCOPED_TRACE(section.Caption);
        EXPECT_EQ(data.Status, State::Rows) << data.Failure;
        std::size_t records = 0;
        while (section.Records[records].Oid != nullptr) {
            ++records;
        }
        for (const std::vector<std::string>& row : data.Rows) {
            ASSERT_EQ(row.size(), records);
            for (std::int32_t k = 0; k < section.KeyCount; ++k) {
                EXPECT_NE(row[static_cast<std::size_t>(k)], "") << section.Records[k].Label;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ViewerReaderOnSim,
    testing::Combine(testing::ValuesIn(ViewerPages().begin(), ViewerPages().end()),
                     testing::Values(std::uint8_t{0}, std::uint8_t{1})),
    [](const testing::TestParamInfo<std::tuple<ViewerPage, std::uint8_t>>& info) {
        const char* version = std::get<1>(info.param) == 0 ? "_v1" : "_v2c";
        return CaseName(info.index, std::string(std::get<0>(info.param).Argument) + version);
    });

// Groups a device has in part, all of them or none, over both protocol
// versions that answer a missing object differently.
struct SupportCase {
    const char* Name;
    bool Snmpd;  // net-snmp's agent, else the fixture of partial groups
    std::uint8_t Version;
    const char* Argument;
    std::vector<State> States;
};

class ViewerSupport : public engine_test::EngineTest,
                      public testing::WithParamInterface<SupportCase> {};

TEST_P(ViewerSupport, SectionsEndAsTheDeviceHasThem) {
    const SupportCase& c = GetParam();
    Credentials credentials = engine_test::V2c(c.Snmpd ? "vesper" : kFixtureCommunity);
    credentials.Version = c.Version;
    engine_test::ApplySettings(credentials,
                               c.Snmpd ? engine_test::SharedSnmpd().Port() : FixturePort());
    const ViewerSnapshot snapshot = ReadPage(Page(c.Argument));
    EXPECT_EQ(States(snapshot), c.States) << Describe(snapshot);
    EXPECT_TRUE(snapshot.UpTimeKnown);
}

INSTANTIATE_TEST_SUITE_P(
    Agents, ViewerSupport,
    testing::Values(
        SupportCase{"snmpd system", true, 1, "/TMIB_Info", {State::Rows}},
        SupportCase{"snmpd interfaces", true, 1, "/TMIB_IFTable", {State::Rows}},
        SupportCase{"snmpd OSPF", true, 1, "/TLayer3_OSPF", {State::Unsupported}},
        SupportCase{"snmpd OSPF areas", true, 1, "/TLayer3_Area", {State::Unsupported}},
        SupportCase{"snmpd RMON", true, 1, "/TRmon_Statistics", {State::Unsupported}},
        SupportCase{"snmpd v1 OSPF", true, 0, "/TLayer3_OSPF", {State::Unsupported}},
        SupportCase{"snmpd v1 RMON",
                    true,
                    0,
                    "/TRmon_AlarmEvent",
                    {State::Unsupported, State::Unsupported}},
        SupportCase{"no ifTable", false, 1, "/TMIB_IFTable", {State::Empty}},
        SupportCase{"v1 no ifTable", false, 0, "/TMIB_IFTable", {State::Empty}},
        SupportCase{
            "EtherLike without dot3", false, 1, "/TEthernetLike_dot3StatsTable", {State::Empty}},
        SupportCase{"RMON events only", false, 1, "/TRmon_AlarmEvent", {State::Empty, State::Rows}},
        SupportCase{
            "v1 RMON events only", false, 0, "/TRmon_AlarmEvent", {State::Empty, State::Rows}},
        SupportCase{"no OSPF", false, 1, "/TLayer3_Area", {State::Unsupported}},
        SupportCase{"no PIM",
                    false,
                    1,
                    "/TLayer3_PIM",
                    {State::Unsupported, State::Unsupported, State::Unsupported}},
        SupportCase{"v1 no PIM",
                    false,
                    0,
                    "/TLayer3_PIM",
                    {State::Unsupported, State::Unsupported, State::Unsupported}}),
    [](const testing::TestParamInfo<SupportCase>& info) {
        return CaseName(info.index, info.param.Name);
    });

// A group of scalars the device has in part shows what it has; SNMPv1
// refuses the whole get for each missing object and is asked again.
TEST_F(ViewerReaderTest, ScalarsTheDeviceLacksShowEmpty) {
    for (const std::uint8_t version : {std::uint8_t{0}, std::uint8_t{1}}) {
        SCOPED_TRACE(static_cast<int>(version));
        Credentials credentials = engine_test::V2c(kFixtureCommunity);
        credentials.Version = version;
        engine_test::ApplySettings(credentials, FixturePort());
        const ViewerSnapshot ip = ReadPage(Page("/TMIB_IPCounters"));
        ASSERT_EQ(States(ip), std::vector<State>{State::Rows});
        ASSERT_EQ(ip.Sections[0].Rows.size(), 1u);
        std::vector<std::string> expected(20, "");
        expected[0] = "notForwarding";
        expected[2] = "4294967295";
        EXPECT_EQ(ip.Sections[0].Rows[0], expected);
        EXPECT_EQ(ip.UpTime, 123456u);

        const ViewerSnapshot events = ReadPage(Page("/TRmon_AlarmEvent"));
        ASSERT_EQ(events.Sections.size(), 2u);
        EXPECT_EQ(events.Sections[1].Rows,
                  (std::vector<std::vector<std::string>>{
                      {"7", "link down", "log-and-trap", "", "", "", ""}}));
    }
}

TEST_F(ViewerReaderTest, NoAnswerFailsEverySectionWithTheEnginesMessage) {
    agents::SilentUdpPort silent;
    DefaultTimeout = 20;
    engine_test::ApplySettings(engine_test::V2c(), silent.Port());
    const ViewerSnapshot snapshot = ReadPage(Page("/TMIB_IPRouting"));
    EXPECT_FALSE(snapshot.UpTimeKnown);
    ASSERT_EQ(snapshot.Sections.size(), 2u);
    for (const ViewerSectionData& section : snapshot.Sections) {
        EXPECT_EQ(section.Status, State::Failed);
        EXPECT_EQ(section.Failure, kTimeoutText);
    }
}

TEST_F(ViewerReaderTest, WithoutASessionTheReadFailsLaterNotInStart) {
    DestroyGlobalSession();
    ViewerReader reader(Page("/TMIB_Info"));
    std::vector<ViewerSnapshot> done;
    ASSERT_TRUE(reader.Start([&](const ViewerSnapshot& s) { done.push_back(s); }));
    EXPECT_TRUE(done.empty());
    ASSERT_TRUE(PumpUntil([&] { return !done.empty(); }, 5000));
    EXPECT_EQ(States(done.front()), std::vector<State>{State::Failed});
    EXPECT_NE(done.front().Sections[0].Failure, "");
}

// The window closes while a read runs, or reads again, or closes, from
// inside the outcome it is told.
TEST_F(ViewerReaderTest, DestroyedWhileReadingTellsNothing) {
    agents::SilentUdpPort silent;
    engine_test::ApplySettings(engine_test::V2c(), silent.Port());
    int calls = 0;
    {
        ViewerReader reader(Page("/TMIB_IFCounters"));
        ASSERT_TRUE(reader.Start([&](const ViewerSnapshot&) { ++calls; }));
    }
    EXPECT_EQ(calls, 0);
}

TEST_F(ViewerReaderTest, TheOutcomeMayStartTheNextReadOrEndTheReader) {
    engine_test::ApplySettings(engine_test::V2c(), SimPort());
    auto reader = std::make_unique<ViewerReader>(Page("/TMIB_IFCounters"));
    std::vector<ViewerSnapshot> done;
    std::function<void(const ViewerSnapshot&)> record = [&](const ViewerSnapshot& s) {
        done.push_back(s);
        if (done.size() == 1) {
            EXPECT_TRUE(reader->Start(record));
        } else {
            reader.reset();
        }
    };
    ASSERT_TRUE(reader->Start(record));
    ASSERT_TRUE(PumpUntil([&] { return !reader; }, 60000));
    ASSERT_EQ(done.size(), 2u);
    for (const ViewerSnapshot& snapshot : done) {
        EXPECT_EQ(States(snapshot), std::vector<State>{State::Rows}) << Describe(snapshot);
    }
    EXPECT_LE(done[0].UpTime, done[1].UpTime);
}
