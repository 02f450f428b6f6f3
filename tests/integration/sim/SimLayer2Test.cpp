// vanta-sim's trunks, port mirroring, LACP ports, traffic segmentation and
// spanning-tree settings over real SNMP, and the set log of --set-log.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SetLog.h"
#include "SimHarness.h"
#include "SnmpWire.h"

namespace fs = std::filesystem;

namespace {

const std::string kTrunk = "1.3.6.1.4.1.99917.11.70.1.2.9.3.1.";
const std::string kMirror = "1.3.6.1.4.1.99917.11.70.1.2.10.";
const std::string kStp = "1.3.6.1.4.1.99917.12.15.1.";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";

ToolResult Set(const SimProcess& sim, const std::vector<std::string>& varbinds) {
    return RunTool(std::vector<std::string>{"snmpset"} + V2c("lantern", sim.Address()) + varbinds);
}

std::vector<std::string> Numbers(int first, int last, const std::string& suffix = "") {
    std::vector<std::string> numbers;
    for (int n = first; n <= last; ++n) {
        numbers.push_back(std::to_string(n) + suffix);
    }
    return numbers;
}

}  // namespace

TEST(SimLayer2, NewTablesAndScalarsAnswerInIndexOrder) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    EXPECT_EQ(WalkedIndexes(sim, kTrunk + "1"), (std::vector<std::string>{"1", "5"}));
    EXPECT_EQ(WalkedIndexes(sim, "1.3.6.1.4.1.99917.12.4.1.2.1.1.2"), Numbers(1, 26));
    EXPECT_EQ(WalkedIndexes(sim, "1.3.6.1.4.1.99917.11.70.1.2.14.1.1.1"), Numbers(1, 26));
    EXPECT_EQ(WalkedIndexes(sim, "1.3.6.1.4.1.99917.12.15.2.4.1.2"), Numbers(1, 26));
    EXPECT_EQ(WalkedIndexes(sim, "1.3.6.1.4.1.99917.12.15.2.5.1.1"), Numbers(1, 26));
    EXPECT_EQ(WalkedIndexes(sim, kMirror.substr(0, kMirror.size() - 1)),
              (std::vector<std::string>{"1.0", "2.0", "3.0", "4.0"}));
    EXPECT_EQ(WalkedIndexes(sim, kStp.substr(0, kStp.size() - 1)), Numbers(2, 10, ".0"));
    // Trunk 1's name ("uplink"), trunk 5's members, the switch's address as
    // actor system id, all ports for traffic segmentation, the mirror target.
    EXPECT_EQ(ReadValues(sim, {kTrunk + "2.1", kTrunk + "4.5", "1.3.6.1.4.1.99917.12.4.1.2.1.1.3.7",
                               "1.3.6.1.4.1.99917.11.70.1.2.14.1.1.2.26", kMirror + "1.0"}),
              (std::vector<std::string>{"75 70 6C 69 6E 6B", "00 E0 00 00 00 00 00 00",
                                        "02 56 41 00 18 00", "FF FF FF C0 00 00 00 00", "26"}));
    // The port column's extra instances leave the (port, instance) rows alone.
    EXPECT_EQ(WalkedIndexes(sim, "1.3.6.1.4.1.99917.12.15.2.5.1.4").size(), 24u);
    ExpectOutcomes(
        sim, {{"per-instance path cost", {"1.3.6.1.4.1.99917.12.15.2.5.1.4.3.0", "i", "5"}, ""},
              {"port number", {"1.3.6.1.4.1.99917.12.15.2.5.1.1.3", "i", "5"}, "notWritable"}});
}

