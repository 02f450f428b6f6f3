// vanta-sim against what a careless or hostile manager may send (SETs of
// exception values, requests whose answer exceeds a datagram, encodings
// net-snmp cannot decode) and across restarts (engine id, boots, state
// folders, a busy port).

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SimHarness.h"
#include "SnmpWire.h"

namespace fs = std::filesystem;

namespace {

const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kSysLocation = "1.3.6.1.2.1.1.6.0";
const std::string kTargetAddrRowStatus = "1.3.6.1.6.3.12.1.2.1.9.1";
const std::string kSetSerialNo = "1.3.6.1.6.3.1.1.6.1.0";
const std::string kEnableAuthenTraps = "1.3.6.1.2.1.11.30.0";
const std::string kInAsnParseErrs = "1.3.6.1.2.1.11.6.0";
const std::string kEngineId = "1.3.6.1.6.3.10.2.1.1.0";
const std::string kEngineBoots = "1.3.6.1.6.3.10.2.1.2.0";

// A request of `pdu` as "v1" or "v2c" with the write community, or as "v3"
// by vanta-noauth.
std::string Request(const std::string& who, const SimProcess& sim, const std::string& pdu) {
    if (who != "v3") {
        return wire::CommunityMessage(who == "v1" ? 0 : 1, "lantern", pdu);
    }
    const auto engine = wire::Discover(sim.Address());
    EXPECT_TRUE(engine.has_value()) << "no engine id discovery";
    return wire::V3NoAuthMessage(engine.value_or(wire::Engine{}), "vanta-noauth", pdu);
}

std::optional<wire::Response> Ask(const std::string& who, const SimProcess& sim,
                                  const std::string& pdu) {
    const auto reply = wire::Exchange(sim.Address(), Request(who, sim, pdu));
    return reply ? wire::Parse(*reply) : std::nullopt;
}

ToolResult GetV2c(const SimProcess& sim, const std::vector<std::string>& oids) {
    return RunTool(std::vector<std::string>{"snmpget", "-Oqv"} + V2c("vesper", sim.Address()) +
                   oids);
}

bool AnswersUptime(const SimProcess& sim) {
    const ToolResult get = GetV2c(sim, {kSysUpTime});
    return get.exitCode == 0 && !get.out.empty();
}

std::string Trimmed(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.pop_back();
    }
    return text;
}

// snmpEngineID.0 in lower-case hex and snmpEngineBoots.0, read at authPriv.
std::pair<std::string, std::string> EngineOf(const SimProcess& sim) {
    const ToolResult get =
        RunTool(std::vector<std::string>{"snmpget", "-Oqv", "-Ox"} +
                V3("vanta-sha-aes", sim.Address()) + std::vector<std::string>{kEngineId});
    EXPECT_EQ(get.exitCode, 0) << get.err;
    std::string id;
    for (const char c : get.out) {
        if (std::isxdigit(static_cast<unsigned char>(c))) {
            id += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    const ToolResult boots =
        RunTool(std::vector<std::string>{"snmpget", "-Oqv"} + V3("vanta-sha-aes", sim.Address()) +
                std::vector<std::string>{kEngineBoots});
    EXPECT_EQ(boots.exitCode, 0) << boots.err;
    return {id, Trimmed(boots.out)};
}

fs::path FreshFolder(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("vanta-sim-test-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

struct ExceptionSetCase {
    std::string who;
    std::vector<std::pair<std::string, std::string>> varbinds;
    long status;
    long index;
};

}  // namespace

// The SET that killed the simulator inside net-snmp's target table module
// (the table is the model's now), and exception values aimed at the
// switch's own objects and at net-snmp's: each is refused, changes nothing,
// and the simulator goes on answering.
TEST(SimHostileSets, ExceptionValuesAreRefusedAndHarmNothing) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const std::string noSuchObject = wire::Tlv(0x80, "");
    const std::string noSuchInstance = wire::Tlv(0x81, "");
    const std::string endOfMibView = wire::Tlv(0x82, "");
    const std::vector<ExceptionSetCase> cases = {
        // net-snmp's objects are outside every write view: noSuchName, noAccess.
        {"v1", {{kSetSerialNo, noSuchObject}}, 2, 1},
        {"v1", {{kSetSerialNo, noSuchInstance}}, 2, 1},
        {"v3", {{kSetSerialNo, endOfMibView}}, 6, 1},
        // The switch's own objects: wrongType, badValue in SNMPv1.
        {"v1", {{kTargetAddrRowStatus, noSuchObject}}, 3, 1},
        {"v1", {{kTargetAddrRowStatus, endOfMibView}}, 3, 1},
        {"v3", {{kTargetAddrRowStatus, noSuchObject}}, 7, 1},
        {"v3", {{kTargetAddrRowStatus, noSuchInstance}}, 7, 1},
        {"v1", {{kSysLocation, noSuchInstance}}, 3, 1},
        {"v2c", {{kSysName, wire::Octets("changed")}, {kSysLocation, endOfMibView}}, 7, 2},
        {"v3", {{kSysName, wire::Octets("changed")}, {kSysLocation, noSuchObject}}, 7, 2},
    };
    long requestId = 1000;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.who + " " + c.varbinds.back().first);
        std::vector<std::string> varbinds;
        for (const auto& [oid, value] : c.varbinds) {
            varbinds.push_back(wire::Varbind(oid, value));
        }
        const auto response = Ask(c.who, sim, wire::Pdu(wire::kSet, ++requestId, varbinds));
        ASSERT_TRUE(response.has_value()) << "no answer";
        EXPECT_EQ(response->command, wire::kResponse);
        EXPECT_EQ(response->requestId, requestId);
        EXPECT_EQ(response->status, c.status);
        EXPECT_EQ(response->index, c.index);
        ASSERT_TRUE(AnswersUptime(sim)) << "the simulator stopped answering";
    }
    EXPECT_EQ(Trimmed(GetV2c(sim, {kSysName}).out), "vanta-a");
}

