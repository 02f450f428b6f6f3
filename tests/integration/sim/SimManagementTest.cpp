// vanta-sim's management tables over real SNMP: login and enable method
// lists, AAA servers and server-group membership, IPv4 and IPv6 static
// routes and static IPv6 neighbours, IP-MAC bindings and blocked hosts,
// port-security deletion, SSL and Bulwark, summer time, configuration images
// and the RMON probe.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SimHarness.h"

namespace fs = std::filesystem;

namespace {

const std::string kLoginList = "1.3.6.1.4.1.99917.12.5.3.1.";
const std::string kEnableList = "1.3.6.1.4.1.99917.12.5.4.1.";
const std::string kServer = "1.3.6.1.4.1.99917.12.5.10.1.";
const std::string kServerGroup = "1.3.6.1.4.1.99917.12.5.9.1.";
const std::string kMember = "1.3.6.1.4.1.99917.12.5.12.1.";
const std::string kRoute = "1.3.6.1.4.1.99917.11.70.1.3.2.5.1.";
const std::string kRoute6 = "1.3.6.1.4.1.99917.12.26.3.1.1.";
const std::string kNeighbour = "1.3.6.1.4.1.99917.12.26.4.7.1.";
const std::string kIpInterface = "1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1.";
const std::string kBinding = "1.3.6.1.4.1.99917.12.23.4.1.1.";
const std::string kBlocked = "1.3.6.1.4.1.99917.12.23.4.2.1.";
const std::string kPortSecurityDelete = "1.3.6.1.4.1.99917.11.70.1.2.7.2.";
const std::string kSsl = "1.3.6.1.4.1.99917.12.7.1.";
const std::string kBulwark = "1.3.6.1.4.1.99917.12.19.2.";
const std::string kSummerTime = "1.3.6.1.4.1.99917.12.10.12.";
const std::string kConfigAction = "1.3.6.1.4.1.99917.12.1.2.8.4.1.2.";
const std::string kConfigInfo = "1.3.6.1.4.1.99917.12.1.2.8.1.1.";
const std::string kCurrentConfig = "1.3.6.1.4.1.99917.12.1.2.8.2.0";
const std::string kBootConfig = "1.3.6.1.4.1.99917.12.1.2.8.3.0";
const std::string kProbe = "1.3.6.1.2.1.16.19.";

const std::string kIv = "inconsistentValue";
// What snmpget shows for a row that is gone: the last of its table, or one
// beside others.
const std::string kNoObject = "No Such Object available on this agent at this OID";
const std::string kNoInstance = "No Such Instance currently exists at this OID";

// A string index: its length, then its characters.
std::string Named(const std::string& text) {
    std::string index = std::to_string(text.size());
    for (const char c : text) {
        index += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return index;
}

// An index of octets given in hexadecimal, one arc an octet.
std::string Arcs(const std::string& hex) {
    std::string index;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        index +=
            (index.empty() ? "" : ".") + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return index;
}

const std::string kDefault = Named("default");
const std::string kAdmins = Named("admins");

// Routes: 10.20.0.0/16 primary (seeded) and 2001:db8:20::/48 via 2001:db8:1::1.
const std::string kStaticRoute = "10.20.0.0.255.255.0.0.1";
const std::string kNet6 = "20010DB8003000000000000000000000";
const std::string kMask48 = "FFFFFFFFFFFF00000000000000000000";
const std::string kHop6 = "20010DB8000100000000000000000002";
const std::string kNeighbourAddress = "20010DB8000100000000000000000020";
const std::string kBlockedHost = "1.0.27.33.58.79.48";  // VLAN 1, 00-1B-21-3A-4F-30

std::string Route6(const std::string& dest, const std::string& mask, const std::string& hop) {
    return Arcs(dest) + "." + Arcs(mask) + "." + Arcs(hop);
}

}  // namespace

TEST(SimManagement, DefaultsAreServed) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const std::vector<std::pair<std::string, std::string>> expected{
        {kLoginList + "2." + kDefault, "6"},                          // local
        {kLoginList + "4." + kDefault, "9"},                          // other
        {kLoginList + "5." + Named("console"), "61 64 6D 69 6E 73"},  // admins
        {kEnableList + "2." + kDefault, "7"},                         // local-enable
        {kServer + "3.192.0.2.50.3", "49"},
        {kServer + "3.192.0.2.51.4", "1812"},
        {kServerGroup + "2." + kAdmins, "192.0.2.50"},
        {kServerGroup + "3." + kAdmins, "3"},
        {kMember + "4." + kAdmins + ".192.0.2.50.3", "1"},
        {kRoute + "4.0.0.0.0.0.0.0.0.1", "192.0.2.1"},  // the default route
        {kRoute + "4." + kStaticRoute, "192.0.2.254"},
        {kRoute6 + "5." +
             Route6("20010DB8002000000000000000000000", kMask48,
                    "20010DB8000100000000000000000001"),
         "3"},
        {kNeighbour + "3.5121." + Arcs("20010DB8000100000000000000000010"), "00 1B 21 3A 4F 10"},
        {kBinding + "2.192.0.2.100", "00 1B 21 3A 4F 20"},
        {kBinding + "4.192.0.2.100", "F0 00 00 00 00 00 00 00"},
        {kBlocked + "5." + kBlockedHost, "2"},
        {kPortSecurityDelete + "4.0", "1"},
        {kSsl + "2.0", "F0"},
        {kSsl + "3.0", "600"},
        {kBulwark + "1.0", "80"},
        {kBulwark + "2.0", "60"},
        {kSummerTime + "1.0", "1"},
        {kSummerTime + "3.0", "FF 00 01 03 02 00"},  // last Sunday of March, 02:00
        {kSummerTime + "4.0", "FF 00 01 0A 03 00"},  // last Sunday of October, 03:00
        {kConfigAction + "1", "4"},
        {kProbe + "1.0", "F0 40 00 10"},
        {kProbe + "5.0", "1"},
    };
    for (const auto& [oid, value] : expected) {
        EXPECT_EQ(ReadValues(sim, {oid}), std::vector<std::string>{value}) << oid;
    }
}

