// vanta-sim's learned addresses (--fdb) in the bridge's forwarding databases
// and its log of request PDUs (--pdu-log), over real SNMP.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "PduLog.h"
#include "SimHarness.h"
#include "SnmpWire.h"

namespace fs = std::filesystem;

namespace {

const std::string kTpFdb = "1.3.6.1.2.1.17.4.3.1.";       // dot1dTpFdbEntry
const std::string kQTpFdb = "1.3.6.1.2.1.17.7.1.2.2.1.";  // dot1qTpFdbEntry
const std::string kDynamicCount = "1.3.6.1.2.1.17.7.1.2.1.1.2";
const std::string kVlanStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5";

struct Row {
    std::vector<unsigned> index;  // the arcs after the walked OID
    std::string value;            // "-Oqx": octets in hex without blanks
};

std::vector<Row> Walked(const SimProcess& sim, const std::string& oid,
                        const std::string& tool = "snmpbulkwalk") {
    const ToolResult walk = RunTool(std::vector<std::string>{tool, "-Oq", "-Ox"} +
                                    V2c("vesper", sim.Address()) + std::vector<std::string>{oid});
    EXPECT_EQ(walk.exitCode, 0) << walk.err;
    EXPECT_EQ(walk.err, "");  // "OID not increasing" among others
    std::vector<Row> rows;
    std::istringstream lines(walk.out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("." + oid + ".")) {
            continue;  // an empty table's "No Such Object"
        }
        Row row;
        std::istringstream arcs(line.substr(oid.size() + 2, line.find(' ') - oid.size() - 2));
        for (std::string arc; std::getline(arcs, arc, '.');) {
            row.index.push_back(static_cast<unsigned>(std::stoul(arc)));
        }
        std::copy_if(line.begin() + static_cast<long>(line.find(' ')) + 1, line.end(),
                     std::back_inserter(row.value), [](char c) { return c != ' ' && c != '"'; });
        rows.push_back(row);
    }
    return rows;
}

std::string Hex(const std::vector<unsigned>& bytes) {
    std::string hex;
    for (const unsigned byte : bytes) {
        hex += "0123456789ABCDEF"[byte >> 4 & 0xF];
        hex += "0123456789ABCDEF"[byte & 0xF];
    }
    return hex;
}

}  // namespace

TEST(SimFdb, LearnedAddressesFillBothTablesInIndexOrder) {
    SimProcess sim({"--fdb", "3000", "--seed", "7"});
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    // Every column: 3000 rows in increasing order, one an address (a MAC),
    // and in the Q-BRIDGE table on one of the recording's VLANs (1, 100).
    std::map<std::string, std::map<std::string, std::string>> byMac;  // column -> MAC -> value
    std::map<unsigned, int> perVlan;
    for (const std::string& column :
         {kTpFdb + "1", kTpFdb + "2", kTpFdb + "3", kQTpFdb + "2", kQTpFdb + "3"}) {
        const auto rows = Walked(sim, column);
        ASSERT_EQ(rows.size(), 3000u) << column;
        EXPECT_TRUE(std::adjacent_find(rows.begin(), rows.end(),
                                       [](const Row& a, const Row& b) {
                                           return !(a.index < b.index);
                                       }) == rows.end())
            << column;
        for (const Row& row : rows) {
            const bool q = column.starts_with(kQTpFdb);
            ASSERT_EQ(row.index.size(), q ? 7u : 6u) << column;
            const std::vector<unsigned> mac(row.index.end() - 6, row.index.end());
            EXPECT_EQ(mac.front(), 2u) << "locally administered";
            byMac[column][Hex(mac)] = row.value;
            if (q) {
                EXPECT_TRUE(row.index.front() == 1 || row.index.front() == 100) << column;
                perVlan[row.index.front()] += column.ends_with("2") ? 1 : 0;
            }
        }
        EXPECT_EQ(byMac[column].size(), 3000u) << column << ": addresses are unique";
    }
    for (const auto& [mac, port] : byMac[kTpFdb + "2"]) {
        EXPECT_EQ(byMac[kTpFdb + "1"][mac], mac);
        EXPECT_TRUE(std::stoul(port) >= 1 && std::stoul(port) <= 24) << port;
        EXPECT_EQ(byMac[kQTpFdb + "2"][mac], port) << "the same port in both tables";
        EXPECT_EQ(byMac[kTpFdb + "3"][mac], "3");  // learned
        EXPECT_EQ(byMac[kQTpFdb + "3"][mac], "3");
    }
    EXPECT_EQ(perVlan.size(), 2u) << "spread over the VLANs";
    for (const Row& count : Walked(sim, kDynamicCount)) {
        EXPECT_EQ(count.value, std::to_string(perVlan[count.index.front()]));
    }
}

