// vanta-sim's bridge settings over real SNMP: IGMP and MLD router ports,
// GARP timers, PVIDs, multicast forwarding by VLAN, static filtering
// entries, PAUSE control and the order to clear the counters.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdint>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "SimHarness.h"

namespace {

const std::string kIgmpRouter = "1.3.6.1.4.1.99917.11.70.1.2.11.6.1.";
const std::string kMldRouter = "1.3.6.1.4.1.99917.12.34.3.4.1.";
const std::string kMldGroup = "1.3.6.1.4.1.99917.12.34.3.3.1.";
const std::string kDevCtrl = "1.3.6.1.4.1.99917.11.70.1.2.1.2.";
const std::string kGarp = "1.3.6.1.2.1.17.6.1.3.1.1.";
const std::string kPortVlan = "1.3.6.1.2.1.17.7.1.4.5.1.";
const std::string kVlanStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";
const std::string kForwardAll = "1.3.6.1.2.1.17.7.1.2.4.1.";
const std::string kForwardUnregistered = "1.3.6.1.2.1.17.7.1.2.5.1.";
const std::string kStaticUnicast = "1.3.6.1.2.1.17.7.1.3.1.1.";
const std::string kStaticMulticast = "1.3.6.1.2.1.17.7.1.3.2.1.";
const std::string kPause = "1.3.6.1.2.1.10.7.10.1.";
const std::string kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";

// VLAN 1, 00-11-22-33-44-55, any receive port.
const std::string kNewUnicast = "1.0.17.34.51.68.85.0";
const std::string kServer = "1.0.27.33.58.79.16.0";  // the recorded entry
const std::string kPtp = "1.1.0.94.0.1.129.0";       // the recorded multicast entry

// A value in hexadecimal without spaces, however many lines snmpget spreads it on.
std::string HexOf(const SimProcess& sim, const std::string& oid) {
    const ToolResult get = RunTool(std::vector<std::string>{"snmpget", "-Oqv", "-Ox"} +
                                   V2c("vesper", sim.Address()) + std::vector{oid});
    std::string hex;
    for (const char c : get.out) {
        if (std::isxdigit(static_cast<unsigned char>(c)) != 0) {
            hex += c;
        }
    }
    return hex;
}

// A port list of `octets` with the given ports.
std::string PortsHex(std::vector<int> ports, std::size_t octets) {
    std::vector<unsigned> bytes(octets, 0);
    for (const int p : ports) {
        bytes[static_cast<std::size_t>(p - 1) / 8] |= 0x80u >> ((p - 1) % 8);
    }
    std::ostringstream hex;
    for (const unsigned b : bytes) {
        hex << std::uppercase << std::hex << (b >> 4) << (b & 0xF);
    }
    return hex.str();
}

}  // namespace

TEST(SimBridge, DefaultsAreServed) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    EXPECT_EQ(WalkedIndexes(sim, kIgmpRouter + "1"), (std::vector<std::string>{"1", "100"}));
    EXPECT_EQ(WalkedIndexes(sim, kMldRouter + "1"), (std::vector<std::string>{"1", "100"}));
    EXPECT_EQ(WalkedIndexes(sim, kMldGroup + "5").size(), 3u);
    EXPECT_EQ(WalkedIndexes(sim, kGarp + "1").size(), 26u);
    EXPECT_EQ(WalkedIndexes(sim, kPortVlan + "1").size(), 26u);
    EXPECT_EQ(WalkedIndexes(sim, kStaticUnicast + "4"), (std::vector<std::string>{kServer}));
    EXPECT_EQ(WalkedIndexes(sim, kStaticMulticast + "5"), (std::vector<std::string>{kPtp}));
    EXPECT_EQ(
        ReadValues(sim, {kIgmpRouter + "2.1", kIgmpRouter + "3.1", kIgmpRouter + "4.1",
                         kMldGroup + "3.1.255.2.0.0.0.0.0.0.0.0.0.0.0.1.0.3", kGarp + "1.1",
                         kGarp + "2.1", kGarp + "3.1", kPortVlan + "1.4", kDevCtrl + "13.2.0",
                         kDevCtrl + "5.0", "1.3.6.1.2.1.10.7.9.1.1.1", "1.3.6.1.2.1.17.6.1.1.1.0"}),
        (std::vector<std::string>{"00 00 00 80 00 00 00 00", "02 00 00 00 00 00 00 00",
                                  "00 00 10 00 00 00 00 00", "33 33 00 01 00 03", "20", "60",
                                  "1000", "100", "80", "1", "80", "F2"}));
    // Lists of twelve units of 64 ports.
    EXPECT_EQ(HexOf(sim, kForwardAll + "1.1"), PortsHex({25}, 96));
    EXPECT_EQ(HexOf(sim, kForwardUnregistered + "2.1"), PortsHex({25, 26}, 96));
    EXPECT_EQ(HexOf(sim, "1.3.6.1.2.1.17.7.1.2.3.1.2.1.1.0.94.1.1.1"), PortsHex({3, 7}, 96));
}

