// vanta-sim's standard MIB groups over real SNMP: every group the viewer
// shows answers, its counters move with the agent's up-time, read-only
// objects refuse sets, the SNMP group counts the requests, the IP and bridge
// tables agree with each other and with the switch's own, and a restart
// counts from the base again.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "SimHarness.h"
#include "SnmpWire.h"

namespace fs = std::filesystem;

namespace {

const std::string m = "1.3.6.1.2.1.";
const std::string kSysUpTime = m + "1.3.0";
const std::string kIf = m + "2.2.1.";
const std::string kIfX = m + "31.1.1.1.";
const std::string kStaticRoute = "1.3.6.1.4.1.99917.11.70.1.3.2.5.1.";

// "OID value" lines of a tool run with -Oqt -On -Ox, by OID without the dot.
std::map<std::string, std::string> Lines(const std::string& out) {
    std::map<std::string, std::string> values;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto blank = line.find(' ');
        if (line.starts_with(".") && blank != std::string::npos) {
            std::string value = line.substr(blank + 1);
            std::erase(value, '"');
            values[line.substr(1, blank - 1)] = value;
        }
    }
    return values;
}

// snmpget takes at most 128 OIDs at a time.
constexpr std::size_t kGetBatch = 112;

// The values of `oids`, one GET for each batch of kGetBatch: the values of
// one batch are read at one moment.
std::map<std::string, std::string> Get(const SimProcess& sim,
                                       const std::vector<std::string>& oids) {
    std::map<std::string, std::string> values;
    for (std::size_t at = 0; at < oids.size(); at += kGetBatch) {
        const std::vector<std::string> batch(
            oids.begin() + static_cast<long>(at),
            oids.begin() + static_cast<long>(std::min(oids.size(), at + kGetBatch)));
        const ToolResult get = RunTool(std::vector<std::string>{"snmpget", "-Oqt", "-Ox"} +
                                       V2c("vesper", sim.Address()) + batch);
        EXPECT_EQ(get.exitCode, 0) << get.err;
        values.merge(Lines(get.out));
    }
    return values;
}

std::map<std::string, std::string> Walk(const SimProcess& sim, const std::string& oid) {
    const ToolResult walk = RunTool(std::vector<std::string>{"snmpbulkwalk", "-Oqt", "-Ox"} +
                                    V2c("vesper", sim.Address()) + std::vector{oid});
    EXPECT_EQ(walk.exitCode, 0) << walk.err;
    std::map<std::string, std::string> rows;
    for (const auto& [name, value] : Lines(walk.out)) {
        if (name.starts_with(oid + ".")) {
            rows[name.substr(oid.size() + 1)] = value;
        }
    }
    return rows;
}

std::uint64_t Number(const std::map<std::string, std::string>& values, const std::string& oid) {
    const auto it = values.find(oid);
    EXPECT_NE(it, values.end()) << oid;
    return it == values.end() ? 0 : std::stoull(it->second);
}

std::uint64_t UpTime(const SimProcess& sim) {
    return Number(Get(sim, {kSysUpTime}), kSysUpTime);
}

// Asks for the up-time until it passed `ticks`.
void AwaitUpTime(const SimProcess& sim, std::uint64_t ticks) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (UpTime(sim) < ticks && std::chrono::steady_clock::now() < deadline) {
    }
    ASSERT_GE(UpTime(sim), ticks);
}

std::string Port(const std::string& column, int port) {
    return column + "." + std::to_string(port);
}

struct Table {
    const char* name;
    std::string entry;
    std::vector<int> columns;
};

std::vector<int> Range(int first, int last) {
    std::vector<int> columns;
    for (int c = first; c <= last; ++c) {
        columns.push_back(c);
    }
    return columns;
}

}  // namespace