TEST(SimFdb, TheSeedDecidesWhatIsLearned) {
    const auto learned = [](const std::string& seed) {
        SimProcess sim({"--fdb", "3000", "--seed", seed});
        std::string rows;
        for (const Row& row : Walked(sim, kQTpFdb + "2")) {
            rows += Hex(row.index) + "=" + row.value + " ";
        }
        return rows;
    };
    const std::string first = learned("7");
    EXPECT_EQ(std::count(first.begin(), first.end(), '='), 3000);
    EXPECT_EQ(learned("7"), first);
    EXPECT_NE(learned("8"), first);
}

TEST(SimFdb, WithoutItTheRecordingAndWithNoneEmptyTables) {
    struct Case {
        std::vector<std::string> args;
        std::size_t bridgeRows, qRows;
        std::string vlan1Count;
    };
    // Without --fdb the bridge's table lists the recorded VLAN-aware one's addresses.
    for (const Case& c : std::vector<Case>{{{}, 8, 8, "7"}, {{"--fdb", "0"}, 0, 0, "0"}}) {
        SimProcess sim(c.args);
        EXPECT_EQ(Walked(sim, kTpFdb + "1", "snmpwalk").size(), c.bridgeRows) << c.args.size();
        EXPECT_EQ(Walked(sim, kQTpFdb + "2", "snmpwalk").size(), c.qRows) << c.args.size();
        EXPECT_EQ(Walked(sim, kDynamicCount, "snmpwalk").at(0).value, c.vlan1Count);
    }
}

TEST(SimFdb, APortSecurityDeletionForgetsTheAddressBehindItsPort) {
    const std::string deletion = "1.3.6.1.4.1.99917.11.70.1.2.7.2.";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{}, {"--fdb", "50", "--seed", "7"}}) {
        SCOPED_TRACE(args.size());
        SimProcess sim(args);
        const std::vector<Row> before = Walked(sim, kQTpFdb + "2", "snmpwalk");
        ASSERT_FALSE(before.empty());
        const Row& first = before.front();  // on VLAN 1, "default"
        ASSERT_EQ(first.index.size(), 7u);
        const std::string mac = Hex({first.index.begin() + 1, first.index.end()});
        const int count = std::stoi(Walked(sim, kDynamicCount, "snmpwalk").at(0).value);
        const auto remove = [&](const std::string& port) {
            return RunTool(std::vector<std::string>{"snmpset"} + V2c("lantern", sim.Address()) +
                           std::vector<std::string>{deletion + "1.0", "s", "default",
                                                    deletion + "2.0", "i", port, deletion + "3.0",
                                                    "x", mac, deletion + "4.0", "i", "2"})
                .exitCode;
        };
        // Behind another port it is not the address meant: nothing goes.
        ASSERT_EQ(remove(std::to_string(std::stoi(first.value) + 1)), 0);
        EXPECT_EQ(Walked(sim, kQTpFdb + "2", "snmpwalk").size(), before.size());
        ASSERT_EQ(remove(first.value), 0);
        const std::vector<Row> after = Walked(sim, kQTpFdb + "2", "snmpwalk");
        EXPECT_EQ(after.size(), before.size() - 1);
        EXPECT_NE(after.front().index, first.index);
        EXPECT_EQ(Walked(sim, kTpFdb + "2", "snmpwalk").size(), after.size());
        EXPECT_EQ(Walked(sim, kDynamicCount, "snmpwalk").at(0).value, std::to_string(count - 1));
    }
}

TEST(SimFdb, RefusesCountsOutsideTheRange) {
    for (const std::string count : {"100001", "abc", "-1"}) {
        const ToolResult run =
            RunTool({VANTA_SIM_BINARY, "--listen", "127.0.0.1:0", "--fdb", count});
        EXPECT_EQ(run.exitCode, 2) << count;
        EXPECT_NE(run.err.find("bad value for --fdb: " + count +
                               " (a number of addresses from 0 to 100000)"),
                  std::string::npos)
            << run.err;
    }
}