TEST(SimLayer2, TrunksKeepTheirMembersApartAndPublishTheirPorts) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const auto create = [](const std::string& master, const std::string& members) {
        return std::vector<std::string>{kTrunk + "7.2", "i", "4",    kTrunk + "3.2", "i", master,
                                        kTrunk + "4.2", "x", members};
    };
    ExpectOutcomes(sim,
                   {
                       {"nine members", create("17", "0000FF8000000000"), "inconsistentValue"},
                       {"one member", create("12", "0010000000000000"), "inconsistentValue"},
                       {"master outside", create("20", "0018000000000000"), "inconsistentValue"},
                       {"port of trunk 1", create("4", "1010000000000000"), "inconsistentValue"},
                       {"beyond port 26", create("26", "0000006000000000"), "inconsistentValue"},
                       {"flooding port", {kTrunk + "5.1", "i", "4"}, "notWritable"},
                       {"ports 12, 13", create("12", "0018000000000000"), ""},
                       {"destroy by its state", {kTrunk + "7.5", "i", "6"}, ""},
                       {"disable trunk 1", {kTrunk + "7.1", "i", "2"}, ""},
                   });
    EXPECT_EQ(WalkedIndexes(sim, kTrunk + "7"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(ReadValues(sim, {"1.3.6.1.4.1.99917.11.70.1.2.9.2.0"}),
              std::vector<std::string>{"2"});
    EXPECT_EQ(ReadValues(sim, {kTrunk + "1.2", kTrunk + "5.2", kTrunk + "8.2", kTrunk + "8.1"}),
              (std::vector<std::string>{"2", "12", "00 18 00 00 00 00 00 00",
                                        "00 00 00 00 00 00 00 00"}));
    // One set may move a port from one trunk to another, in either order.
    ExpectOutcomes(
        sim, {{"move port 13 to trunk 1",
               {kTrunk + "4.2", "x", "0030000000000000", kTrunk + "4.1", "x", "3008000000000000"},
               ""},
              {"move it back",
               {kTrunk + "4.1", "x", "3000000000000000", kTrunk + "4.2", "x", "0038000000000000"},
               ""},
              {"two trunks take port 14",
               {kTrunk + "4.1", "x", "3004000000000000", kTrunk + "4.2", "x", "003C000000000000"},
               "inconsistentValue"}});
}

TEST(SimLayer2, MirrorTargetIsNoSourceAndNoMemberOfAnEnabledTrunk) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    ExpectOutcomes(
        sim, {
                 {"ingress source", {kMirror + "1.0", "i", "1"}, "inconsistentValue"},
                 {"egress source",
                  {kMirror + "3.0", "x", "0000100000000000", kMirror + "1.0", "i", "20"},
                  "inconsistentValue"},
                 {"enabled trunk 1", {kMirror + "1.0", "i", "3"}, "inconsistentValue"},
                 {"beyond the ports", {kMirror + "1.0", "i", "769"}, "wrongValue"},
                 {"disabled trunk 5", {kMirror + "1.0", "i", "9", kMirror + "4.0", "i", "3"}, ""},
                 // Trunk 5 cannot be enabled under the target, but can with a new one.
                 {"enable trunk 5", {kTrunk + "7.5", "i", "1"}, "inconsistentValue"},
                 {"enable trunk 5, target 26",
                  {kTrunk + "7.5", "i", "1", kMirror + "1.0", "i", "26"},
                  ""},
             });
    EXPECT_EQ(ReadValues(sim, {kTrunk + "8.5"}),
              std::vector<std::string>{"00 E0 00 00 00 00 00 00"});
}