TEST(SimManagement, MethodListsServersAndGroupsFollowTheSwitch) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const std::string ops = Named("ops");
    const std::string newServer = "192.0.2.60.1";
    ExpectOutcomes(
        sim,
        {
            {"login method local-enable", {kLoginList + "2." + ops, "i", "7"}, "wrongValue"},
            {"enable method local", {kEnableList + "2." + kDefault, "i", "6"}, "wrongValue"},
            {"name of 16 characters",
             {kLoginList + "10." + Named("sixteen-letters!"), "i", "4"},
             "noCreation"},
            {"default login list destroyed", {kLoginList + "10." + kDefault, "i", "6"}, kIv},
            {"default enable list destroyed", {kEnableList + "10." + kDefault, "i", "6"}, kIv},
            {"server group without its name",
             {kLoginList + "10." + ops, "i", "4", kLoginList + "2." + ops, "i", "5"},
             kIv},
            {"server group that does not exist",
             {kLoginList + "10." + ops, "i", "4", kLoginList + "2." + ops, "i", "5",
              kLoginList + "3." + ops, "s", "nobody"},
             kIv},
            {"server group admins",
             {kLoginList + "10." + ops, "i", "4", kLoginList + "2." + ops, "i", "5",
              kLoginList + "3." + ops, "s", "admins", kLoginList + "4." + ops, "i", "6"},
             ""},
            {"list ops destroyed", {kLoginList + "10." + ops, "i", "6"}, ""},
            {"enable list console", {kEnableList + "10." + Named("console"), "i", "4"}, ""},
            {"server of protocol 5", {kServer + "7.192.0.2.60.5", "i", "4"}, "noCreation"},
            {"server at 0.0.0.0", {kServer + "7.0.0.0.0.1", "i", "4"}, kIv},
            {"port 0", {kServer + "3.192.0.2.50.3", "i", "0"}, "wrongValue"},
            {"time-out 256", {kServer + "5.192.0.2.50.3", "i", "256"}, "wrongValue"},
            {"no retry", {kServer + "6.192.0.2.50.3", "i", "0"}, "wrongValue"},
            {"key of 255 characters",
             {kServer + "4.192.0.2.50.3", "s", std::string(255, 'k')},
             "wrongLength"},
            {"key of 254 characters", {kServer + "4.192.0.2.50.3", "s", std::string(254, 'k')}, ""},
            {"TACACS server", {kServer + "7." + newServer, "i", "4"}, ""},
            {"RADIUS server", {kServer + "7.192.0.2.61.4", "i", "4"}, ""},
            {"RADIUS server on port 1645",
             {kServer + "7.192.0.2.62.4", "i", "4", kServer + "3.192.0.2.62.4", "i", "1645"},
             ""},
            {"member that is no server",
             {kMember + "4." + kAdmins + ".192.0.2.99.3", "i", "1"},
             kIv},
            {"member under the wrong protocol",
             {kMember + "4." + kAdmins + ".192.0.2.60.3", "i", "1"},
             kIv},
            {"member of no group",
             {kMember + "4." + Named("nobody") + "." + newServer, "i", "1"},
             kIv},
            {"member added", {kMember + "4." + kAdmins + "." + newServer, "i", "1"}, ""},
            {"member that is not there removed",
             {kMember + "4." + kAdmins + ".192.0.2.51.4", "i", "2"},
             "noCreation"},
        });
    EXPECT_EQ(ReadValues(sim, {kServerGroup + "4." + kAdmins, kServerGroup + "5." + kAdmins,
                               kServer + "3." + newServer, kServer + "3.192.0.2.61.4",
                               kServer + "3.192.0.2.62.4", kEnableList + "2." + Named("console")}),
              (std::vector<std::string>{"192.0.2.60", "1", "49", "1812", "1645", "9"}));
    // A server removed leaves its group.
    ExpectOutcomes(sim, {{"server destroyed", {kServer + "7." + newServer, "i", "6"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kServerGroup + "4." + kAdmins, kServerGroup + "5." + kAdmins}),
              (std::vector<std::string>{"0.0.0.0", "5"}));
    EXPECT_EQ(
        WalkedIndexes(sim, kMember + "4"),
        (std::vector<std::string>{kAdmins + ".192.0.2.50.3", Named("radius") + ".192.0.2.30.4"}));
    ExpectOutcomes(
        sim, {{"member taken out", {kMember + "4." + kAdmins + ".192.0.2.50.3", "i", "2"}, ""}});
    EXPECT_EQ(ReadValues(sim, {kServerGroup + "2." + kAdmins}),
              std::vector<std::string>{"0.0.0.0"});
}