TEST(SimBridge, WritesFollowTheSwitchRules) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    ExpectOutcomes(
        sim,
        {
            // GARP: Leave >= 2 x Join, LeaveAll > Leave, with the row as the set leaves it.
            {"join over half the leave", {kGarp + "1.1", "i", "31"}, "inconsistentValue"},
            {"join half the leave", {kGarp + "1.1", "i", "30"}, ""},
            {"leave-all equal to leave", {kGarp + "3.1", "i", "60"}, "inconsistentValue"},
            {"all three moved together",
             {kGarp + "3.2", "i", "201", kGarp + "2.2", "i", "200", kGarp + "1.2", "i", "100"},
             ""},
            {"join of no time", {kGarp + "1.3", "i", "0"}, "wrongValue"},
            // PVID: only an existing VLAN.
            {"PVID of a missing VLAN", {kPortVlan + "1.3", "u", "200"}, "inconsistentValue"},
            {"PVID of VLAN 100", {kPortVlan + "1.3", "u", "100"}, ""},
            {"PVID of a VLAN created in the same set",
             {kVlanStatic + "5.300", "i", "4", kPortVlan + "1.5", "u", "300"},
             ""},
            {"acceptable frame type out of range", {kPortVlan + "2.1", "i", "3"}, "wrongValue"},
            // Router ports: never both static and forbidden.
            {"IGMP static port 20, forbidden",
             {kIgmpRouter + "2.1", "x", "0000100000000000"},
             "inconsistentValue"},
            {"IGMP forbidden port 25, static",
             {kIgmpRouter + "4.1", "x", "0000008000000000"},
             "inconsistentValue"},
            {"IGMP static and forbidden swapped in one set",
             {kIgmpRouter + "2.1", "x", "0000100000000000", kIgmpRouter + "4.1", "x",
              "0000008000000000"},
             ""},
            {"MLD forbidden port 26, static",
             {kMldRouter + "4.1", "x", "0000004000000000"},
             "inconsistentValue"},
            {"MLD forbidden port 27", {kMldRouter + "4.1", "x", "0000002000000000"}, ""},
            {"router port list too long",
             {kMldRouter + "2.1", "x", "000000000000000000"},
             "wrongLength"},
            // Multicast forwarding and static multicast entries alike.
            {"forward-all forbidden port 25, static",
             {kForwardAll + "3.1", "x", "00000080"},
             "inconsistentValue"},
            {"forward-unregistered forbidden port 4, static",
             {kForwardUnregistered + "2.100", "x", "10"},
             "inconsistentValue"},
            {"multicast forbidden port 10, egress",
             {kStaticMulticast + "4." + kPtp, "x", "0040000000000000"},
             "inconsistentValue"},
            // Static unicast entries: a VLAN of their own, a kind that can be set.
            {"unicast entry in a missing VLAN",
             {kStaticUnicast + "4.7.0.17.34.51.68.85.0", "i", "3"},
             "inconsistentName"},
            {"unicast entry of kind other",
             {kStaticUnicast + "4." + kNewUnicast, "i", "1"},
             "wrongValue"},
            {"unicast entry on port 27",
             {kStaticUnicast + "4.1.0.17.34.51.68.85.27", "i", "3"},
             "noCreation"},
            // What the switch reports is not written.
            {"forward-all ports in force", {kForwardAll + "1.1", "x", "00"}, "notWritable"},
            {"learned router ports", {kIgmpRouter + "3.1", "x", "0000000000000000"}, "notWritable"},
            {"MLD group members",
             {kMldGroup + "4.1.255.2.0.0.0.0.0.0.0.0.0.0.0.1.0.3", "x", "0000000000000000"},
             "notWritable"},
            {"PAUSE mode in force", {kPause + "2.1", "i", "4"}, "notWritable"},
            {"GVRP failed registrations", {kPortVlan + "5.1", "u", "0"}, "notWritable"},
            {"equipment capacity", {"1.3.6.1.4.1.99917.12.11.1.1.0", "s", "x"}, "notWritable"},
            {"802.1X frames received",
             {"1.3.6.1.4.1.99917.12.3.6.2.1.1.0.27.33.58.79.1.3", "u", "0"},
             "notWritable"},
            // Device control ranges.
            {"management VLAN 4095", {kDevCtrl + "7.0", "i", "4095"}, "wrongValue"},
            {"MAC notification history of 501", {kDevCtrl + "9.0", "i", "501"}, "wrongValue"},
            {"telnet on port 2323", {kDevCtrl + "14.2.0", "i", "2323"}, ""},
            {"packet storm traps both", {"1.3.6.1.4.1.99917.12.25.1.2.0", "i", "4"}, ""},
            {"packet storm traps 5", {"1.3.6.1.4.1.99917.12.25.1.2.0", "i", "5"}, "wrongValue"},
        });
}