// The served subtrees include the SNMPv3 configuration tables, which the
// model holds; net-snmp's own writable objects stay out of reach.
TEST(SimHostileSets, WritesReachOnlyTheSwitchsOwnSubtrees) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    for (const auto& oid : {kSetSerialNo, kEnableAuthenTraps}) {
        for (const auto& who :
             {V2c("lantern", sim.Address()), V3("vanta-sha-aes", sim.Address())}) {
            const ToolResult set = RunTool(std::vector<std::string>{"snmpset"} + who +
                                           std::vector<std::string>{oid, "i", "1"});
            EXPECT_NE(set.err.find("noAccess"), std::string::npos) << oid << ": " << set.err;
        }
    }
    const ToolResult own =
        RunTool(std::vector<std::string>{"snmpset"} + V2c("lantern", sim.Address()) +
                std::vector<std::string>{kSysLocation, "s", "lab"});
    EXPECT_EQ(own.exitCode, 0) << own.err;
}

// RFC 3416, 4.2.1: an answer that cannot fit a datagram is tooBig, with no
// varbinds, and the simulator does not complain about every varbind.
TEST(SimHostileSets, AnswersTooLargeForADatagramAreTooBig) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const std::vector<std::string> uptimes(4500, wire::Varbind(kSysUpTime, wire::Null()));
    for (const std::string who : {"v2c", "v3"}) {
        SCOPED_TRACE(who);
        const auto response = Ask(who, sim, wire::Pdu(wire::kGet, 77, uptimes));
        ASSERT_TRUE(response.has_value()) << "no answer";
        EXPECT_EQ(response->status, 1);
        EXPECT_EQ(response->index, 0);
        EXPECT_TRUE(response->types.empty());
    }
    EXPECT_TRUE(AnswersUptime(sim));
    EXPECT_EQ(sim.Stderr(), "");
}

// net-snmp drops a message whose values it cannot decode before the agent
// sees it: no answer, counted in snmpInASNParseErrs, and nothing else.
TEST(SimHostileSets, UndecodableValuesAreDroppedAndCounted) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const std::string gateway = "1.3.6.1.2.1.16.19.12.0";
    const std::vector<std::string> values = {
        wire::Tlv(0x40, ""), wire::Tlv(0x40, "abc"), wire::Tlv(0x40, "abcde"),
        wire::Tlv(0x40, std::string(16, '\x01')), wire::Tlv(0x02, std::string(9, '\x01'))};
    const std::string before = Trimmed(GetV2c(sim, {kInAsnParseErrs}).out);
    const std::string gatewayBefore = Trimmed(GetV2c(sim, {gateway}).out);
    for (const auto& value : values) {
        const auto reply = wire::Exchange(
            sim.Address(),
            wire::CommunityMessage(1, "lantern",
                                   wire::Pdu(wire::kSet, 5, {wire::Varbind(gateway, value)})),
            std::chrono::milliseconds(300));
        EXPECT_FALSE(reply.has_value());
    }
    EXPECT_EQ(std::stol(Trimmed(GetV2c(sim, {kInAsnParseErrs}).out)), std::stol(before) + 5);
    EXPECT_EQ(Trimmed(GetV2c(sim, {gateway}).out), gatewayBefore);
}

// A reboot, as RFC 3414 (2.2) has it: the same engine id, one more boot.
TEST(SimEngine, KeepsItsIdAndCountsBootsInTheStateFolder) {
    const fs::path state = FreshFolder("engine");
    const std::string given = "800000020109840301";
    const std::vector<std::pair<std::vector<std::string>, std::string>> starts = {
        {{}, "1"}, {{}, "2"}, {{"--engine-id", "0x" + given}, "3"}, {{}, "4"}};
    std::string kept;
    for (const auto& [extra, boots] : starts) {
        SimProcess sim(std::vector<std::string>{"--state", state.string()} + extra);
        ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
        const auto [id, counted] = EngineOf(sim);
        EXPECT_EQ(counted, boots);
        if (!extra.empty()) {
            EXPECT_EQ(id, given);
            continue;
        }
        EXPECT_GE(id.size(), 10u);
        EXPECT_TRUE(kept.empty() || id == kept) << id << " after " << kept;
        kept = id;
    }
    // Without a state folder every start is a new engine.
    SimProcess first;
    SimProcess second;
    EXPECT_NE(EngineOf(first), EngineOf(second));
    EXPECT_EQ(EngineOf(first).second, "1");

    // A damaged record is not quietly replaced by another identity.
    std::ofstream(state / "engine-id") << "not an id\n";
    const ToolResult damaged =
        RunTool({VANTA_SIM_BINARY, "--listen", "127.0.0.1:0", "--state", state.string()});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("engine-id"), std::string::npos) << damaged.err;
    EXPECT_EQ(damaged.out, "");
    fs::remove_all(state);
}