TEST(SimManagement, RoutesGoThroughANeighbourOnALocalSubnet) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const auto route = [](const std::string& index, const std::string& hop,
                          std::vector<std::string> more = {}) {
        return std::vector<std::string>{kRoute + "6." + index, "i", "3",
                                        kRoute + "4." + index, "a", hop} +
               more;
    };
    const std::string net30 = "10.30.0.0.255.255.0.0.";
    const std::string route6 = Route6(kNet6, kMask48, kHop6);
    const std::string neighbour = "5121." + Arcs(kNeighbourAddress);
    ExpectOutcomes(
        sim,
        {
            {"next hop off every subnet", route(net30 + "1", "10.1.1.1"), kIv},
            {"next hop the switch itself", route(net30 + "1", "192.0.2.10"), kIv},
            {"next hop the subnet's broadcast", route(net30 + "1", "192.0.2.255"), kIv},
            {"without a next hop", {kRoute + "6." + net30 + "1", "i", "3"}, kIv},
            {"destination with host bits", route("10.30.0.1.255.255.0.0.1", "192.0.2.20"), kIv},
            {"mask with a gap", route("10.30.0.0.255.0.255.0.1", "192.0.2.20"), kIv},
            {"metric 0", {kRoute + "5." + kStaticRoute, "i", "0"}, "wrongValue"},
            {"status createAndGo", {kRoute + "6." + kStaticRoute, "i", "4"}, "wrongValue"},
            {"primary route",
             route(net30 + "1", "192.0.2.20", {kRoute + "5." + net30 + "1", "i", "5"}), ""},
            {"backup through the same next hop", route(net30 + "2", "192.0.2.20"), kIv},
            {"backup through another", route(net30 + "2", "192.0.2.21"), ""},
            {"the primary written again", route(net30 + "1", "192.0.2.22"), ""},
            {"removing a route that is not there",
             {kRoute + "6.10.99.0.0.255.255.0.0.1", "i", "2"},
             "noCreation"},
            {"backup removed", {kRoute + "6." + net30 + "2", "i", "2"}, ""},
            {"IPv6 mask with a gap",
             {kRoute6 + "5." + Route6(kNet6, "FFFFFFFFFFFEFF000000000000000000", kHop6), "i", "3"},
             kIv},
            {"IPv6 destination with host bits",
             {kRoute6 + "5." + Route6("20010DB8002000000000000000000001", kMask48, kHop6), "i",
              "3"},
             kIv},
            {"IPv6 next hop its own destination",
             {kRoute6 + "5." + Route6(kNet6, kMask48, kNet6), "i", "3"},
             kIv},
            {"IPv6 next hop multicast",
             {kRoute6 + "5." + Route6(kNet6, kMask48, "FF020000000000000000000000000001"), "i",
              "3"},
             kIv},
            {"IPv6 route",
             {kRoute6 + "5." + route6, "i", "3", kRoute6 + "4." + route6, "i", "7"},
             ""},
            {"IPv6 metric 65536", {kRoute6 + "4." + route6, "i", "65536"}, "wrongValue"},
            {"IPv6 index of 15 octets",
             {kRoute6 + "5." + Route6(kNet6, kMask48, kHop6.substr(2)), "i", "3"},
             "noCreation"},
            {"neighbour type dynamic",
             {kNeighbour + "4." + neighbour, "i", "3", kNeighbour + "3." + neighbour, "x",
              "001B213A4F11"},
             "wrongValue"},
            {"neighbour on another interface",
             {kNeighbour + "4.5122." + Arcs(kNeighbourAddress), "i", "4",
              kNeighbour + "3.5122." + Arcs(kNeighbourAddress), "x", "001B213A4F11"},
             "noCreation"},
            {"neighbour at a group MAC",
             {kNeighbour + "4." + neighbour, "i", "4", kNeighbour + "3." + neighbour, "x",
              "011B213A4F11"},
             kIv},
            {"neighbour without a MAC", {kNeighbour + "4." + neighbour, "i", "4"}, kIv},
            {"neighbour",
             {kNeighbour + "4." + neighbour, "i", "4", kNeighbour + "3." + neighbour, "x",
              "001B213A4F11"},
             ""},
            {"neighbour removed", {kNeighbour + "4." + neighbour, "i", "2"}, ""},
            {"neighbour removed again", {kNeighbour + "4." + neighbour, "i", "2"}, "noCreation"},
        });
    EXPECT_EQ(WalkedIndexes(sim, kRoute + "6"),
              (std::vector<std::string>{"0.0.0.0.0.0.0.0.1", kStaticRoute, net30 + "1"}));
    EXPECT_EQ(ReadValues(sim, {kRoute + "4." + net30 + "1", kRoute + "5." + net30 + "1",
                               kRoute6 + "4." + route6}),
              (std::vector<std::string>{"192.0.2.22", "5", "7"}));
    // A second interface brings its subnet within reach.
    ExpectOutcomes(
        sim, {{"next hop on a new interface's subnet",
               route(net30 + "2", "198.51.100.7",
                     {kIpInterface + "8.198.51.100.1", "i", "4", kIpInterface + "3.198.51.100.1",
                      "s", "lab", kIpInterface + "4.198.51.100.1", "a", "255.255.255.0"}),
               ""}});
}

