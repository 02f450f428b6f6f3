// vanta-sim over real SNMP, driven with net-snmp's command-line tools.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "SimHarness.h"

namespace fs = std::filesystem;

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kLeds = "1.3.6.1.4.1.99917.11.70.1.2.1.1.6.0";
const std::string kUnitLeds = "1.3.6.1.4.1.99917.12.11.1.9.5.1.6.1";
const std::string kRmonState = "1.3.6.1.4.1.99917.11.70.1.2.1.2.4.0";
const std::string kPortInfoLink = "1.3.6.1.4.1.99917.11.70.1.2.3.1.1.5.";
const std::string kPortAdmin = "1.3.6.1.4.1.99917.11.70.1.2.3.2.1.4.";
const std::string kIfOperStatus = "1.3.6.1.2.1.2.2.1.8.";
const std::string kVlanStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";
const std::string kVlanCurrentEgress = "1.3.6.1.2.1.17.7.1.4.2.1.4.0.";
const std::string kVlanNumDeletes = "1.3.6.1.2.1.17.7.1.4.1.0";

// The tools read no configuration, MIB files or state of the machine.
class ToolEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        char pattern[] = "/tmp/vanta-sim-test-XXXXXX";
        folder_ = mkdtemp(pattern);
        fs::create_directories(fs::path(folder_) / "cert_indexes");
        setenv("SNMPCONFPATH", folder_.c_str(), 1);
        setenv("SNMP_PERSISTENT_DIR", folder_.c_str(), 1);
        setenv("MIBS", "", 1);
        setenv("MIBDIRS", "", 1);
    }
    void TearDown() override { fs::remove_all(folder_); }

private:
    std::string folder_;
};

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ToolEnvironment);

// The value part of "-Oqv" output without quotes and trailing blanks; hex
// strings keep their line breaks.
std::string Value(const ToolResult& result) {
    std::string value;
    for (const char c : result.out) {
        if (c != '"') {
            value += c;
        }
    }
    while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) {
        value.pop_back();
    }
    return value;
}

std::string Get(const SimProcess& sim, const std::string& oid,
                const std::vector<std::string>& format = {"-Oqv"}) {
    return Value(RunTool(std::vector<std::string>{"snmpget"} + format +
                         V2c("vesper", sim.Address()) + std::vector<std::string>{oid}));
}

std::vector<unsigned> LedBytes(const SimProcess& sim, const std::string& oid = kLeds) {
    std::istringstream hex(Get(sim, oid, {"-Oqv", "-Ox"}));
    std::vector<unsigned> bytes;
    for (std::string word; hex >> word;) {
        bytes.push_back(static_cast<unsigned>(std::stoul(word, nullptr, 16)));
    }
    return bytes;
}

ToolResult Set(const SimProcess& sim, const std::vector<std::string>& varbinds,
               const std::string& community = "lantern",
               const std::vector<std::string>& version = {}) {
    auto args = std::vector<std::string>{"snmpset"} + V2c(community, sim.Address());
    if (!version.empty()) {
        args[1] = version.front();
    }
    return RunTool(args + varbinds);
}

ToolResult Walk(const SimProcess& sim, const std::string& oid,
                const std::string& tool = "snmpwalk") {
    return RunTool(std::vector<std::string>{tool, "-Oq"} + V2c("vesper", sim.Address()) +
                   std::vector<std::string>{oid});
}

// The OIDs of a walk's "-Oq" lines.
std::vector<std::string> WalkedOids(const ToolResult& walk) {
    std::vector<std::string> oids;
    std::istringstream lines(walk.out);
    for (std::string line; std::getline(lines, line);) {
        oids.push_back(line.substr(0, line.find(' ')));
    }
    return oids;
}

}  // namespace

