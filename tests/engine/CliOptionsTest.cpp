#include <gtest/gtest.h>

#include "CliOptions.h"

namespace {

bool Parse(const std::vector<std::string>& args, CliCommand& command) {
    std::string error;
    return ParseCommandLine(args, command, error);
}

}  // namespace

TEST(CliOptions, SecurityOptionsTakeTheProtocolNumbers) {
    CliCommand c;
    ASSERT_TRUE(Parse({"-v",
                       "3",
                       "-u",
                       "ops",
                       "-l",
                       "authPriv",
                       "-a",
                       "SHA-256",
                       "-A",
                       "secret12",
                       "-x",
                       "AES",
                       "-X",
                       "private1",
                       "-n",
                       "ctx",
                       "-E",
                       "8000",
                       "-t",
                       "300",
                       "-r",
                       "2",
                       "-s",
                       "22",
                       "10.0.0.1:16161",
                       "read",
                       "1",
                       "0",
                       "1.3.6.1.2.1.1.5:0x4C:2"},
                      c));
    EXPECT_EQ(c.Security.Version, 3);
    EXPECT_EQ(c.Security.SecurityName, "ops");
    EXPECT_EQ(c.Security.SecurityLevel, 3);
    EXPECT_EQ(c.Security.AuthProtocol, 5);
    EXPECT_EQ(c.Security.PrivProtocol, 4);
    EXPECT_EQ(c.Scope.ContextName, "ctx");
    EXPECT_EQ(c.Scope.ContextEngineID, "8000");
    EXPECT_EQ(c.Timeout, 300);
    EXPECT_EQ(c.Retries, 2);
    EXPECT_EQ(c.Instance, "22");
    EXPECT_EQ(c.Device.Address, "10.0.0.1");
    EXPECT_EQ(c.Device.Port, 16161);
    EXPECT_EQ(c.ItemType, 1);
    ASSERT_EQ(c.Variables.size(), 1u);
    EXPECT_EQ(c.Variables[0].Syntax, 0x4Cu);
}

TEST(CliOptions, DefaultsAreTheModules) {
    CliCommand c;
    ASSERT_TRUE(Parse({"switch.example", "read", "2", "1", "1.3.6.1.2.1.2.2.1.1:2:1"}, c));
    EXPECT_EQ(c.Security.Version, 0);
    EXPECT_EQ(c.Security.ReadCommunity, "vesper");
    EXPECT_EQ(c.Security.WriteCommunity, "lantern");
    EXPECT_EQ(c.Device.Address, "switch.example");
    EXPECT_EQ(c.Device.Port, 161);
    EXPECT_EQ(c.Timeout, 100);
    EXPECT_EQ(c.KeyCount, 1);
}

TEST(CliOptions, AgentForms) {
    CliCommand c;
    ASSERT_TRUE(Parse({"[::1]:1161", "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"}, c));
    EXPECT_EQ(c.Device.Address, "::1");
    EXPECT_EQ(c.Device.Port, 1161);
    for (const char* bad : {"::1", "[::1", "host:0", "host:70000", "host:x", ":161"}) {
        CliCommand d;
        EXPECT_FALSE(Parse({bad, "read", "0", "0", "1.3.6.1:2:2"}, d)) << bad;
    }
}

struct AgentCase {
    std::string text;
    bool ok;
    std::string address;
    int port;
};

void PrintTo(const AgentCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class CliAgent : public ::testing::TestWithParam<AgentCase> {};

// A malformed AGENT is a usage error with a one-line message, never a guess.
TEST_P(CliAgent, IsReadOrRefused) {
    const AgentCase& c = GetParam();
    CliCommand command;
    std::string error;
    ASSERT_EQ(ParseCommandLine({c.text, "read", "0", "0", "1.3.6.1:2:2"}, command, error), c.ok)
        << error;
    if (c.ok) {
        EXPECT_EQ(command.Device.Address, c.address);
        EXPECT_EQ(command.Device.Port, c.port);
    } else {
        EXPECT_EQ(error.rfind("bad agent ", 0), 0u) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CliAgent,
    ::testing::Values(AgentCase{"127.0.0.1", true, "127.0.0.1", 161},
                      AgentCase{"127.0.0.1:16161", true, "127.0.0.1", 16161},
                      AgentCase{"switch-3.example:1161", true, "switch-3.example", 1161},
                      AgentCase{"[::1]", true, "::1", 161},
                      AgentCase{"[::1]:161", true, "::1", 161},
                      AgentCase{"[fe80::1%eth0]:162", true, "fe80::1%eth0", 162},
                      AgentCase{"]:161", false, "", 0}, AgentCase{"127.0.0.1]:161", false, "", 0},
                      AgentCase{"[127.0.0.1]:1161", true, "127.0.0.1", 1161},
                      AgentCase{"[:::]:161", false, "", 0}, AgentCase{"[::1]]:161", false, "", 0},
                      AgentCase{"[::1]:", false, "", 0}, AgentCase{"[::1]161", false, "", 0},
                      AgentCase{"[]:161", false, "", 0}, AgentCase{"[fe80::1%]:161", false, "", 0},
                      AgentCase{"127.0.0.1:", false, "", 0}, AgentCase{":", false, "", 0},
                      AgentCase{"host name:161", false, "", 0},
                      AgentCase{"host\n:161", false, "", 0}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CliOptions, VariablesWithOptionsAndValues) {
    CliCommand c;
    ASSERT_TRUE(Parse({"h", "write", "2", "1", "1.3.6.1.4.1.99917.1.1:2:0x1=5",
                       "1.3.6.1.4.1.99917.1.2:2:6:2=disabled;3=enabled=enabled",
                       "1.3.6.1.4.1.99917.1.3:0x4C:6=a=b"},
                      c));
    ASSERT_EQ(c.Variables.size(), 3u);
    EXPECT_EQ(c.Variables[0].Access, 1u);
    EXPECT_EQ(c.Variables[0].Value, "5");
    ASSERT_EQ(c.Variables[1].Options.size(), 2u);
    EXPECT_EQ(c.Variables[1].Options[1].first, 3);
    EXPECT_EQ(c.Variables[1].Options[1].second, "enabled");
    EXPECT_EQ(c.Variables[1].Value, "enabled");
    EXPECT_EQ(c.Variables[2].Value, "a=b");
}

TEST(CliOptions, UsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"h", "read", "0", "0"},
        {"h", "walk", "0", "0", "1.3:2:2"},
        {"h", "read", "x", "0", "1.3:2:2"},
        {"h", "read", "0", "0", "1.3:2"},
        {"h", "read", "0", "0", "1.3:zz:2"},
        {"h", "write", "0", "0", "1.3:2:6"},
        {"h", "read", "0", "0", "1.3:2:2:x=up"},
        {"-v", "4", "h", "read", "0", "0", "1.3:2:2"},
        {"-a", "MD4", "h", "read", "0", "0", "1.3:2:2"},
        {"-t", "0", "h", "read", "0", "0", "1.3:2:2"},
        {"-q", "1", "h", "read", "0", "0", "1.3:2:2"},
        {"-c"},
    };
    for (const auto& args : bad) {
        CliCommand c;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, c, error));
        EXPECT_FALSE(error.empty());
    }
}