TEST(SimStandardMib, EveryGroupOfTheViewerAnswers) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    std::vector<std::string> scalars = {m + "2.1.0",           m + "4.24.3.0",   m + "31.1.5.0",
                                        m + "83.1.1.1.0",      m + "83.1.1.7.0", m + "4.23.0",
                                        "1.3.6.1.3.61.1.1.1.0"};
    const struct {
        std::string group;
        std::vector<int> objects;
    } groups[] = {
        {m + "1.", Range(1, 7)},
        {m + "4.", Range(1, 19)},
        {m + "5.", Range(1, 26)},
        {m + "7.", Range(1, 4)},
        {m + "11.", {1,  2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                     17, 18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 29, 30, 31, 32}},
        {m + "14.1.", Range(1, 14)},
        {m + "17.1.", Range(1, 3)},
        {m + "17.4.", Range(1, 2)},
        {m + "23.1.", Range(1, 2)},
        {"1.3.6.1.3.62.1.1.1.", Range(1, 4)},
    };
    for (const auto& group : groups) {
        for (const int object : group.objects) {
            scalars.push_back(group.group + std::to_string(object) + ".0");
        }
    }
    const auto values = Get(sim, scalars);
    for (const std::string& scalar : scalars) {
        EXPECT_EQ(values.count(scalar), 1u) << scalar;
    }

    const Table tables[] = {
        {"ifTable", m + "2.2.1", Range(1, 22)},
        {"ifXTable", kIfX.substr(0, kIfX.size() - 1), Range(1, 19)},
        {"ipAddrTable", m + "4.20.1", Range(1, 5)},
        {"ipRouteTable", m + "4.21.1", Range(1, 13)},
        {"ipNetToMediaTable", m + "4.22.1", Range(1, 4)},
        {"ipCidrRouteTable", m + "4.24.4.1", Range(1, 16)},
        {"udpTable", m + "7.5.1", Range(1, 2)},
        {"dot3StatsTable", m + "10.7.2.1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16, 18, 19}},
        {"etherStatsTable", m + "16.1.1.1", Range(1, 21)},
        {"historyControlTable", m + "16.2.1.1", Range(1, 7)},
        {"etherHistoryTable", m + "16.2.2.1", Range(1, 15)},
        {"alarmTable", m + "16.3.1.1", Range(1, 12)},
        {"eventTable", m + "16.9.1.1", Range(1, 7)},
        {"dot1dBasePortTable", m + "17.1.4.1", Range(1, 5)},
        {"dot1dTpFdbTable", m + "17.4.3.1", Range(1, 3)},
        {"dot1dTpPortTable", m + "17.4.4.1", Range(1, 5)},
        {"dot1dStaticTable", m + "17.5.1.1", Range(1, 4)},
        {"rip2IfStatTable", m + "23.2.1", Range(1, 5)},
        {"rip2IfConfTable", m + "23.3.1", Range(1, 9)},
        {"rip2PeerTable", m + "23.4.1", Range(1, 6)},
        {"ospfAreaTable", m + "14.2.1", Range(1, 10)},
        {"ospfLsdbTable", m + "14.4.1", Range(1, 8)},
        {"ospfNbrTable", m + "14.10.1", Range(1, 11)},
        {"ipMRouteTable", m + "83.1.1.2.1", Range(1, 16)},
        {"dvmrpInterfaceTable", "1.3.6.1.3.62.1.1.2.1", Range(1, 7)},
        {"dvmrpNeighborTable", "1.3.6.1.3.62.1.1.3.1", Range(1, 12)},
        {"pimInterfaceTable", "1.3.6.1.3.61.1.1.2.1", Range(1, 9)},
        {"pimNeighborTable", "1.3.6.1.3.61.1.1.3.1", Range(1, 5)},
        {"pimRPSetTable", "1.3.6.1.3.61.1.1.6.1", Range(1, 6)},
    };
    for (const Table& table : tables) {
        const auto cells = Walk(sim, table.entry);
        std::map<int, std::set<std::string>> rows;  // column -> row indexes
        for (const auto& [name, value] : cells) {
            const auto dot = name.find('.');
            rows[std::stoi(name.substr(0, dot))].insert(name.substr(dot + 1));
        }
        const std::set<std::string>& first = rows[table.columns.front()];
        EXPECT_FALSE(first.empty()) << table.name;
        for (const int column : table.columns) {
            EXPECT_EQ(rows[column], first) << table.name << " column " << column;
        }
    }
}