TEST(SimStartup, AnnouncesItselfQuicklyAndStopsCleanlyOnTerm) {
    const std::string tmp = fs::temp_directory_path() / "vanta-sim-tmp-XXXXXX";
    std::string pattern = tmp;
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const ScopedTmpdir tmpdir(pattern);
    SimProcess sim;
    ASSERT_TRUE(std::regex_match(sim.ListeningLine(),
                                 std::regex(R"(vanta-sim listening on udp:127\.0\.0\.1:\d+)")))
        << sim.ListeningLine();
    EXPECT_LT(sim.StartUpTime().count(), 2000);
    EXPECT_NE(Get(sim, kSysDescr).find("Vanta-A"), std::string::npos);
    // Its own state folder lives under TMPDIR while it runs.
    EXPECT_FALSE(fs::is_empty(pattern));

    EXPECT_EQ(sim.Stop(SIGTERM), 0);
    EXPECT_TRUE(fs::is_empty(pattern)) << "the temporary state folder is left behind";
    const ToolResult late = RunTool(std::vector<std::string>{
        "snmpget", "-v2c", "-c", "vesper", "-t", "1", "-r", "0", sim.Address(), kSysDescr});
    EXPECT_NE(late.exitCode, 0) << "still answering after SIGTERM";
    fs::remove_all(pattern);
}

TEST(SimStartup, StopsCleanlyOnInterruptAndKeepsAGivenStateFolder) {
    const fs::path state =
        fs::temp_directory_path() / ("vanta-sim-state-" + std::to_string(getpid()));
    fs::remove_all(state);
    SimProcess sim({"--state", state.string()});
    ASSERT_FALSE(sim.Address().empty()) << sim.ListeningLine();
    EXPECT_TRUE(fs::exists(state / "vanta-sim.conf"));
    EXPECT_EQ(sim.Stop(SIGINT), 0);
    EXPECT_TRUE(fs::exists(state / "vanta-sim.conf"));
    fs::remove_all(state);
}

TEST(SimStartup, RefusesABadCommandLineAndABusyPort) {
    const ToolResult bad = RunTool({VANTA_SIM_BINARY, "--listen", "127.0.0.1"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("--listen"), std::string::npos);
    SimProcess first;
    ASSERT_FALSE(first.Address().empty());
    const ToolResult busy = RunTool({VANTA_SIM_BINARY, "--listen", first.Address()});
    EXPECT_EQ(busy.exitCode, 2);
    EXPECT_NE(busy.err.find("address already in use"), std::string::npos) << busy.err;
    EXPECT_EQ(busy.out, "") << "announced a port it does not serve";
}

TEST(SimWalk, EnterpriseSubtreeAnswersInOrderAndBulkAgrees) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const ToolResult walk = Walk(sim, "1.3.6.1.4.1.99917");
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    const auto oids = WalkedOids(walk);
    EXPECT_GT(oids.size(), 500u);
    // snmpwalk itself stops with an error on a non-increasing OID.
    EXPECT_EQ(walk.err.find("not increasing"), std::string::npos) << walk.err;
    const ToolResult bulk = Walk(sim, "1.3.6.1.4.1.99917", "snmpbulkwalk");
    ASSERT_EQ(bulk.exitCode, 0) << bulk.err;
    EXPECT_EQ(WalkedOids(bulk), oids);
}

class SimAccess : public ::testing::TestWithParam<std::string> {};

TEST_P(SimAccess, ReadsWithEveryCommunityAndUser) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const std::string& who = GetParam();
    std::vector<std::string> args;
    if (who == "v1 vesper") {
        args = {"-v1", "-c", "vesper", "-On", "-t", "1", "-r", "1", sim.Address()};
    } else if (who == "v2c vesper") {
        args = V2c("vesper", sim.Address());
    } else if (who == "v2c lantern") {
        args = V2c("lantern", sim.Address());
    } else {
        args = V3(who, sim.Address());
    }
    const ToolResult result = RunTool(std::vector<std::string>{"snmpget", "-Oqv"} + args +
                                      std::vector<std::string>{kSysName});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Value(result), "vanta-a");
}