TEST(SimLayer2, SpanningTreeTimesFitTogetherAndLastARestart) {
    const fs::path state = fs::temp_directory_path() / ("vanta-sim-l2-" + std::to_string(getpid()));
    fs::remove_all(state);
    {
        SimProcess sim({"--state", state.string()});
        ASSERT_FALSE(sim.Address().empty());
        ExpectOutcomes(
            sim,
            {
                {"forward delay too short",
                 {kStp + "3.0", "i", "2000", kStp + "5.0", "i", "1000"},
                 "inconsistentValue"},
                {"max age 600, hello 300",
                 {kStp + "3.0", "i", "600", kStp + "4.0", "i", "300"},
                 "inconsistentValue"},
                {"recovery 59 s", {kStp + "10.0", "i", "59"}, "wrongValue"},
                {"recovery never", {kStp + "10.0", "i", "0"}, ""},
                {"recovery 60 s", {kStp + "10.0", "i", "60"}, ""},
                {"max age and delay", {kStp + "3.0", "i", "2000", kStp + "5.0", "i", "1500"}, ""},
                {"max age 1200", {kStp + "3.0", "i", "1200"}, ""},
                {"trunk 3",
                 {kTrunk + "7.3", "i", "4", kTrunk + "3.3", "i", "20", kTrunk + "4.3", "x",
                  "0000180000000000"},
                 ""},
            });
    }
    SimProcess again({"--state", state.string()});
    ASSERT_FALSE(again.Address().empty());
    EXPECT_EQ(ReadValues(again, {kStp + "3.0", kStp + "10.0", kTrunk + "8.3"}),
              (std::vector<std::string>{"1200", "60", "00 00 18 00 00 00 00 00"}));
    fs::remove_all(state);
}

TEST(SimSetLog, HasALineForEveryVarbindOfEveryAnsweredSet) {
    const fs::path log = fs::temp_directory_path() / ("vanta-sim-sets-" + std::to_string(getpid()));
    fs::remove(log);
    SimProcess sim({"--set-log", log.string()});
    ASSERT_FALSE(sim.Address().empty());
    agents::SetLogCursor cursor(log.string());
    ASSERT_EQ(
        Set(sim, {kSysName, "s", "lab-1", "1.3.6.1.2.1.16.19.12.0", "a", "192.0.2.254"}).exitCode,
        0);
    const auto accepted = cursor.Since();
    ASSERT_EQ(accepted.size(), 2u);
    EXPECT_EQ(accepted[0].RequestId, accepted[1].RequestId);
    EXPECT_EQ(accepted[0], (agents::SetLogLine{accepted[0].RequestId, kSysName, "octets",
                                               "6c61622d31", "noError"}));
    EXPECT_EQ(accepted[1], (agents::SetLogLine{accepted[0].RequestId, "1.3.6.1.2.1.16.19.12.0",
                                               "ipaddress", "192.0.2.254", "noError"}));

    // A refused request by hand, with a known id: every line has its status.
    const std::string pdu = wire::Pdu(wire::kSet, 4242,
                                      {wire::Varbind(kTrunk + "7.5", wire::Integer(6)),
                                       wire::Varbind(kTrunk + "5.1", wire::Integer(-3)),
                                       wire::Varbind(kSysName, wire::Oid("1.3.6.1.4")),
                                       wire::Varbind(kSysName, wire::Octets(""))});
    const auto reply = wire::Exchange(sim.Address(), wire::CommunityMessage(1, "lantern", pdu));
    ASSERT_TRUE(reply.has_value());
    const auto response = wire::Parse(*reply);
    ASSERT_TRUE(response.has_value());
    EXPECT_EQ(response->status, 17);  // notWritable
    EXPECT_EQ(cursor.Since(), (std::vector<agents::SetLogLine>{
                                  {"4242", kTrunk + "7.5", "integer", "6", "notWritable"},
                                  {"4242", kTrunk + "5.1", "integer", "-3", "notWritable"},
                                  {"4242", kSysName, "oid", "1.3.6.1.4", "notWritable"},
                                  {"4242", kSysName, "octets", "", "notWritable"},
                              }));
    EXPECT_EQ(ReadValues(sim, {kTrunk + "7.5"}), std::vector<std::string>{"2"});

    // An exception as a value is refused before any object is looked at.
    const std::string exception =
        wire::Pdu(wire::kSet, 4243, {wire::Varbind(kSysName, wire::Tlv(0x80, ""))});
    ASSERT_TRUE(wire::Exchange(sim.Address(), wire::CommunityMessage(1, "lantern", exception)));
    EXPECT_EQ(
        cursor.Since(),
        (std::vector<agents::SetLogLine>{{"4243", kSysName, "noSuchObject", "", "wrongType"}}));
    fs::remove(log);
}