TEST(SimStandardMib, CountersMoveWithTheUpTime) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    const std::vector<std::string> growing = {
        Port(kIf + "10", 22),        // ifInOctets of the busiest port
        Port(kIf + "16", 22),        // ifOutOctets
        Port(kIf + "11", 22),        // ifInUcastPkts
        Port(kIfX + "6", 22),        // ifHCInOctets
        Port(m + "16.1.1.1.4", 22),  // etherStatsOctets
        Port(m + "16.1.1.1.5", 22),  // etherStatsPkts
        Port(m + "17.4.4.1.3", 22),  // dot1dTpPortInFrames
        Port(m + "17.4.4.1.4", 22),  // dot1dTpPortOutFrames
        m + "4.3.0",                 // ipInReceives
        m + "5.1.0",                 // icmpInMsgs
        m + "7.1.0",                 // udpInDatagrams
        m + "4.21.1.10.0.0.0.0",     // ipRouteAge
        m + "83.1.1.2.1.10.239.1.1.1.192.0.2.100.255.255.255.255",  // ipMRouteOctets
        "1.3.6.1.3.61.1.1.3.1.3.192.0.2.1",                         // pimNeighborUpTime
    };
    const auto before = Get(sim, growing + std::vector{kSysUpTime});
    AwaitUpTime(sim, Number(before, kSysUpTime) + 150);
    const auto after = Get(sim, growing + std::vector{kSysUpTime});
    for (const std::string& oid : growing) {
        EXPECT_GT(Number(after, oid), Number(before, oid)) << oid;
    }
}

TEST(SimStandardMib, WideCountersHoldTheNarrowOnesAndPortsWithoutALinkStandStill) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {kIf + "10", kIfX + "6"},  {kIf + "11", kIfX + "7"}, {kIf + "16", kIfX + "10"},
        {kIf + "17", kIfX + "11"}, {kIfX + "2", kIfX + "8"}, {kIfX + "5", kIfX + "13"}};
    // 14 objects a port: a port's objects come in one batch of the GET.
    std::vector<std::string> oids;
    for (int port = 1; port <= 24; ++port) {
        oids.push_back(Port(kIf + "8", port));
        oids.push_back(Port(kIf + "9", port));
        for (const auto& [narrow, wide] : pairs) {
            oids.push_back(Port(narrow, port));
            oids.push_back(Port(wide, port));
        }
    }
    const auto before = Get(sim, oids);
    AwaitUpTime(sim, UpTime(sim) + 150);
    const auto after = Get(sim, oids);
    int still = 0;
    int moving = 0;
    for (int port = 1; port <= 24; ++port) {
        for (const auto* read : {&before, &after}) {
            for (const auto& [narrow, wide] : pairs) {
                EXPECT_EQ(Number(*read, Port(narrow, port)),
                          Number(*read, Port(wide, port)) & 0xFFFFFFFFu)
                    << narrow << " port " << port;
            }
        }
        // A port whose link neither came nor went meanwhile.
        if (Number(before, Port(kIf + "9", port)) != Number(after, Port(kIf + "9", port)) ||
            before.at(Port(kIf + "8", port)) != after.at(Port(kIf + "8", port))) {
            continue;
        }
        const bool up = after.at(Port(kIf + "8", port)) == "1";
        const std::uint64_t was = Number(before, Port(kIfX + "6", port));
        const std::uint64_t is = Number(after, Port(kIfX + "6", port));
        if (up) {
            EXPECT_GT(is, was) << "port " << port;
            ++moving;
        } else {
            EXPECT_EQ(is, was) << "port " << port;
            ++still;
        }
    }
    EXPECT_GT(moving, 0);
    EXPECT_GT(still, 0);
}

