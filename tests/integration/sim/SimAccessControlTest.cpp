// vanta-sim's access control lists over real SNMP: Ethernet, IP and IPv6
// profiles and their rules, created and destroyed by RowStatus, each rule
// matching only what its profile examines.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SimHarness.h"

namespace fs = std::filesystem;

namespace {

const std::string kEthProfile = "1.3.6.1.4.1.99917.12.9.2.1.1.";
const std::string kEthRule = "1.3.6.1.4.1.99917.12.9.3.1.1.";
const std::string kIpProfile = "1.3.6.1.4.1.99917.12.9.2.2.1.";
const std::string kIpRule = "1.3.6.1.4.1.99917.12.9.3.2.1.";
const std::string kIpv6Profile = "1.3.6.1.4.1.99917.12.9.2.4.1.";
const std::string kIpv6Rule = "1.3.6.1.4.1.99917.12.9.3.4.1.";

const std::string kAddress6 = "20010DB8000000020000000000000001";

// The rows of every table, by their status column.
struct Rows {
    std::vector<std::string> ethProfiles, ethRules, ipProfiles, ipRules, ipv6Profiles, ipv6Rules;
    bool operator==(const Rows&) const = default;
};

Rows RowsOf(const SimProcess& sim) {
    return {WalkedIndexes(sim, kEthProfile + "8"),  WalkedIndexes(sim, kEthRule + "17"),
            WalkedIndexes(sim, kIpProfile + "19"),  WalkedIndexes(sim, kIpRule + "24"),
            WalkedIndexes(sim, kIpv6Profile + "7"), WalkedIndexes(sim, kIpv6Rule + "14")};
}

void PrintTo(const Rows& rows, std::ostream* os) {
    for (const auto* table : {&rows.ethProfiles, &rows.ethRules, &rows.ipProfiles, &rows.ipRules,
                              &rows.ipv6Profiles, &rows.ipv6Rules}) {
        *os << "[";
        for (const auto& index : *table) {
            *os << index << " ";
        }
        *os << "] ";
    }
}

}  // namespace

TEST(SimAccessControl, DefaultProfilesAndRulesAreServed) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    EXPECT_EQ(
        RowsOf(sim),
        (Rows{{"1", "2"}, {"1.1", "2.1"}, {"1", "2"}, {"1.1", "1.2", "2.1"}, {"1"}, {"1.1"}}));
    EXPECT_EQ(
        ReadValues(sim, {kEthProfile + "3.1", kEthProfile + "4.1", kEthRule + "7.1.1",
                         kEthRule + "14.1.1", kEthRule + "3.2.1", kIpProfile + "4.1",
                         kIpRule + "7.1.2", kIpRule + "7.2.1", kIpv6Profile + "5.1"}),
        (std::vector<std::string>{"4", "FF FF FF FF FF FF", "08 06", "F0 00 00 00 00 00 00 00",
                                  "64 65 66 61 75 6C 74", "255.255.255.0", "4", "2",
                                  "FF FF FF FF FF FF FF FF 00 00 00 00 00 00 00 00"}));
}