INSTANTIATE_TEST_SUITE_P(All, SimAccess,
                         ::testing::Values("v1 vesper", "v2c vesper", "v2c lantern", "vanta-noauth",
                                           "vanta-md5-des", "vanta-sha-aes", "vanta-sha256-aes"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(SimAccessRules, WritesNeedTheWriteCommunityOrAUser) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const ToolResult denied = Set(sim, {kSysName, "s", "intruder"}, "vesper");
    EXPECT_NE(denied.err.find("noAccess"), std::string::npos) << denied.err;
    const ToolResult unknown = RunTool(std::vector<std::string>{
        "snmpget", "-v2c", "-c", "wrong", "-t", "1", "-r", "0", sim.Address(), kSysName});
    EXPECT_NE(unknown.err.find("Timeout"), std::string::npos) << unknown.err;
    const ToolResult byUser =
        RunTool(std::vector<std::string>{"snmpset"} + V3("vanta-sha256-aes", sim.Address()) +
                std::vector<std::string>{kSysName, "s", "renamed"});
    EXPECT_EQ(byUser.exitCode, 0) << byUser.err;
    EXPECT_EQ(Get(sim, kSysName), "renamed");
}

TEST(SimLeds, StringHasThreeHeaderBytesAndTwoPerPort) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const auto bytes = LedBytes(sim);
    ASSERT_EQ(bytes.size(), 3u + 2u * 24u);
    EXPECT_EQ(bytes[0], 0x03u) << "power LED green";
    for (int port = 1; port <= 24; ++port) {
        const unsigned link = bytes[static_cast<std::size_t>(2 * port + 1)];
        EXPECT_TRUE(link == 1 || (link & 0x7F) == 0x02) << "port " << port << ": " << link;
    }
    // Port 22's fibre side has its link, so its LED shows one.
    EXPECT_EQ(Get(sim, kPortInfoLink + "22.2"), "2");
    EXPECT_EQ(Get(sim, kPortInfoLink + "21.2"), "3");
    EXPECT_NE(bytes[2 * 22 + 1], 1u);
    EXPECT_EQ(LedBytes(sim, kUnitLeds).size(), bytes.size());
}

TEST(SimLeds, AdminDisableTakesThePortsLinkDown) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const auto before = LedBytes(sim);
    ASSERT_EQ(before.size(), 51u);
    int port = 0;
    for (int p = 1; p <= 20 && port == 0; ++p) {
        port = before[static_cast<std::size_t>(2 * p + 1)] != 1 ? p : 0;
    }
    ASSERT_NE(port, 0) << "no copper port has a link";
    const std::string instance = std::to_string(port) + ".1";
    const ToolResult set = Set(sim, {kPortAdmin + instance, "i", "2"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(LedBytes(sim)[static_cast<std::size_t>(2 * port + 1)], 1u);
    EXPECT_EQ(Get(sim, kPortInfoLink + instance), "3") << "link-fail";
    EXPECT_EQ(Get(sim, kIfOperStatus + std::to_string(port)), "2") << "down";

    // The fibre side of port 22 goes down the same way.
    ASSERT_EQ(Set(sim, {kPortAdmin + "22.2", "i", "2"}).exitCode, 0);
    EXPECT_EQ(Get(sim, kPortInfoLink + "22.2"), "3");
    EXPECT_EQ(LedBytes(sim)[2 * 22 + 1], 1u);
}

TEST(SimVlan, CreateAndGoAddsARowInIndexOrderAndDestroyRemovesIt) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const ToolResult created = Set(sim, {kVlanStatic + "5.20", "i", "4", kVlanStatic + "1.20", "s",
                                         "lab", kVlanStatic + "2.20", "x", "C000004000000000"});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    const std::string name = "." + kVlanStatic + "1.";
    EXPECT_EQ(WalkedOids(Walk(sim, kVlanStatic + "1")),
              (std::vector<std::string>{name + "1", name + "20", name + "100"}));
    EXPECT_EQ(Get(sim, kVlanStatic + "5.20"), "1") << "active";
    EXPECT_EQ(Get(sim, kVlanCurrentEgress + "20", {"-Oqv", "-Ox"}), "C0 00 00 40 00 00 00 00");

    const ToolResult destroyed = Set(sim, {kVlanStatic + "5.20", "i", "6"});
    ASSERT_EQ(destroyed.exitCode, 0) << destroyed.err;
    EXPECT_EQ(WalkedOids(Walk(sim, kVlanStatic + "1")),
              (std::vector<std::string>{name + "1", name + "100"}));
    EXPECT_NE(Get(sim, kVlanCurrentEgress + "20").find("No Such Instance"), std::string::npos);
    EXPECT_EQ(Get(sim, kVlanNumDeletes), "1");
}