TEST(SimStandardMib, ReadOnlyObjectsRefuseSets) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    ExpectOutcomes(
        sim,
        {
            {"sysDescr", {m + "1.1.0", "s", "x"}, "notWritable"},
            {"ifInOctets", {Port(kIf + "10", 1), "i", "0"}, "notWritable"},
            {"ipForwarding", {m + "4.1.0", "i", "2"}, "notWritable"},
            {"ipInReceives", {m + "4.3.0", "i", "0"}, "notWritable"},
            {"ipRouteNextHop", {m + "4.21.1.7.0.0.0.0", "a", "192.0.2.2"}, "notWritable"},
            {"ipNetToMediaType", {m + "4.22.1.4.1024.192.0.2.1", "i", "2"}, "notWritable"},
            {"etherStatsStatus", {Port(m + "16.1.1.1.21", 1), "i", "4"}, "notWritable"},
            {"alarmRisingThreshold", {m + "16.3.1.1.7.1", "i", "1"}, "notWritable"},
            {"dot1dStaticStatus", {m + "17.5.1.1.4.0.27.33.58.79.16.0", "i", "2"}, "notWritable"},
            {"ospfRouterId", {m + "14.1.1.0", "a", "192.0.2.99"}, "notWritable"},
            {"rip2IfConfSend", {m + "23.3.1.5.192.0.2.10", "i", "1"}, "notWritable"},
            {"pimJoinPruneInterval", {"1.3.6.1.3.61.1.1.1.0", "i", "30"}, "notWritable"},
        });
}

TEST(SimStandardMib, TheSnmpGroupCountsTheRequests) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    const std::vector<std::string> counters = {m + "11.1.0", m + "11.4.0", m + "11.15.0",
                                               m + "11.16.0"};
    const auto before = Get(sim, counters);
    for (int i = 0; i < 3; ++i) {
        Get(sim, {m + "1.1.0"});
    }
    const ToolResult next = RunTool(std::vector<std::string>{"snmpgetnext"} +
                                    V2c("vesper", sim.Address()) + std::vector{m + "1.1.0"});
    EXPECT_EQ(next.exitCode, 0) << next.err;
    const auto unanswered = wire::Exchange(
        sim.Address(),
        wire::CommunityMessage(
            1, "nobody", wire::Pdu(wire::kGet, 7, {wire::Varbind(m + "1.1.0", wire::Null())})),
        std::chrono::milliseconds(300));
    EXPECT_FALSE(unanswered.has_value()) << "an unknown community gets no answer";
    const auto after = Get(sim, counters);
    const auto grew = [&](const std::string& oid) {
        return Number(after, oid) - Number(before, oid);
    };
    EXPECT_EQ(grew(m + "11.1.0"), 6u) << "snmpInPkts: 3 gets, 1 getnext, 1 refused, this one";
    EXPECT_EQ(grew(m + "11.4.0"), 1u) << "snmpInBadCommunityNames";
    EXPECT_EQ(grew(m + "11.15.0"), 4u) << "snmpInGetRequests";
    EXPECT_EQ(grew(m + "11.16.0"), 1u) << "snmpInGetNexts";
}