TEST(SimAccessControl, RowsAreCreatedInTheirRangesUnderTheirProfile) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    ExpectOutcomes(
        sim,
        {
            {"profile 7", {kEthProfile + "8.7", "i", "4"}, "noCreation"},
            {"profile 0", {kIpProfile + "19.0", "i", "4"}, "noCreation"},
            {"access 129", {kEthRule + "17.1.129", "i", "4"}, "noCreation"},
            {"access 0", {kIpv6Rule + "14.1.0", "i", "4"}, "noCreation"},
            {"rule of profile 7", {kIpRule + "24.7.1", "i", "4"}, "noCreation"},
            {"Ethernet rule without its profile",
             {kEthRule + "17.3.1", "i", "4"},
             "inconsistentValue"},
            {"IP rule without its profile", {kIpRule + "24.3.1", "i", "4"}, "inconsistentValue"},
            {"IPv6 rule without its profile",
             {kIpv6Rule + "14.2.1", "i", "4"},
             "inconsistentValue"},
            {"Ethernet profile 6",
             {kEthProfile + "8.6", "i", "4", kEthProfile + "3.6", "i", "2", kEthProfile + "5.6",
              "x", "FFFFFF000000"},
             ""},
            {"its access 128",
             {kEthRule + "17.6.128", "i", "4", kEthRule + "5.6.128", "x", "001122334455",
              kEthRule + "13.6.128", "i", "1", kEthRule + "14.6.128", "x", "C0"},
             ""},
            {"IPv6 rule before its profile in one set",
             {kIpv6Rule + "14.3.1", "i", "4", kIpv6Rule + "6.3.1", "x", kAddress6,
              kIpv6Profile + "7.3", "i", "4", kIpv6Profile + "4.3", "i", "2"},
             ""},
            {"rule written in the set that destroys its profile",
             {kEthRule + "3.2.1", "s", "v2", kEthProfile + "8.2", "i", "6"},
             "inconsistentValue"},
            {"rule destroyed", {kIpRule + "24.1.2", "i", "6"}, ""},
        });
    EXPECT_EQ(
        ReadValues(sim, {kEthProfile + "5.6", kEthRule + "5.6.128", kEthRule + "13.6.128",
                         kEthRule + "14.6.128", kEthRule + "8.6.128", kEthRule + "2.6.128",
                         kIpv6Rule + "6.3.1", kEthRule + "17.2.1"}),
        (std::vector<std::string>{"FF FF FF 00 00 00", "00 11 22 33 44 55", "1", "C0", "2", "128",
                                  "20 01 0D B8 00 00 00 02 00 00 00 00 00 00 00 01", "1"}));
    EXPECT_EQ(WalkedIndexes(sim, kIpRule + "24"), (std::vector<std::string>{"1.1", "2.1"}));
}