TEST(SimManagement, BindingsBlockedHostsAndPortSecurityDeletion) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    const auto bind = [](const std::string& address, const std::string& mac) {
        return std::vector<std::string>{kBinding + "3." + address, "i", "4",
                                        kBinding + "2." + address, "x", mac};
    };
    const auto start = [](const std::string& vlan, const std::string& port = "70",
                          const std::string& mac = "001B213A4F40") {
        return std::vector<std::string>{
            kPortSecurityDelete + "1.0", "s", vlan, kPortSecurityDelete + "2.0", "i", port,
            kPortSecurityDelete + "3.0", "x", mac,  kPortSecurityDelete + "4.0", "i", "2"};
    };
    ExpectOutcomes(
        sim,
        {
            {"binding of a bound address", bind("192.0.2.100", "001B213A4F29"), kIv},
            {"binding of a bound MAC", bind("192.0.2.102", "001B213A4F21"), kIv},
            {"binding of a group MAC", bind("192.0.2.102", "FFFFFFFFFFFF"), kIv},
            {"binding of a broadcast address", bind("255.255.255.255", "001B213A4F29"), kIv},
            {"binding without a MAC", {kBinding + "3.192.0.2.102", "i", "4"}, kIv},
            {"ports of 9 octets",
             {kBinding + "4.192.0.2.100", "x", "000000000000000000"},
             "wrongLength"},
            {"binding",
             bind("192.0.2.102", "001B213A4F22") +
                 std::vector<std::string>{kBinding + "4.192.0.2.102", "x", "0100000000000000"},
             ""},
            {"binding given another's MAC", {kBinding + "2.192.0.2.102", "x", "001B213A4F20"}, kIv},
            {"binding destroyed", {kBinding + "3.192.0.2.101", "i", "6"}, ""},
            {"its MAC bound anew", bind("192.0.2.103", "001B213A4F21"), ""},
            {"blocked host kept blocked", {kBlocked + "5." + kBlockedHost, "i", "2"}, ""},
            {"blocked type 4", {kBlocked + "5." + kBlockedHost, "i", "4"}, "wrongValue"},
            {"blocked host released", {kBlocked + "5." + kBlockedHost, "i", "3"}, ""},
            {"released again", {kBlocked + "5." + kBlockedHost, "i", "3"}, "noCreation"},
            {"blocked host's port", {kBlocked + "4.1.0.27.33.58.79.49", "i", "3"}, "notWritable"},
            {"deletion in no VLAN", start("nosuch"), kIv},
            {"port 769", {kPortSecurityDelete + "2.0", "i", "769"}, "wrongValue"},
            {"MAC of 5 octets", {kPortSecurityDelete + "3.0", "x", "001B213A4F"}, "wrongLength"},
            {"VLAN name alone, nothing started", {kPortSecurityDelete + "1.0", "s", "nosuch"}, ""},
            {"deletion in VLAN voice", start("voice"), ""},
            // Learned on VLAN 1: ...4D:11 behind port 3, ...4D:22 behind port 5.
            {"deletion of a learned address", start("default", "3", "001A2B3C4D11"), ""},
            {"deletion naming another port", start("default", "4", "001A2B3C4D22"), ""},
        });
    EXPECT_EQ(ReadValues(sim, {kBinding + "4.192.0.2.102", kBinding + "3.192.0.2.103",
                               kBlocked + "5." + kBlockedHost, kPortSecurityDelete + "4.0",
                               kPortSecurityDelete + "2.0"}),
              (std::vector<std::string>{"01 00 00 00 00 00 00 00", "1", kNoObject, "1", "4"}));
    const std::string fdbPort = "1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.26.43.60.77.";
    EXPECT_EQ(ReadValues(sim, {fdbPort + "17", fdbPort + "34", "1.3.6.1.2.1.17.7.1.2.1.1.2.1"}),
              (std::vector<std::string>{kNoInstance, "5", "6"}));
    EXPECT_EQ(WalkedIndexes(sim, kBinding + "3"),
              (std::vector<std::string>{"192.0.2.100", "192.0.2.102", "192.0.2.103"}));
}