TEST(SimStandardMib, RoutesArpAndForwardingAgreeAndFollowTheStaticRoutes) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    const auto check = [&](const std::set<std::string>& expectedHops) {
        const auto addresses = Walk(sim, m + "4.20.1.1");
        ASSERT_EQ(addresses.size(), 1u);
        const std::string own = addresses.begin()->second;
        EXPECT_EQ(own, "192.0.2.10") << "the System interface";
        const auto hops = Walk(sim, m + "4.21.1.7");
        const auto types = Walk(sim, m + "4.21.1.8");
        std::set<std::string> indirect;
        for (const auto& [dest, hop] : hops) {
            if (types.at(dest) == "4") {
                indirect.insert(hop);
            }
            EXPECT_EQ(hop == own, types.at(dest) == "3") << dest << ": direct via itself";
        }
        EXPECT_EQ(indirect, expectedHops);
        const auto cidr = Walk(sim, m + "4.24.4.1.4");
        EXPECT_EQ(std::to_string(cidr.size()), Get(sim, {m + "4.24.3.0"})[m + "4.24.3.0"]);
        EXPECT_EQ(cidr.size(), hops.size());

        // Every next hop is in the ARP cache, at an address the bridge
        // learned or the one its binding names.
        const auto arp = Walk(sim, m + "4.22.1.2");
        std::set<std::string> known;
        for (const auto& [mac, port] : Walk(sim, m + "17.4.3.1.1")) {
            known.insert(port);
        }
        for (const auto& [host, mac] : Walk(sim, "1.3.6.1.4.1.99917.12.23.4.1.1.2")) {
            known.insert(mac);
        }
        for (const std::string& hop : expectedHops) {
            const auto entry = arp.find("1024." + hop);
            ASSERT_NE(entry, arp.end()) << hop;
        }
        for (const auto& [index, mac] : arp) {
            EXPECT_EQ(known.count(mac), 1u) << index << " at " << mac;
        }
    };
    check({"192.0.2.1", "192.0.2.254"});

    // The bridge's database lists each address on the port the VLAN-aware one has.
    std::map<std::string, std::string> qPorts;
    for (const auto& [index, port] : Walk(sim, m + "17.7.1.2.2.1.2")) {
        qPorts.emplace(index.substr(index.find('.') + 1), port);
    }
    const auto ports = Walk(sim, m + "17.4.3.1.2");
    EXPECT_EQ(ports.size(), qPorts.size());
    for (const auto& [mac, port] : ports) {
        EXPECT_EQ(qPorts[mac], port) << mac;
    }

    const std::string route = "198.51.100.0.255.255.255.0.1";
    ExpectOutcomes(
        sim,
        {{"route added",
          {kStaticRoute + "4." + route, "a", "192.0.2.200", kStaticRoute + "6." + route, "i", "3"},
          ""}});
    check({"192.0.2.1", "192.0.2.254", "192.0.2.200"});
    ExpectOutcomes(sim, {{"route removed", {kStaticRoute + "6." + route, "i", "2"}, ""}});
    check({"192.0.2.1", "192.0.2.254"});
}

TEST(SimStandardMib, ARestartCountsFromTheBaseAgain) {
    const fs::path state =
        fs::temp_directory_path() / ("vanta-sim-standard-state-" + std::to_string(getpid()));
    fs::remove_all(state);
    // The busiest port is never without its link: 25 MB/s from its base.
    const std::string octets = Port(kIfX + "6", 22);
    const auto expected = [](std::uint64_t ticks) {
        return (std::uint64_t{1} << 32) - 25'000'000ull * 120 + 250'000 * ticks;
    };
    std::uint64_t first = 0;
    {
        SimProcess sim({"--state", state.string()});
        ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
        AwaitUpTime(sim, 300);
        const auto read = Get(sim, {kSysUpTime, octets});
        first = Number(read, kSysUpTime);
        EXPECT_EQ(Number(read, octets), expected(first));
    }
    SimProcess again({"--state", state.string()});
    ASSERT_FALSE(again.Address().empty()) << again.Stderr();
    const auto read = Get(again, {kSysUpTime, octets});
    EXPECT_LT(Number(read, kSysUpTime), first);
    EXPECT_EQ(Number(read, octets), expected(Number(read, kSysUpTime)));
    fs::remove_all(state);
}
