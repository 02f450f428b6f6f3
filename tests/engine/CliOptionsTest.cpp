#include <gtest/gtest.h>

#include "../TestNames.h"
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
    EXPECT_EQ(c.Bulk, 0) << "one get-next a row";
    EXPECT_EQ(c.KeyCount, 1);
}

TEST(CliOptions, BulkRowsInBothSpellings) {
    for (const std::vector<std::string>& bulk :
         std::vector<std::vector<std::string>>{{"--bulk", "25"}, {"-Cr25"}, {"-C", "r25"}}) {
        CliCommand c;
        std::vector<std::string> args = bulk;
        args.insert(args.end(), {"h", "read", "2", "1", "1.3.6.1.2.1.2.2.1.1:2:1"});
        ASSERT_TRUE(Parse(args, c)) << bulk[0];
        EXPECT_EQ(c.Bulk, 25) << bulk[0];
    }
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
    [](const auto& info) { return CaseName(info.index, info.param.text); });

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

namespace {

// The fields a command line sets, in one line to compare.
std::string Summary(const CliCommand& c) {
    std::string text = "v" + std::to_string(c.Security.Version) + " l" +
                       std::to_string(c.Security.SecurityLevel) + " a" +
                       std::to_string(c.Security.AuthProtocol) + " x" +
                       std::to_string(c.Security.PrivProtocol) + " t" + std::to_string(c.Timeout) +
                       " " + c.Device.Address + ":" + std::to_string(c.Device.Port) + " type" +
                       std::to_string(c.ItemType) + (c.Verbose ? " verbose" : "");
    for (const CliVariable& var : c.Variables) {
        text += " " + var.Oid + "/" + std::to_string(var.Syntax) + "/" + std::to_string(var.Access);
        for (const auto& [value, label] : var.Options) {
            text += "/" + std::to_string(value) + "=" + label;
        }
        text += var.HasValue ? "=[" + var.Value + "]" : "";
    }
    return text;
}

struct FormCase {
    const char* Name;
    std::vector<std::string> Args;
    const char* Parsed;
};

void PrintTo(const FormCase& c, std::ostream* os) {
    *os << c.Name;
}

class CliForms : public ::testing::TestWithParam<FormCase> {};

// Names, net-snmp's habits and the value after the VAR head.
TEST_P(CliForms, ReadAs) {
    CliCommand c;
    std::string error;
    ASSERT_TRUE(ParseCommandLine(GetParam().Args, c, error)) << error;
    EXPECT_EQ(Summary(c), GetParam().Parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CliForms,
    ::testing::Values(
        FormCase{"Numbers",
                 {"h", "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
                 "v0 l1 a1 x1 t100 h:161 type0 1.3.6.1.2.1.1.5/76/2"},
        FormCase{"ScalarNames",
                 {"h", "read", "scalars", "0", "1.3.6.1.2.1.1.5.0:displaystr:ro",
                  ".1.3.6.1.2.1.1.3:TimeTicks:RO", "1.3.6.1.2.1.2.1.0:gauge:ro"},
                 "v0 l1 a1 x1 t100 h:161 type0 1.3.6.1.2.1.1.5/76/2 1.3.6.1.2.1.1.3/67/2 "
                 "1.3.6.1.2.1.2.1/66/2"},
        FormCase{"RowKeepsItsZero",
                 {"h", "read", "row", "0", "1.3.6.1.9.0:integer:rw"},
                 "v0 l1 a1 x1 t100 h:161 type1 1.3.6.1.9.0/2/6"},
        FormCase{"TableAccessNames",
                 {"h", "read", "table-updown", "2", "1.3.1:octetstr:key",
                  "1.3.2:displaystr:key-implied", "1.3.3:ipaddress:rw:1=a;2=b"},
                 "v0 l1 a1 x1 t100 h:161 type3 1.3.1/4/1 1.3.2/76/65 1.3.3/64/6/1=a/2=b"},
        FormCase{"ValueWithColons",
                 {"h", "write", "0", "0", "1.3.6.1.2.1.1.6:0x4C:6=Room 1: rack 2"},
                 "v0 l1 a1 x1 t100 h:161 type0 1.3.6.1.2.1.1.6/76/6=[Room 1: rack 2]"},
        FormCase{"ValueAfterOptions",
                 {"h", "write", "table", "0", "1.3.9:integer:rw:1=up:now;2=down=a;b=c"},
                 "v0 l1 a1 x1 t100 h:161 type2 1.3.9/2/6/1=up:now/2=down=[a;b=c]"},
        FormCase{
            "GluedAndAfterAgent",
            {"udp:127.0.0.1:16161", "-v2c", "read", "-t", "5s", "0", "0", "1.3.6:2:2", "--verbose"},
            "v1 l1 a1 x1 t500 127.0.0.1:16161 type0 verbose 1.3.6/2/2"},
        FormCase{"UpperAndLowerCase",
                 {"-v", "3", "-lauthpriv", "-a", "sha256", "-x", "aes-256", "-t", "1.5s",
                  "udp6:[::1]:1161", "read", "0", "0", "1.3.6:2:2"},
                 "v3 l3 a5 x21 t150 ::1:1161 type0 1.3.6/2/2"},
        FormCase{"NetSnmpShortNames",
                 {"-v", "3", "-l", "anp", "-a", "MD5", "-x", "AES192", "-t", "300ms", "h", "read",
                  "0", "0", "1.3.6:2:2"},
                 "v3 l2 a2 x20 t30 h:161 type0 1.3.6/2/2"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct ErrorCase {
    const char* Name;
    std::vector<std::string> Args;
    const char* Error;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.Name;
}

class CliUsageError : public ::testing::TestWithParam<ErrorCase> {};

// One line that names what is wrong.
TEST_P(CliUsageError, NamesTheProblem) {
    CliCommand c;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(GetParam().Args, c, error));
    EXPECT_EQ(error, GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliUsageError,
    ::testing::Values(
        ErrorCase{"NoAgent", {}, "missing AGENT"},
        ErrorCase{"NoVar", {"h", "read", "0", "0"}, "missing VAR"},
        ErrorCase{"UnknownOption", {"-q", "1", "h"}, "unknown option -q"},
        ErrorCase{"OptionWithoutValue",
                  {"h", "read", "0", "0", "1.3:2:2", "-t"},
                  "option -t needs a value"},
        ErrorCase{"Version", {"-v", "4", "h"}, "-v takes 1, 2c or 3, not 4"},
        ErrorCase{"Timeout",
                  {"-t", "5m", "h"},
                  "-t takes hundredths of a second (1 to 100000) or a time with a unit (5s), "
                  "not 5m"},
        ErrorCase{"Tcp", {"tcp:h:161", "read", "0", "0", "1.3:2:2"}, "bad agent tcp:h:161"},
        ErrorCase{"BulkTooMany",
                  {"--bulk", "1001", "h"},
                  "--bulk takes the rows of one get-bulk, 0 to 1000"},
        ErrorCase{"BulkNotRows",
                  {"-Cx5", "h"},
                  "-C takes rN, the rows of one get-bulk (r0 to r1000), not x5"},
        ErrorCase{"Command",
                  {"h", "walk", "0", "0", "1.3:2:2"},
                  "unknown command walk: read, write or page"},
        ErrorCase{"Type",
                  {"h", "read", "tables", "0", "1.3:2:2"},
                  "bad TYPE tables: scalars, row, table or table-updown"},
        ErrorCase{"Syntax",
                  {"h", "read", "0", "0", "1.3:int:2"},
                  "bad variable 1.3:int:2: unknown SYNTAX int"},
        ErrorCase{"PackedFieldSyntax",
                  {"h", "read", "0", "0", "1.3:bool8:2"},
                  "bad variable 1.3:bool8:2: unknown SYNTAX bool8"},
        ErrorCase{"Access",
                  {"h", "read", "0", "0", "1.3:2:read"},
                  "bad variable 1.3:2:read: unknown ACCESS read (ro, rw, key, key-implied or a "
                  "number)"},
        ErrorCase{"Oid",
                  {"h", "read", "0", "0", "sysName:2:2"},
                  "bad variable sysName:2:2: the OID is not a dotted number"},
        ErrorCase{"ReadWithValue",
                  {"h", "read", "0", "0", "1.3:2:2=5"},
                  "bad variable 1.3:2:2=5: read takes no =VALUE"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct ValueCase {
    const char* Name;
    const char* Var;
    const char* Refusal;  // "" when the value is taken
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.Var;
}

class CliValueCheck : public ::testing::TestWithParam<ValueCase> {};

// Values the agent would get as something else are refused before sending.
TEST_P(CliValueCheck, AsTheEditOfItsSyntax) {
    CliCommand c;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"h", "write", "0", "0", GetParam().Var}, c, error)) << error;
    EXPECT_EQ(CheckValues(c, error), *GetParam().Refusal == '\0');
    EXPECT_EQ(*GetParam().Refusal == '\0' ? "" : error, GetParam().Refusal);
}

#define INTEGER_RANGE ": (CvCommon) Please enter a number between -2147483648 and 2147483647!"

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, CliValueCheck,
    ::testing::Values(
        ValueCase{"Integer", "1.3.1:integer:rw=-42", ""},
        ValueCase{"Letters", "1.3.1:integer:rw=abc", "bad value abc for 1.3.1" INTEGER_RANGE},
        ValueCase{"TrailingLetters", "1.3.1:integer:rw=1abc",
                  "bad value 1abc for 1.3.1" INTEGER_RANGE},
        ValueCase{"HexNumber", "1.3.1:integer:rw=0x1", "bad value 0x1 for 1.3.1" INTEGER_RANGE},
        ValueCase{"SignOnly", "1.3.1:integer:rw=-", "bad value - for 1.3.1" INTEGER_RANGE},
        ValueCase{"Label", "1.3.1:integer:rw:1=up;2=down=Down", ""},
        ValueCase{"NotALabel", "1.3.1:integer:rw:1=up;2=down=sideways",
                  "bad value sideways for 1.3.1: (CvCommon) Please enter a number between "
                  "-2147483648 and 2147483647! Or one of: up, down"},
        ValueCase{"UnsignedNegative", "1.3.1:counter:rw=-1",
                  "bad value -1 for 1.3.1: (CvCommon) Please enter a number between 0 and "
                  "4294967295!"},
        ValueCase{"HexWithBlanks", "1.3.1:octetstr:rw=00 1a FF", ""},
        ValueCase{"NotHex", "1.3.1:octetstr:rw=zz",
                  "bad value zz for 1.3.1: (CvSNMP++) Bad value of the associated SNMP "
                  "variable's (partial) data!"},
        ValueCase{"TicksOutOfRange", "1.3.1:timeticks:rw=0:60:00.00",
                  "bad value 0:60:00.00 for 1.3.1: takes a time as reads show it: 0:05:00.00, "
                  "1 day 2:03:04.05"},
        ValueCase{"Counter64", "1.3.1:counter64:rw=18446744073709551616",
                  "bad value 18446744073709551616 for 1.3.1: (CvCommon) Please enter a number "
                  "between 0 and 18446744073709551615!"},
        ValueCase{"MacLength", "1.3.1:macaddress:rw=0011",
                  "bad value 0011 for 1.3.1: (CvCommon) Please enter a hex string whose length "
                  "is 12!"},
        ValueCase{"Address", "1.3.1:ipaddress:rw=192.0.2.1", ""},
        ValueCase{"AddressPart", "1.3.1:ipaddress:rw=192.0.2.300",
                  "bad value 192.0.2.300 for 1.3.1: (CvCommon) Please enter a delimited number "
                  "string with delimiter '.'. Here,each number is between 0 and 255!"},
        ValueCase{"Identifier", "1.3.1:objectid:rw=.1.3.6.1", ""},
        ValueCase{"Ticks", "1.3.1:timeticks:rw=1 day 2:03:04.05", ""},
        ValueCase{"BareTicks", "1.3.1:timeticks:rw=500",
                  "bad value 500 for 1.3.1: takes a time as reads show it: 0:05:00.00, 1 day "
                  "2:03:04.05"},
        ValueCase{"Boolean", "1.3.1:boolean:rw=yes",
                  "bad value yes for 1.3.1: takes true or false"},
        ValueCase{"NullOnPurpose", "1.3.1:integer:rw=(NULL)", ""},
        ValueCase{"AnyText", "1.3.1:displaystr:rw=x=1: y", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace

TEST(CliOptions, HelpStandsWhereAnOptionMay) {
    EXPECT_TRUE(HelpAsked({"--help"}));
    EXPECT_TRUE(HelpAsked({"-v", "2c", "h", "read", "-h"}));
    EXPECT_FALSE(HelpAsked({"-c", "-h", "h", "read", "0", "0", "1.3:2:2"}));  // a community
    EXPECT_FALSE(HelpAsked({"h", "read", "0", "0", "1.3:2:2"}));
}