// A kept state folder is the switch's saved configuration: what sets
// created survives a restart (a community, a user and its changed key, a
// row of the switch's own), a volatile row does not.
TEST(SimState, RowsCreatedSurviveARestart) {
    const fs::path state = FreshFolder("rows");
    const std::vector<std::string> args = {"--state", state.string()};
    const std::string sysLogStatus = "1.3.6.1.4.1.99917.12.12.2.1.7.3";
    const std::string volatileNotify = "1.3.6.1.6.3.13.1.1.1.5.118";
    const auto keyed = [](const std::string& user, const std::string& auth) {
        return std::vector<std::string>{"-v3", "-u", user, "-l", "authNoPriv", "-a", "SHA",
                                        "-A",  auth, "-t", "1",  "-r",         "0"};
    };
    {
        SimProcess sim(args);
        ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
        const auto set = [&](std::vector<std::string> words) {
            const ToolResult run = RunTool(words);
            EXPECT_EQ(run.exitCode, 0) << run.err;
        };
        const auto admin =
            keyed("vanta-sha-aes", "sha-auth-secret") + std::vector<std::string>{sim.Address()};
        set(std::vector<std::string>{"snmpset"} + V2c("lantern", sim.Address()) +
            std::vector<std::string>{sysLogStatus,
                                     "i",
                                     "4",
                                     "1.3.6.1.4.1.99917.12.12.2.1.2.3",
                                     "a",
                                     "192.0.2.3",
                                     "1.3.6.1.6.3.18.1.1.1.2.107",
                                     "s",
                                     "kept",
                                     "1.3.6.1.6.3.18.1.1.1.3.107",
                                     "s",
                                     "vanta-reader",
                                     "1.3.6.1.6.3.18.1.1.1.8.107",
                                     "i",
                                     "4",
                                     volatileNotify,
                                     "i",
                                     "4",
                                     "1.3.6.1.6.3.13.1.1.1.4.118",
                                     "i",
                                     "2"});
        set(std::vector<std::string>{"snmpusm"} + admin +
            std::vector<std::string>{"create", "keeper", "vanta-sha-aes"});
        set(std::vector<std::string>{"snmpusm", "-Ca"} + admin +
            std::vector<std::string>{"passwd", "sha-auth-secret", "keeper-secret", "keeper"});
        set(std::vector<std::string>{"snmpvacm"} + admin +
            std::vector<std::string>{"createSec2Group", "3", "keeper", "vanta-readers"});
    }
    SimProcess sim(args);
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    EXPECT_EQ(Trimmed(GetV2c(sim, {sysLogStatus}).out), "1");
    EXPECT_EQ(Trimmed(RunTool(std::vector<std::string>{"snmpget", "-Oqv"} +
                              V2c("kept", sim.Address()) + std::vector<std::string>{kSysName})
                          .out),
              "vanta-a");
    const ToolResult user =
        RunTool(std::vector<std::string>{"snmpget", "-Oqv"} + keyed("keeper", "keeper-secret") +
                std::vector<std::string>{sim.Address(), kSysName});
    EXPECT_EQ(Trimmed(user.out), "vanta-a") << user.err;
    EXPECT_EQ(Trimmed(GetV2c(sim, {volatileNotify}).out),
              "No Such Instance currently exists at this OID");
    fs::remove_all(state);
}

// A simulator killed outright leaves its temporary state folder; the next
// one to start removes it, and only such folders.
TEST(SimStartup, RemovesTheStateFoldersOfSimulatorsThatDied) {
    const fs::path tmp = FreshFolder("tmpdir");
    const ScopedTmpdir tmpdir(tmp.string());
    const fs::path living = tmp / ("vanta-sim-" + std::to_string(getpid()) + "-abcdef");
    const fs::path other = tmp / "vanta-sim-notes";
    fs::create_directories(living);
    fs::create_directories(other);

    SimProcess killed;
    ASSERT_FALSE(killed.Address().empty());
    EXPECT_EQ(killed.Stop(SIGKILL), 128 + SIGKILL);
    fs::path dead;
    for (const auto& entry : fs::directory_iterator(tmp)) {
        dead = entry.path() == living || entry.path() == other ? dead : entry.path();
    }
    ASSERT_FALSE(dead.empty()) << "the killed simulator had no state folder";

    SimProcess next;
    ASSERT_FALSE(next.Address().empty());
    EXPECT_FALSE(fs::exists(dead)) << "the dead simulator's folder is still there";
    EXPECT_TRUE(fs::exists(living));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_EQ(next.Stop(SIGTERM), 0);
    fs::remove_all(tmp);
}