TEST(SimAccessControl, RulesMatchOnlyWhatTheirProfileExamines) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const auto eth = [](const std::string& row, std::vector<std::string> columns) {
        return std::vector<std::string>{kEthRule + "17." + row, "i", "4"} + columns;
    };
    const auto ip = [](const std::string& row, std::vector<std::string> columns) {
        return std::vector<std::string>{kIpRule + "24." + row, "i", "4"} + columns;
    };
    const auto ipv6 = [](const std::string& row, std::vector<std::string> columns) {
        return std::vector<std::string>{kIpv6Rule + "14." + row, "i", "4"} + columns;
    };
    const std::string iv = "inconsistentValue";
    // Ethernet profile 1: both MAC addresses and the type; 2: VLAN and 802.1p.
    ExpectOutcomes(
        sim,
        {
            {"VLAN name, profile 1", eth("1.10", {kEthRule + "3.1.10", "s", "default"}), iv},
            {"an empty VLAN name written", eth("1.10", {kEthRule + "3.1.10", "s", ""}), iv},
            {"802.1p, profile 1", eth("1.10", {kEthRule + "6.1.10", "i", "3"}), iv},
            {"Ethernet type, profile 2", eth("2.10", {kEthRule + "7.2.10", "x", "86DD"}), iv},
            {"source MAC, profile 2", eth("2.10", {kEthRule + "4.2.10", "x", "001122334455"}), iv},
            {"source MAC of rule 2.1", {kEthRule + "4.2.1", "x", "001122334455"}, iv},
            {"source MAC and type, profile 1",
             eth("1.10",
                 {kEthRule + "4.1.10", "x", "001122334455", kEthRule + "7.1.10", "x", "86DD"}),
             ""},
            {"VLAN and 802.1p, profile 2",
             eth("2.10", {kEthRule + "3.2.10", "s", "v10", kEthRule + "6.2.10", "i", "7"}), ""},
            {"profile 1 stops examining source MACs", {kEthProfile + "3.1", "i", "2"}, iv},
            {"profile 2 stops examining VLANs", {kEthProfile + "2.2", "i", "2"}, iv},
        });
    // IP profile 1: source network, TCP; 2: destination host, ICMP.
    ExpectOutcomes(
        sim,
        {
            {"destination, profile 1", ip("1.10", {kIpRule + "5.1.10", "a", "192.0.2.9"}), iv},
            {"DSCP, profile 1", ip("1.10", {kIpRule + "6.1.10", "i", "46"}), iv},
            {"ICMP, profile 1", ip("1.10", {kIpRule + "8.1.10", "i", "1"}), iv},
            {"IGMP, profile 2", ip("2.10", {kIpRule + "9.2.10", "i", "1"}), iv},
            {"port, profile 2", ip("2.10", {kIpRule + "11.2.10", "i", "53"}), iv},
            {"protocol id, profile 1", ip("1.10", {kIpRule + "13.1.10", "i", "17"}), iv},
            {"user mask, profile 1", ip("1.10", {kIpRule + "14.1.10", "x", "000000FF"}), iv},
            {"source, port and flags, profile 1",
             ip("1.10", {kIpRule + "4.1.10", "a", "192.0.2.64", kIpRule + "10.1.10", "i", "1024",
                         kIpRule + "12.1.10", "i", "2"}),
             ""},
            {"ICMP to a host, profile 2",
             ip("2.10", {kIpRule + "5.2.10", "a", "192.0.2.2", kIpRule + "8.2.10", "i", "1"}), ""},
            {"profile 2 to UDP under its ICMP rules", {kIpProfile + "7.2", "i", "5"}, iv},
            {"UDP profile 3", {kIpProfile + "19.3", "i", "4", kIpProfile + "7.3", "i", "5"}, ""},
            {"flags, UDP profile 3", ip("3.1", {kIpRule + "12.3.1", "i", "1"}), iv},
            {"port, UDP profile 3", ip("3.1", {kIpRule + "11.3.1", "i", "53"}), ""},
            {"protocol id profile 4 and its rule",
             {kIpProfile + "19.4", "i", "4", kIpProfile + "7.4", "i", "6", kIpRule + "24.4.1", "i",
              "4", kIpRule + "13.4.1", "i", "47", kIpRule + "14.4.1", "x", "FFFF0000"},
             ""},
        });
    // IPv6 profile 1: the source's /64.
    ExpectOutcomes(
        sim,
        {
            {"destination, profile 1", ipv6("1.10", {kIpv6Rule + "6.1.10", "x", kAddress6}), iv},
            {"class, profile 1", ipv6("1.10", {kIpv6Rule + "3.1.10", "i", "8"}), iv},
            {"flow label, profile 1", ipv6("1.10", {kIpv6Rule + "4.1.10", "x", "00012345"}), iv},
            {"source, profile 1", ipv6("1.10", {kIpv6Rule + "5.1.10", "x", kAddress6}), ""},
            {"class beside a source mask", {kIpv6Profile + "2.1", "i", "1"}, iv},
            {"flow label beside a destination mask",
             {kIpv6Profile + "7.4", "i", "4", kIpv6Profile + "3.4", "i", "1", kIpv6Profile + "4.4",
              "i", "2"},
             iv},
            {"class and flow label",
             {kIpv6Profile + "7.4", "i", "4", kIpv6Profile + "2.4", "i", "1", kIpv6Profile + "3.4",
              "i", "1"},
             ""},
            {"their rule",
             ipv6("4.1", {kIpv6Rule + "3.4.1", "i", "184", kIpv6Rule + "4.4.1", "x", "000ABCDE"}),
             ""},
            {"its source address", {kIpv6Rule + "5.4.1", "x", kAddress6}, iv},
        });
}

