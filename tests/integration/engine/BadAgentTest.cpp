// The misbehaving agent seen through net-snmp's command-line tools, so that
// the engine's fault tests can trust what it plays.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "AgentProcess.h"
#include "BadAgent.h"

namespace engine_test {
namespace {

using agents::BadAgent;

struct ShellRun {
    int ExitCode = -1;
    std::string Output;  // stdout and stderr together
};

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

ShellRun Shell(const std::string& command) {
    ShellRun run;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.Output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class BadAgentTest : public ::testing::Test {
protected:
    // The tools announce on stderr the creation of this folder of their state.
    void SetUp() override { std::filesystem::create_directory(FToolDir.File("cert_indexes")); }

    // One try of one second; `args` are shell words.
    ShellRun Tool(const char* program, const char* version, std::uint16_t port,
                  const std::string& args, const std::string& options = "") {
        return Shell("MIBS= MIBDIRS= SNMPCONFPATH=" + Quote(FToolDir.Path()) +
                     " SNMP_PERSISTENT_DIR=" + Quote(FToolDir.Path()) + " " + Quote(program) +
                     " -On -r 0 -t 1 " + options + " -v " + version +
                     " -c vanta 127.0.0.1:" + std::to_string(port) + " " + args);
    }

    agents::TempDir FToolDir{"vanta-snmp-tools"};
};

constexpr char kGet[] = VANTA_SNMPGET_PROGRAM;
constexpr char kNext[] = VANTA_SNMPGETNEXT_PROGRAM;
constexpr char kSet[] = VANTA_SNMPSET_PROGRAM;

// snmpget reports errors without the full stop of snmpgetnext and snmpset.
constexpr char kGetNoSuchName[] =
    "Error in packet\nReason: (noSuchName) There is no such variable name in this MIB.\n";
constexpr char kNoSuchName[] =
    "Error in packet.\nReason: (noSuchName) There is no such variable name in this MIB.\n";

// In order: sets change what later gets read.
TEST_F(BadAgentTest, ServesGetGetNextAndSetOfBothVersions) {
    BadAgent agent(
        "# a name, a writable number, a v2c-only counter and a two-row column\n"
        "1.3.6.1.2.1.1.5.0 octets bench switch\n"
        "1.3.6.1.4.1.99.1.0 integer 5\n"
        "1.3.6.1.4.1.99.2.0 counter64 12345678901\n"
        "\n"
        "1.3.6.1.4.1.99.3.1 integer 31\n"
        "1.3.6.1.4.1.99.3.2 integer 32\n"
        "read-only 1.3.6.1.2.1.1.5.0\n"
        "next 1.3.6.1.4.1.99.3.2 -> 1.3.6.1.4.1.99.3.1\n");
    const struct {
        const char* Program;
        const char* Version;
        const char* Args;
        int ExitCode;
        std::string Output;
    } cases[] = {
        {kGet, "2c", ".1.3.6.1.2.1.1.5.0", 0, ".1.3.6.1.2.1.1.5.0 = STRING: \"bench switch\"\n"},
        {kGet, "2c", ".1.3.6.1.4.1.99.9.0", 0,
         ".1.3.6.1.4.1.99.9.0 = No Such Object available on this agent at this OID\n"},
        {kGet, "1", ".1.3.6.1.4.1.99.9.0", 2,
         std::string(kGetNoSuchName) + "Failed object: .1.3.6.1.4.1.99.9.0\n\n"},
        {kGet, "2c", ".1.3.6.1.4.1.99.2.0", 0, ".1.3.6.1.4.1.99.2.0 = Counter64: 12345678901\n"},
        {kGet, "1", ".1.3.6.1.4.1.99.2.0", 2,
         std::string(kGetNoSuchName) + "Failed object: .1.3.6.1.4.1.99.2.0\n\n"},
        {kSet, "1", ".1.3.6.1.4.1.99.1.0 i 7", 0, ".1.3.6.1.4.1.99.1.0 = INTEGER: 7\n"},
        {kGet, "2c", ".1.3.6.1.4.1.99.1.0", 0, ".1.3.6.1.4.1.99.1.0 = INTEGER: 7\n"},
        // All or nothing: the read-only second object keeps the first at 7.
        {kSet, "1", ".1.3.6.1.4.1.99.1.0 i 8 .1.3.6.1.2.1.1.5.0 s 'new name'", 2,
         std::string(kNoSuchName) + "Failed object: .1.3.6.1.2.1.1.5.0\n\n"},
        {kSet, "2c", ".1.3.6.1.2.1.1.5.0 s 'new name'", 2,
         "Error in packet.\nReason: notWritable (That object does not support modification)\n"
         "Failed object: .1.3.6.1.2.1.1.5.0\n\n"},
        {kSet, "2c", ".1.3.6.1.4.1.99.1.0 s 8", 2,
         "Error in packet.\nReason: wrongType (The set datatype does not match the data type "
         "the agent expects)\nFailed object: .1.3.6.1.4.1.99.1.0\n\n"},
        {kGet, "2c", ".1.3.6.1.4.1.99.1.0", 0, ".1.3.6.1.4.1.99.1.0 = INTEGER: 7\n"},
        // v1 skips the counter; the scripted step goes back to the first row.
        {kNext, "1", ".1.3.6.1.4.1.99.1.0", 0, ".1.3.6.1.4.1.99.3.1 = INTEGER: 31\n"},
        {kNext, "2c", ".1.3.6.1.4.1.99.3.1", 0, ".1.3.6.1.4.1.99.3.2 = INTEGER: 32\n"},
        {kNext, "2c", ".1.3.6.1.4.1.99.3.2", 0, ".1.3.6.1.4.1.99.3.1 = INTEGER: 31\n"},
        {kNext, "2c", ".1.3.6.1.4.1.99.3.2.0", 0,
         ".1.3.6.1.4.1.99.3.2.0 = No more variables left in this MIB View (It is past the end of "
         "the MIB tree)\n"},
        {kNext, "1", ".1.3.6.1.4.1.99.3.2.0", 2,
         std::string(kNoSuchName) + "Failed object: .1.3.6.1.4.1.99.3.2.0\n\n"},
    };
    for (const auto& c : cases) {
        const ShellRun run = Tool(c.Program, c.Version, agent.Port(), c.Args);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Version << " " << c.Args << "\n" << run.Output;
        EXPECT_EQ(run.Output, c.Output) << c.Version << " " << c.Args;
    }
    EXPECT_EQ(agent.RequestsReceived(), static_cast<int>(std::size(cases)));
}

// Each counted request in turn; the readiness probe counts for nothing.
TEST_F(BadAgentTest, PlaysEachFaultOnItsRequestAndCountsEveryRequest) {
    BadAgent agent(
        "1.3.6.1.2.1.1.5.0 octets bench switch\n"
        "wrong-reqid 1\n"
        "malformed 2\n"
        "oversized 3\n"
        "drop 4\n"
        "silent-after 5\n");
    const char* const kName = ".1.3.6.1.2.1.1.5.0 = STRING: \"bench switch\"";
    const struct {
        const char* Fault;
        const char* Program;
        const char* Args;
        int Datagrams;
        int Size;           // of each datagram; 0: any
        const char* Shows;  // when answered
    } cases[] = {
        {"wrong-reqid", kGet, ".1.3.6.1.2.1.1.5.0", 2, 0, kName},  // the stray one is skipped
        {"malformed", kGet, ".1.3.6.1.2.1.1.5.0", 1, 0, nullptr},  // it cannot be decoded
        {"oversized", kGet, ".1.3.6.1.2.1.1.5.0", 1, 60000, ".1.3.6.1.2.1.1.5.0 = STRING: \"xxx"},
        {"drop", kSet, ".1.3.6.1.2.1.1.5.0 s lost", 0, 0, nullptr},
        // The dropped set stored nothing.
        {"fifth, the last answered", kGet, ".1.3.6.1.2.1.1.5.0", 1, 0, kName},
        {"silent", kGet, ".1.3.6.1.2.1.1.5.0", 0, 0, nullptr},
        {"still silent", kNext, ".1.3.6.1.2.1.1", 0, 0, nullptr},
    };
    const std::regex received("Received ([0-9]+) byte packet");
    for (const auto& c : cases) {
        const ShellRun run = Tool(c.Program, "2c", agent.Port(), c.Args, "-d");
        std::vector<int> sizes;
        for (auto m = std::sregex_iterator(run.Output.begin(), run.Output.end(), received);
             m != std::sregex_iterator(); ++m) {
            sizes.push_back(std::stoi((*m)[1]));
        }
        EXPECT_EQ(static_cast<int>(sizes.size()), c.Datagrams) << c.Fault;
        for (const int size : sizes) {
            EXPECT_TRUE(c.Size == 0 || size == c.Size) << c.Fault << ": " << size;
        }
        const bool answered = c.Shows != nullptr;
        EXPECT_EQ(run.ExitCode, answered ? 0 : 1) << c.Fault;
        EXPECT_EQ(run.Output.find(answered ? c.Shows : "Timeout: No Response") != std::string::npos,
                  true)
            << c.Fault;
    }
    EXPECT_EQ(agent.RequestsReceived(), static_cast<int>(std::size(cases)));
}

// A bad line stops the agent before it listens, with one line naming it.
TEST_F(BadAgentTest, BadScenarioLineExitsWithTwoAndOneLine) {
    const struct {
        const char* Scenario;
        const char* Message;
    } cases[] = {
        {"drop 0\n", "line 1: K must be a number from 1 to 2147483647, not '0'"},
        {"# comment\nwrong-reqid 2\nmalformed 2\n", "line 3: request 2 already has wrong-reqid"},
        {"1.3.6.1.4.1.99.1.0 integer 2147483648\n",
         "line 1: an integer must be a number from -2147483648 to 2147483647, not '2147483648'"},
        {"1.3.6.1.4.1.99.1.0 octets 0xABC\n", "line 1: odd number of hex digits: '0xABC'"},
        {"1.3.6.1.4.1.99.1.0 ipaddress 10.0.0\n", "line 1: not an IP address: '10.0.0'"},
        {"1.3.6.1.4.1.99.1.0 integer 1\nnext 1.3.6.1.4.1.99.1.0 -> 1.3.6.1.4.1.99.2.0\n",
         "line 2: no object 1.3.6.1.4.1.99.2.0"},
        {"read-only 1.3.6.1.4.1.99.1.0\n", "line 1: no object 1.3.6.1.4.1.99.1.0"},
        {"next 1.3.6.1.4.1.99.1.0 1.3.6.1.4.1.99.2.0\n", "line 1: expected: next OID -> OID2"},
        {"1.3.6.1.4.1.99.1.0 float 1.5\n", "line 1: unknown type 'float'"},
        {"answer-late 3\n", "line 1: unknown directive 'answer-late'"},
    };
    const std::string file = FToolDir.File("scenario");
    for (const auto& c : cases) {
        agents::WriteTextFile(file, c.Scenario);
        const ShellRun run =
            Shell(Quote(VANTA_PYTHON_PROGRAM) + " " + Quote(VANTA_BAD_AGENT_SCRIPT) +
                  " --listen 127.0.0.1:0 --scenario " + Quote(file));
        EXPECT_EQ(run.ExitCode, 2) << c.Scenario;
        EXPECT_EQ(run.Output, "bad_agent: " + file + ": " + c.Message + "\n");
    }
}

}  // namespace
}  // namespace engine_test