TEST(SimBridge, StaticUnicastEntriesComeAndGoByTheirStatus) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    ExpectOutcomes(sim, {{"created permanent",
                          {kStaticUnicast + "4." + kNewUnicast, "i", "3",
                           kStaticUnicast + "3." + kNewUnicast, "x", "4000000000000000"},
                          ""}});
    EXPECT_EQ(WalkedIndexes(sim, kStaticUnicast + "4"),
              (std::vector<std::string>{kNewUnicast, kServer}));
    EXPECT_EQ(
        ReadValues(sim, {kStaticUnicast + "3." + kNewUnicast, kStaticUnicast + "4." + kNewUnicast}),
        (std::vector<std::string>{"40 00 00 00 00 00 00 00", "3"}));
    ExpectOutcomes(sim,
                   {{"kept until reset", {kStaticUnicast + "4." + kNewUnicast, "i", "4"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kStaticUnicast + "4." + kNewUnicast}),
              (std::vector<std::string>{"4"}));
    ExpectOutcomes(sim,
                   {{"removed", {kStaticUnicast + "4." + kNewUnicast, "i", "2"}, ""},
                    {"multicast entry removed", {kStaticMulticast + "5." + kPtp, "i", "2"}, ""}});
    EXPECT_EQ(WalkedIndexes(sim, kStaticUnicast + "4"), (std::vector<std::string>{kServer}));
    EXPECT_TRUE(WalkedIndexes(sim, kStaticMulticast + "5").empty());
}

TEST(SimBridge, VlanChangesReachPortsAndForwardingLists) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    ExpectOutcomes(sim, {{"short static list", {kForwardAll + "2.100", "x", "4000"}, ""}});
    EXPECT_EQ(HexOf(sim, kForwardAll + "2.100"), PortsHex({2}, 96));
    EXPECT_EQ(HexOf(sim, kForwardAll + "1.100"), PortsHex({2}, 96));
    ExpectOutcomes(sim, {{"VLAN 100 destroyed", {kVlanStatic + "5.100", "i", "6"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kPortVlan + "1.4"}), (std::vector<std::string>{"1"}));
    EXPECT_EQ(WalkedIndexes(sim, kForwardAll + "2"), (std::vector<std::string>{"1"}));
    EXPECT_EQ(WalkedIndexes(sim, kIgmpRouter + "2"), (std::vector<std::string>{"1"}));
}

namespace {

// The first 24 ports as the interfaces table lists them: which have a link.
std::vector<bool> Links(const SimProcess& sim) {
    std::vector<std::string> oids;
    for (int p = 1; p <= 24; ++p) {
        oids.push_back(kIfOperStatus + "." + std::to_string(p));
    }
    std::vector<bool> links;
    for (const auto& status : ReadValues(sim, oids)) {
        links.push_back(status == "1");
    }
    return links;
}

std::uint64_t InOctets(const SimProcess& sim) {
    std::vector<std::string> oids;
    for (int p = 1; p <= 24; ++p) {
        oids.push_back("1.3.6.1.2.1.2.2.1.10." + std::to_string(p));
    }
    std::uint64_t sum = 0;
    for (const auto& value : ReadValues(sim, oids)) {
        sum += std::stoull(value);
    }
    return sum;
}

}  // namespace

TEST(SimBridge, ClearingTheCountersReadsNormalAgain) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    const std::uint64_t before = InOctets(sim);
    ExpectOutcomes(sim, {{"clear", {kDevCtrl + "5.0", "i", "2"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kDevCtrl + "5.0"}), (std::vector<std::string>{"1"}));
    // At most a second of traffic since, and no more than one second's PAUSE frames.
    EXPECT_LT(InOctets(sim), before);
    for (const auto& frames : ReadValues(sim, {kPause + "3.1", kPause + "3.22", kPause + "4.22"})) {
        EXPECT_LE(std::stoul(frames), 12u);
    }
}

TEST(SimBridge, PauseFramesFlowOverALinkOnly) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    const std::vector<bool> links = Links(sim);
    ASSERT_EQ(links.size(), 24u);
    std::vector<std::string> oids;
    for (int p = 1; p <= 24; ++p) {
        const std::string port = std::to_string(p);
        oids.insert(oids.end(), {kPause + "1." + port, kPause + "2." + port, kPause + "3." + port,
                                 kPause + "4." + port});
    }
    const std::vector<std::string> values = ReadValues(sim, oids);
    ASSERT_EQ(values.size(), oids.size());
    const std::vector<bool> linksAfter = Links(sim);
    std::uint64_t framesOverLinks = 0;
    for (std::size_t p = 0; p < 24; ++p) {
        const std::string& admin = values[4 * p];
        const std::string& oper = values[4 * p + 1];
        const std::uint64_t frames =
            std::stoull(values[4 * p + 2]) + std::stoull(values[4 * p + 3]);
        if (linksAfter.size() != links.size() || linksAfter[p] != links[p]) {
            continue;  // a cable moved meanwhile
        }
        EXPECT_EQ(oper, links[p] ? admin : "1") << "port " << p + 1;
        framesOverLinks += links[p] ? frames : 0;
    }
    EXPECT_GT(framesOverLinks, 0u);
}