TEST(SimAccessControl, ValuesOutsideTheirSyntaxAreRefused) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    ExpectOutcomes(
        sim,
        {
            {"MAC mask of 5 octets", {kEthProfile + "4.1", "x", "FFFFFFFFFF"}, "wrongLength"},
            {"MAC of 7 octets", {kEthRule + "4.1.1", "x", "00112233445566"}, "wrongLength"},
            {"IPv6 mask of 15 octets",
             {kIpv6Profile + "5.1", "x", std::string(30, 'F')},
             "wrongLength"},
            {"IPv6 address of 17 octets",
             {kIpv6Rule + "5.1.1", "x", kAddress6 + "00"},
             "wrongLength"},
            {"Ethernet type of 3 octets", {kEthRule + "7.1.1", "x", "080600"}, "wrongLength"},
            {"port mask of 1 octet", {kIpProfile + "13.1", "x", "FF"}, "wrongLength"},
            {"port list of 9 octets",
             {kIpRule + "21.1.1", "x", std::string(18, 'F')},
             "wrongLength"},
            {"VLAN name of 33", {kEthRule + "3.2.1", "s", std::string(33, 'v')}, "wrongLength"},
            {"priority 8", {kEthRule + "9.2.1", "i", "8"}, "wrongValue"},
            {"receive rate 156250", {kIpRule + "22.1.1", "i", "156250"}, "wrongValue"},
            {"DSCP 64", {kIpRule + "19.1.1", "i", "64"}, "wrongValue"},
            {"MAC mask state 5", {kEthProfile + "3.1", "i", "5"}, "wrongValue"},
            {"IPv6 mask state 4", {kIpv6Profile + "4.1", "i", "4"}, "wrongValue"},
            {"protocol type 7", {kIpProfile + "7.1", "i", "7"}, "wrongValue"},
            {"profile id", {kEthProfile + "1.1", "i", "1"}, "notWritable"},
            {"IP mask as octets", {kIpProfile + "4.1", "x", "FFFFFF00"}, "wrongType"},
            {"receive rate 156249", {kIpRule + "22.1.1", "i", "156249"}, ""},
        });
}

TEST(SimAccessControl, IpRuleProtocolIsItsProfiles) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    ExpectOutcomes(
        sim, {{"UDP profile 5",
               {kIpProfile + "19.5", "i", "4", kIpProfile + "7.5", "i", "5", kIpProfile + "11.5",
                "i", "2"},
               ""},
              {"its rule", {kIpRule + "24.5.1", "i", "4", kIpRule + "11.5.1", "i", "53"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kIpRule + "7.5.1"}), std::vector<std::string>{"5"});
    ExpectOutcomes(sim, {{"protocol written", {kIpRule + "7.5.1", "i", "4"}, "notWritable"},
                         {"profile 5 to TCP", {kIpProfile + "7.5", "i", "4"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kIpRule + "7.5.1"}), std::vector<std::string>{"4"});
}

TEST(SimAccessControl, DestroyingAProfileTakesItsRulesAcrossARestart) {
    const fs::path state =
        fs::temp_directory_path() / ("vanta-sim-acl-" + std::to_string(getpid()));
    fs::remove_all(state);
    const Rows left{{"1", "2"}, {"2.1"}, {"2"}, {"2.1"}, {}, {}};
    {
        SimProcess sim({"--state", state.string()});
        ASSERT_FALSE(sim.Address().empty());
        ExpectOutcomes(sim, {
                                {"Ethernet profile 1", {kEthProfile + "8.1", "i", "6"}, ""},
                                {"IP profile 1", {kIpProfile + "19.1", "i", "6"}, ""},
                                {"IPv6 profile 1", {kIpv6Profile + "7.1", "i", "6"}, ""},
                                {"Ethernet profile 1 anew", {kEthProfile + "8.1", "i", "4"}, ""},
                            });
        EXPECT_EQ(RowsOf(sim), left);
    }
    SimProcess again({"--state", state.string()});
    ASSERT_FALSE(again.Address().empty());
    EXPECT_EQ(RowsOf(again), left);
    EXPECT_EQ(ReadValues(again, {kEthProfile + "3.1", kEthProfile + "7.1"}),
              (std::vector<std::string>{"1", "2"}));
    fs::remove_all(state);
}