TEST(SimManagement, SslBulwarkSummerTimeConfigurationsAndProbe) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty());
    ExpectOutcomes(
        sim,
        {
            {"SSL state 1", {kSsl + "1.0", "i", "1"}, "wrongValue"},
            {"cipher suites of 2 octets", {kSsl + "2.0", "x", "F000"}, "wrongLength"},
            {"cache time-out 59", {kSsl + "3.0", "u", "59"}, "wrongValue"},
            {"SSL",
             {kSsl + "1.0", "i", "3", kSsl + "2.0", "x", "90", kSsl + "3.0", "u", "86400"},
             ""},
            {"rising 19", {kBulwark + "1.0", "i", "19"}, "wrongValue"},
            {"falling 101", {kBulwark + "2.0", "i", "101"}, "wrongValue"},
            {"falling above rising", {kBulwark + "2.0", "i", "81"}, kIv},
            {"rising below falling", {kBulwark + "1.0", "i", "59"}, kIv},
            {"both lowered together",
             {kBulwark + "1.0", "i", "40", kBulwark + "2.0", "i", "20"},
             ""},
            {"falling equal to rising", {kBulwark + "2.0", "i", "40"}, ""},
            {"mode 3", {kBulwark + "3.0", "i", "3"}, "wrongValue"},
            {"current status", {kBulwark + "5.0", "i", "2"}, "notWritable"},
            {"summer time status 3", {kSummerTime + "1.0", "i", "3"}, "wrongValue"},
            {"offset 45", {kSummerTime + "2.0", "i", "45"}, "wrongValue"},
            {"offset 120", {kSummerTime + "2.0", "i", "120"}, ""},
            {"repeating date of 5 octets", {kSummerTime + "3.0", "x", "FF00010302"}, "wrongLength"},
            {"week 5", {kSummerTime + "3.0", "x", "050001030200"}, "wrongValue"},
            {"day of week 8", {kSummerTime + "3.0", "x", "FF0008030200"}, "wrongValue"},
            {"day of week in the high octet",
             {kSummerTime + "3.0", "x", "FF0100030200"},
             "wrongValue"},
            {"month 13", {kSummerTime + "3.0", "x", "FF00010D0200"}, "wrongValue"},
            {"minute 60", {kSummerTime + "3.0", "x", "FF000103023C"}, "wrongValue"},
            {"start in the end's month", {kSummerTime + "3.0", "x", "FF00010A0200"}, kIv},
            {"first Monday of April 23:59", {kSummerTime + "3.0", "x", "01000204173B"}, ""},
            {"29 February", {kSummerTime + "5.0", "x", "1D020200"}, "wrongValue"},
            {"31 April", {kSummerTime + "5.0", "x", "1F040200"}, "wrongValue"},
            {"hour 24", {kSummerTime + "5.0", "x", "01041800"}, "wrongValue"},
            {"28 February", {kSummerTime + "5.0", "x", "1C020200"}, ""},
            {"annual", {kSummerTime + "1.0", "i", "2"}, ""},
            {"deleting the active image", {kConfigAction + "1", "i", "2"}, kIv},
            {"action 5", {kConfigAction + "2", "i", "5"}, "wrongValue"},
            {"image 3", {kConfigAction + "3", "i", "1"}, "noCreation"},
            {"image 2 at boot", {kConfigAction + "2", "i", "3"}, ""},
            {"deleting the boot image", {kConfigAction + "2", "i", "2"}, kIv},
            {"image 1 at boot", {kConfigAction + "1", "i", "3"}, ""},
            {"image 2 deleted", {kConfigAction + "2", "i", "2"}, ""},
            {"empty image made active", {kConfigAction + "2", "i", "1"}, kIv},
            {"probe reset 4", {kProbe + "5.0", "i", "4"}, "wrongValue"},
            {"probe software revision", {kProbe + "2.0", "s", "9"}, "notWritable"},
            {"probe warm boot", {kProbe + "5.0", "i", "2"}, ""},
        });
    EXPECT_EQ(ReadValues(sim, {kSsl + "2.0", kBulwark + "1.0", kBulwark + "2.0",
                               kSummerTime + "1.0", kSummerTime + "5.0", kConfigAction + "2",
                               kBootConfig, kCurrentConfig, kConfigInfo + "2.2", kProbe + "5.0"}),
              (std::vector<std::string>{"90", "40", "40", "2", "1C 02 02 00", "4", "1", "1",
                                        kNoInstance, "1"}));
}

