// The request engine against net-snmp's snmpd: every protocol version and
// USM flavour, real tables, row creation with RowStatus, refused sets.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "CvSNMPSettings.h"
#include "EngineTestSupport.h"

namespace engine_test {
namespace {

using agents::SnmpdAgent;

class SnmpdEngineTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        try {
            FPort = SharedSnmpd().Port();
        } catch (const std::exception& e) {
            FAIL() << e.what();
        }
    }

    std::uint16_t FPort = 0;
};

CvSNMPVarList SystemGroup() {
    return MakeList({{"1.3.6.1.2.1.1.1", CvSyntax::displaystr, kRo},
                     {"1.3.6.1.2.1.1.2", CvSyntax::objectid, kRo},
                     {"1.3.6.1.2.1.1.3", CvSyntax::timeticks, kRo},
                     {"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}},
                    SVT_SV, 0);
}

// ifIndex (a readable key), ifDescr, ifPhysAddress.
CvSNMPVarList InterfaceTable(std::uint8_t itemType) {
    return MakeList({{"1.3.6.1.2.1.2.2.1.1", CvSyntax::integer, kRo},
                     {"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo},
                     {"1.3.6.1.2.1.2.2.1.6", CvSyntax::macaddress, kRo}},
                    itemType, 1);
}

// The hexadecimal text of an interface's 6-byte hardware address, or "" for
// an all-zero or other address (snmpd sends an empty string for those).
std::string HostMacText(const std::string& interface) {
    std::ifstream in("/sys/class/net/" + interface + "/address");
    std::string address;
    std::getline(in, address);
    if (address.size() != 17 || address == "00:00:00:00:00:00") {
        return "";
    }
    std::string hex;
    for (const char c : address) {
        if (c != ':') {
            hex += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return hex;
}

// ---- every version and security flavour reads the system group ----

class SnmpdSecurityTest : public SnmpdEngineTest,
                          public ::testing::WithParamInterface<Credentials> {};

TEST_P(SnmpdSecurityTest, ReadsTheSystemGroup) {
    ApplySettings(GetParam(), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(SystemGroup());

    EXPECT_FALSE(request.Read(true));  // a scalar group is never a walk

    EXPECT_EQ(request.Vars.Item(0).Value, HostSystemDescription());
    EXPECT_EQ(request.Vars.Item(1).Value, "1.3.6.1.4.1.8072.3.2.10");  // net-snmp on Linux
    // The agent has just started: no "day" part.
    EXPECT_TRUE(std::regex_match(request.Vars.Item(2).Value, std::regex(R"(\d+:\d\d:\d\d\.\d\d)")))
        << request.Vars.Item(2).Value;
    EXPECT_EQ(request.Vars.Item(3).Value, HostName());
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpdSecurityTest,
                         ::testing::Values(V1(), V2c(), V3(SnmpdAgent::kNoAuthUser),
                                           V3(SnmpdAgent::kMd5DesUser), V3(SnmpdAgent::kShaAesUser),
                                           V3(SnmpdAgent::kSha256AesUser),
                                           V3(SnmpdAgent::kShaAes256User),
                                           V3(SnmpdAgent::kSha512Aes192User)),
                         [](const auto& info) { return info.param.Name; });

// ---- USM failures reach the user as their catalogue texts ----

struct UsmFailure {
    std::string Name;
    Credentials Who;
    int Code;
    std::string Message;
};

UsmFailure WrongPassPhrase() {
    Credentials c = V3(SnmpdAgent::kMd5DesUser);
    c.AuthPassword = "not-the-pass-phrase";
    return {"WrongPassPhrase", c, -308, "(SNMPv3USM) Authentication failure!"};
}

UsmFailure UnknownUser() {
    Credentials c = V3(SnmpdAgent::kShaAesUser);
    c.SecurityName = "ghost";
    return {"UnknownUser", c, -304, "(SNMPv3USM) Unknown SecurityName!"};
}

class SnmpdUsmFailureTest : public SnmpdEngineTest,
                            public ::testing::WithParamInterface<UsmFailure> {};

TEST_P(SnmpdUsmFailureTest, SynchronousAndAsynchronousReadsShowTheCatalogueText) {
    const UsmFailure& failure = GetParam();
    ApplySettings(failure.Who, FPort);
    CvSNMPRequest request;
    request.Vars.Assign(SystemGroup());

    ExpectCvError([&] { request.Read(true); }, failure.Code, failure.Message);

    // The agent's Report ends the exchange once, although the library
    // signals it twice.
    CompletionLog log;
    log.Request = &request;
    request.ReadAsync(&CompletionLog::Callback, &log, true);
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 10000));
    PumpFor(300);
    ASSERT_EQ(log.Errors.size(), 1u);
    EXPECT_EQ(log.Errors[0].Code, failure.Code);
    EXPECT_EQ(log.Errors[0].Message, failure.Message);
    EXPECT_TRUE(log.Errors[0].Done);
    EXPECT_EQ(request.Outstanding, 0);
}

INSTANTIATE_TEST_SUITE_P(Reports, SnmpdUsmFailureTest,
                         ::testing::Values(WrongPassPhrase(), UnknownUser()),
                         [](const auto& info) { return info.param.Name; });

TEST_F(SnmpdEngineTest, ChangedPassPhraseTakesEffectOnTheNextRequest) {
    // Requests come and go with different credentials for the same user name;
    // each must be judged by its own pass phrase.
    const Credentials right = V3(SnmpdAgent::kShaAesUser);
    Credentials wrong = right;
    wrong.AuthPassword = "another-pass-phrase";
    for (const Credentials* c :
         std::initializer_list<const Credentials*>{&right, &wrong, &right, &wrong}) {
        ApplySettings(*c, FPort);
        CvSNMPRequest request;
        request.Vars.Assign(SystemGroup());
        if (c == &right) {
            EXPECT_NO_THROW(request.Read(true));
            EXPECT_EQ(request.Vars.Item(3).Value, HostName());
        } else {
            ExpectCvError([&] { request.Read(true); }, -308, "(SNMPv3USM) Authentication failure!");
        }
    }
}

// ---- walks of real tables ----

class SnmpdWalkTest : public SnmpdEngineTest, public ::testing::WithParamInterface<Credentials> {};

TEST_P(SnmpdWalkTest, IfTableListsTheHostInterfaces) {
    ApplySettings(GetParam(), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(InterfaceTable(MVT_FMV));

    const auto rows = Walk(request);

    const auto interfaces = HostInterfaces();
    ASSERT_EQ(rows.size(), interfaces.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& [index, name] = interfaces[r];
        EXPECT_EQ(rows[r][0], std::to_string(index));
        EXPECT_EQ(rows[r][1], name);
        const std::string mac = HostMacText(name);
        if (!mac.empty()) {
            EXPECT_EQ(rows[r][2], mac) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpdWalkTest,
                         ::testing::Values(V1(), V2c(), V3(SnmpdAgent::kShaAesUser)),
                         [](const auto& info) { return info.param.Name; });

TEST_F(SnmpdEngineTest, WalkEndsWithoutErrorAtTheEndOfTheView) {
    // This community sees ifTable and nothing after it. SNMPv1 answers the
    // last get-next of the walk with noSuchName and the OIDs it asked for,
    // SNMPv2c with endOfMibView.
    const auto interfaces = HostInterfaces();
    for (const Credentials& c :
         {V1(SnmpdAgent::kIfTableCommunity), V2c(SnmpdAgent::kIfTableCommunity)}) {
        SCOPED_TRACE(c.Name);
        ApplySettings(c, FPort);
        CvSNMPRequest request;
        request.Vars.Assign(MakeList({{"1.3.6.1.2.1.2.2.1.1", CvSyntax::integer, kRo},
                                      {"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo},
                                      {"1.3.6.1.2.1.2.2.1.22", CvSyntax::objectid, kRo}},
                                     MVT_UMV, 1));

        std::vector<std::vector<std::string>> rows;
        ASSERT_NO_THROW(rows = Walk(request));

        ASSERT_EQ(rows.size(), interfaces.size());
        EXPECT_EQ(rows.back()[1], interfaces.back().second);
        if (c.Version == 0) {
            // noSuchName ends the walk before any item is touched.
            EXPECT_EQ(Values(request.Vars), rows.back());
        }
    }
}

TEST_F(SnmpdEngineTest, V1NoSuchNameOnTheFirstRequestIsAnError) {
    ApplySettings(V1(SnmpdAgent::kIfTableCommunity), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(
        MakeList({{"1.3.6.1.2.1.4.20.1.1", CvSyntax::ipaddress, kRo}}, MVT_FMV, 0));  // ipAddrTable

    ExpectCvError([&] { request.Read(true); }, -102, "(SNMP) Variable does not exist!");
}

// ---- sets ----

TEST_F(SnmpdEngineTest, CreatesAndDestroysATargetAddressRowWithRowStatus) {
    // snmpTargetAddrTable: indexed by an IMPLIED name; createAndGo needs the
    // domain, address and parameters in the same PDU.
    ApplySettings(V2c(), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.6.3.12.1.2.1.1", CvSyntax::displaystr, kImpliedIndex},
                                  {"1.3.6.1.6.3.12.1.2.1.2", CvSyntax::objectid, kRw},
                                  {"1.3.6.1.6.3.12.1.2.1.3", CvSyntax::octetstr, kRw},
                                  {"1.3.6.1.6.3.12.1.2.1.7", CvSyntax::displaystr, kRw},
                                  {"1.3.6.1.6.3.12.1.2.1.9", CvSyntax::integer, kRw}},
                                 MVT_FMV, 1));
    EXPECT_TRUE(Walk(request).empty()) << "a fresh agent has no target addresses";

    const std::vector<std::string> row = {"vanta-probe", "1.3.6.1.6.1.1", "7F0000010FA2",
                                          "vanta-params", "4"};
    for (std::int32_t i = 0; i < request.Vars.GetCount(); ++i) {
        request.Vars.Item(i).Value = row[static_cast<std::size_t>(i)];
    }
    EXPECT_FALSE(request.Write(false, ""));

    auto rows = Walk(request);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"vanta-probe", "1.3.6.1.6.1.1", "7F0000010FA2",
                                                 "vanta-params", "1"}));  // active
    EXPECT_EQ(request.Vars.Item(0).InstanceOid,
              "1.3.6.1.6.3.12.1.2.1.1." + ImpliedSuffix("vanta-probe"));

    // destroy(6) alone: only RowStatus is selected, its value given apart;
    // the list keeps its own values.
    const std::vector<std::string> kept = Values(request.Vars);
    const std::vector<std::string> destroy = {"6"};
    EXPECT_FALSE(request.Write(false, "4", &destroy));
    EXPECT_EQ(Values(request.Vars), kept);
    EXPECT_EQ(request.Vars.Item(4).Access, kRw);

    EXPECT_TRUE(Walk(request).empty());
}

TEST_F(SnmpdEngineTest, RefusedSetsShowTheirTexts) {
    ApplySettings(V2c(), FPort);
    CvSNMPRequest readOnly;
    readOnly.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.1", CvSyntax::displaystr, kRw}}, SVT_SV, 0));
    readOnly.Vars.Item(0).Value = "renamed";
    ExpectCvError([&] { readOnly.Write(false, ""); }, -117,
                  "(SNMP) Cannot create/set variable, Not Writable!");
    EXPECT_EQ(readOnly.Vars.Item(0).Value, "renamed");

    CvSNMPRequest wrongType;  // sysContact is a DisplayString
    wrongType.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.4", CvSyntax::integer, kRw}}, SVT_SV, 0));
    wrongType.Vars.Item(0).Value = "5";
    ExpectCvError([&] { wrongType.Write(false, ""); }, -107,
                  "(SNMP) Cannot create/modify variable, Wrong Type!");
}

TEST_F(SnmpdEngineTest, WriteSendsOnlyTheSelectedItems) {
    ApplySettings(V3(SnmpdAgent::kMd5DesUser), FPort);
    CvSNMPRequest request;
    // sysContact, sysDescr (not writable on the agent), sysLocation, sysName.
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.4", CvSyntax::displaystr, kRw},
                                  {"1.3.6.1.2.1.1.1", CvSyntax::displaystr, kRw},
                                  {"1.3.6.1.2.1.1.6", CvSyntax::displaystr, kRw},
                                  {"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRw}},
                                 SVT_SV, 0));
    const std::vector<std::string> before = {"contact-0", "descr-0", "location-0", "never-sent"};
    for (std::int32_t i = 0; i < 4; ++i) {
        request.Vars.Item(i).Value = before[static_cast<std::size_t>(i)];
    }
    CvSNMPRequest check;
    check.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.4", CvSyntax::displaystr, kRo},
                                {"1.3.6.1.2.1.1.6", CvSyntax::displaystr, kRo},
                                {"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}},
                               SVT_SV, 0));

    // All four: sysDescr makes the agent refuse the whole PDU.
    ExpectCvError([&] { request.Write(false, ""); }, -117,
                  "(SNMP) Cannot create/set variable, Not Writable!");

    // Items 0 and 2 with their own values.
    EXPECT_FALSE(request.Write(false, "0,2"));
    check.Read(true);
    EXPECT_EQ(Values(check.Vars),
              (std::vector<std::string>{"contact-0", "location-0", HostName()}));

    // Items 0 and 2 with values given in selection order; the list keeps its own.
    const std::vector<std::string> values = {"ops@vanta.test", "rack 7"};
    EXPECT_FALSE(request.Write(false, "0,2", &values));
    EXPECT_EQ(Values(request.Vars), before);
    for (std::int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(request.Vars.Item(i).Access, kRw);
    }
    check.Read(true);
    EXPECT_EQ(Values(check.Vars),
              (std::vector<std::string>{"ops@vanta.test", "rack 7", HostName()}));
}

TEST_F(SnmpdEngineTest, RequestKeepsTheSettingsOfItsConstruction) {
    ApplySettings(V2c(), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}}, SVT_SV, 0));

    GlobalDevice().Address = kUnresolvableName;
    GlobalSecurity().ReadCommunity = "not-a-community";
    request.Read(true);
    EXPECT_EQ(request.Vars.Item(0).Value, HostName());

    CvSNMPRequest later;
    later.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}}, SVT_SV, 0));
    ExpectCvError([&] { later.Read(true); }, -509, "(CvSNMP++) Invalid IP Address or DNS name!");
}

TEST_F(EngineTest, ReadsAndWritesOverTheIpv6Loopback) {
    if (!agents::Ipv6LoopbackAvailable()) {
        GTEST_SKIP() << "::1 is not available on this machine";
    }
    std::unique_ptr<SnmpdAgent> agent;
    try {
        agent = std::make_unique<SnmpdAgent>(true);
    } catch (const std::exception& e) {
        FAIL() << e.what();
    }
    for (const char* address : {"::1", "[::1]"}) {
        ApplySettings(V2c(), agent->Port(), address);
        CvSNMPRequest request;
        request.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.6", CvSyntax::displaystr, kRw}}, SVT_SV, 0));
        request.Vars.Item(0).Value = std::string("room ") + address;
        EXPECT_NO_THROW(request.Write(false, ""));
        request.Vars.Item(0).Value.clear();
        EXPECT_NO_THROW(request.Read(true));
        EXPECT_EQ(request.Vars.Item(0).Value, std::string("room ") + address);
    }
}

}  // namespace
}  // namespace engine_test