TEST(SimFdb, AVlanTakesItsAddressesAlongAndNoneIsSaved) {
    const fs::path state =
        fs::temp_directory_path() / ("vanta-sim-fdb-state-" + std::to_string(getpid()));
    fs::remove_all(state);
    {
        SimProcess sim({"--state", state.string(), "--fdb", "50"});
        ASSERT_EQ(RunTool(std::vector<std::string>{"snmpset"} + V2c("lantern", sim.Address()) +
                          std::vector<std::string>{kVlanStatus + ".100", "i", "6"})
                      .exitCode,
                  0);
        const auto rows = Walked(sim, kQTpFdb + "2");
        EXPECT_FALSE(rows.empty());
        for (const Row& row : rows) {
            EXPECT_EQ(row.index.front(), 1u);
        }
        EXPECT_EQ(Walked(sim, kTpFdb + "2").size(), rows.size());
    }
    std::ifstream in(state / "saved-changes");
    const std::string saved{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(saved.find(kVlanStatus + ".100"), std::string::npos) << saved;
    EXPECT_EQ(saved.find(kTpFdb), std::string::npos) << saved;
    EXPECT_EQ(saved.find(kQTpFdb), std::string::npos) << saved;
    SimProcess again({"--state", state.string()});
    EXPECT_EQ(Walked(again, kQTpFdb + "2").size(), 8u) << "the recording's";
    fs::remove_all(state);
}

TEST(SimPduLog, HasALineForEveryAnsweredRequestPdu) {
    const fs::path log = fs::temp_directory_path() / ("vanta-sim-pdus-" + std::to_string(getpid()));
    fs::remove(log);
    SimProcess sim({"--fdb", "200", "--pdu-log", log.string()});
    agents::PduLogCursor cursor(log.string());
    const auto walk = [&](const std::vector<std::string>& tool) {
        EXPECT_EQ(
            RunTool(tool + V2c("vesper", sim.Address()) + std::vector<std::string>{kQTpFdb + "2"})
                .exitCode,
            0);
        return cursor.Since();
    };
    // 200 rows, 25 a response, and the one that leaves the column.
    const auto bulk = walk({"snmpbulkwalk", "-Cr25"});
    EXPECT_EQ(agents::CountPdus(bulk, "getbulk"), 9u);
    for (const auto& line : bulk) {
        EXPECT_EQ(line, (agents::PduLogLine{line.RequestId, "getbulk", "1", "0", "25", "noError"}));
    }
    const auto next = walk({"snmpwalk"});
    EXPECT_EQ(agents::CountPdus(next, "getnext"), 201u);
    EXPECT_EQ(next.size(), 201u);
    EXPECT_EQ(next[0], (agents::PduLogLine{next[0].RequestId, "getnext", "1", "", "", "noError"}));

    // By hand, with known ids: a get-bulk with a non-repeater, a get, a
    // refused set; an unknown community gets no answer and no line.
    const auto send = [&](const std::string& community, const std::string& pdu) {
        return wire::Exchange(sim.Address(), wire::CommunityMessage(1, community, pdu),
                              std::chrono::milliseconds(500))
            .has_value();
    };
    const auto null = [](const std::string& oid) { return wire::Varbind(oid, wire::Null()); };
    EXPECT_TRUE(
        send("vesper", wire::Sequence({wire::Integer(41), wire::Integer(1), wire::Integer(7),
                                       wire::Sequence({null("1.3.6.1.2.1.1.1"), null(kQTpFdb + "2"),
                                                       null(kTpFdb + "1")})},
                                      0xA5)));
    EXPECT_TRUE(send("vesper", wire::Pdu(wire::kGet, 42, {null("1.3.6.1.2.1.1.5.0")})));
    EXPECT_TRUE(send(
        "lantern",
        wire::Pdu(wire::kSet, 43, {wire::Varbind(kQTpFdb + "2.1.2.0.0.0.0.1", wire::Integer(3))})));
    EXPECT_FALSE(send("nobody", wire::Pdu(wire::kGet, 44, {null("1.3.6.1.2.1.1.5.0")})));
    EXPECT_EQ(cursor.Since(), (std::vector<agents::PduLogLine>{
                                  {"41", "getbulk", "3", "1", "7", "noError"},
                                  {"42", "get", "1", "", "", "noError"},
                                  {"43", "set", "1", "", "", "notWritable"},
                              }));
    fs::remove(log);
}