TEST(SimSetErrors, ReadOnlyObjectsAreNotWritable) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const ToolResult v2 = Set(sim, {kSysDescr, "s", "x"});
    EXPECT_NE(v2.err.find("notWritable"), std::string::npos) << v2.err;
    EXPECT_NE(v2.err.find("Failed object: ." + kSysDescr), std::string::npos) << v2.err;
    const ToolResult leds = Set(sim, {kLeds, "x", "00"});
    EXPECT_NE(leds.err.find("notWritable"), std::string::npos) << leds.err;
    // SNMPv1 has no notWritable: noSuchName.
    const ToolResult v1 = Set(sim, {kSysDescr, "s", "x"}, "lantern", {"-v1"});
    EXPECT_NE(v1.err.find("noSuchName"), std::string::npos) << v1.err;
    EXPECT_NE(Get(sim, kSysDescr).find("Vanta-A"), std::string::npos);
}

// Over the wire, the two refusals that come after each varbind alone was
// fine: a row the device rules refuse takes the whole set with it, and
// notReady is no status a manager may ask for.
TEST(SimSetErrors, RowRulesAndNotReadyRefuseTheWholeSet) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    // Ethernet profile 1 does not examine the VLAN: its rule may not match one.
    const std::string rule = "1.3.6.1.4.1.99917.12.9.3.1.1.";
    struct Case {
        const char* Name;
        std::vector<std::string> Varbinds;
        const char* Error;
    };
    const Case cases[] = {
        {"rule against its profile",
         {kSysName, "s", "changed", rule + "3.1.5", "s", "default", rule + "17.1.5", "i", "4"},
         "inconsistentValue"},
        {"notReady asked for a new row",
         {kSysName, "s", "changed", kVlanStatic + "5.77", "i", "3"},
         "wrongValue"},
        {"notReady asked for an active row",
         {kSysName, "s", "changed", kVlanStatic + "5.1", "i", "3"},
         "wrongValue"},
    };
    for (const Case& c : cases) {
        const ToolResult set = Set(sim, c.Varbinds);
        EXPECT_NE(set.err.find(c.Error), std::string::npos) << c.Name << ": " << set.err;
    }
    // An independent read: nothing of any of them stayed.
    EXPECT_EQ(Get(sim, kSysName), "vanta-a");
    EXPECT_EQ(Get(sim, kVlanStatic + "5.1"), "1");
    EXPECT_EQ(Get(sim, rule + "17.1.5").find("No Such Instance"), 0u);
    EXPECT_EQ(Get(sim, kVlanStatic + "5.77").find("No Such Instance"), 0u);
}

TEST(SimSetErrors, OneBadVarbindChangesNothing) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    // sysName and the RMON state live in different subtrees of the agent.
    const ToolResult badSecond = Set(sim, {kSysName, "s", "changed", kRmonState, "i", "9"});
    EXPECT_NE(badSecond.err.find("wrongValue"), std::string::npos) << badSecond.err;
    EXPECT_NE(badSecond.err.find("Failed object: ." + kRmonState), std::string::npos);
    const ToolResult badFirst = Set(sim, {kRmonState, "s", "text", kSysName, "s", "changed"});
    EXPECT_NE(badFirst.err.find("wrongType"), std::string::npos) << badFirst.err;
    EXPECT_NE(badFirst.err.find("Failed object: ." + kRmonState), std::string::npos);
    // A row that cannot be created takes the scalar with it.
    const ToolResult badRow = Set(sim, {kRmonState, "i", "2", kVlanStatic + "5.5000", "i", "4"});
    EXPECT_NE(badRow.err.find("noCreation"), std::string::npos) << badRow.err;
    // Interleaved subtrees, the fault last.
    const std::string alarm = "1.3.6.1.4.1.99917.11.70.1.2.1.3.1.0";
    const ToolResult interleaved = Set(sim, {kSysName, "s", "changed", kRmonState, "i", "2",
                                             "1.3.6.1.2.1.1.6.0", "s", "lab", alarm, "i", "5"});
    EXPECT_NE(interleaved.err.find("Failed object: ." + alarm), std::string::npos)
        << interleaved.err;
    EXPECT_EQ(Get(sim, kSysName), "vanta-a");
    EXPECT_EQ(Get(sim, kRmonState), "3");
    EXPECT_EQ(Get(sim, "1.3.6.1.2.1.1.6.0"), "");
    EXPECT_EQ(Get(sim, alarm), "3");
}