TEST(SimManagement, ChangesAndTheirConsequencesOutliveARestart) {
    const fs::path state =
        fs::temp_directory_path() / ("vanta-sim-management-" + std::to_string(getpid()));
    fs::remove_all(state);
    const std::vector<std::string> read{
        kServerGroup + "4." + kAdmins, kBlocked + "5." + kBlockedHost,       kCurrentConfig,
        kConfigAction + "2",           kRoute + "4.10.30.0.0.255.255.0.0.1", kSummerTime + "2.0"};
    const std::vector<std::string> changed{"192.0.2.51", kNoObject, "2", "4", "192.0.2.20", "90"};
    {
        SimProcess sim({"--state", state.string()});
        ASSERT_FALSE(sim.Address().empty());
        ExpectOutcomes(
            sim, {
                     {"member added", {kMember + "4." + kAdmins + ".192.0.2.51.4", "i", "1"}, ""},
                     {"host released", {kBlocked + "5." + kBlockedHost, "i", "3"}, ""},
                     {"image 2 active", {kConfigAction + "2", "i", "1"}, ""},
                     {"route",
                      {kRoute + "6.10.30.0.0.255.255.0.0.1", "i", "3",
                       kRoute + "4.10.30.0.0.255.255.0.0.1", "a", "192.0.2.20"},
                      ""},
                     {"offset", {kSummerTime + "2.0", "i", "90"}, ""},
                 });
        EXPECT_EQ(ReadValues(sim, read), changed);
    }
    SimProcess again({"--state", state.string()});
    ASSERT_FALSE(again.Address().empty());
    EXPECT_EQ(ReadValues(again, read), changed);
    fs::remove_all(state);
}
