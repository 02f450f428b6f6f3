// vanta-cli end to end: printed rows, error lines and exit codes.
#include <gtest/gtest.h>

#include <QProcess>

#include <QProcessEnvironment>
#include <QStringList>
#include <filesystem>
#include <map>

#include "EngineTestSupport.h"
#include "SilentUdpPort.h"

namespace engine_test {
namespace {

using agents::SnmpdAgent;

struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class VantaCliTest : public ::testing::Test {
protected:
    // `variables` are set, or removed when empty, after VANTA_STATE_DIR.
    CliRun Run(const std::vector<std::string>& args,
               const std::map<std::string, std::string>& variables = {}) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VANTA_STATE_DIR", QString::fromStdString(FStateDir.Path()));
        for (const auto& [name, value] : variables) {
            if (value.empty()) {
                env.remove(QString::fromStdString(name));
            } else {
                env.insert(QString::fromStdString(name), QString::fromStdString(value));
            }
        }
        cli.setProcessEnvironment(env);
        QStringList arguments;
        for (const std::string& a : args) {
            arguments << QString::fromStdString(a);
        }
        cli.start(VANTA_CLI_PROGRAM, arguments);
        CliRun run;
        if (!cli.waitForStarted(10000) || !cli.waitForFinished(30000)) {
            cli.kill();
            cli.waitForFinished(5000);
            ADD_FAILURE() << "vanta-cli did not finish";
            return run;
        }
        run.ExitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        run.Out = cli.readAllStandardOutput().toStdString();
        run.Err = cli.readAllStandardError().toStdString();
        return run;
    }

    static std::string Agent(std::uint16_t port) { return "127.0.0.1:" + std::to_string(port); }

    std::uint16_t SnmpdPort() {
        try {
            return SharedSnmpd().Port();
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            return 0;
        }
    }

    std::uint16_t SnmpsimPort() {
        try {
            return SharedSnmpsim().Port();
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            return 0;
        }
    }

    agents::TempDir FStateDir{"vanta-cli-state"};
};

TEST_F(VantaCliTest, ReadOfScalarsPrintsOneLine) {
    const CliRun run = Run({"-v", "2c", "-c", "vanta-engine", Agent(SnmpsimPort()), "read", "0",
                            "0", "1.3.6.1.2.1.1.1:0x4C:2", "1.3.6.1.2.1.1.3:67:2"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "Vanta engine fixture\t1 day 0:00:01.23\n");
    EXPECT_EQ(run.Err, "");
}

TEST_F(VantaCliTest, WalkPrintsOneLinePerRowWithOptionLabels) {
    const CliRun run = Run({"-v", "2c", "-c", "vanta-engine", Agent(SnmpsimPort()), "read", "2",
                            "1", "1.3.6.1.4.1.99999.1.1.1.1:2:1",
                            "1.3.6.1.4.1.99999.1.1.1.2:0x4C:2", "1.3.6.1.4.1.99999.1.1.1.3:0x4C:2",
                            "1.3.6.1.4.1.99999.1.1.1.4:2:2:41=first;42=second"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out,
              "1\tearly-1\tfull-1\tfirst\n"
              "2\t(NOTDONE)\tfull-2\tsecond\n"
              "3\t(NOTDONE)\tfull-3\t(NOTDONE)\n");
}

TEST_F(VantaCliTest, WriteIsSilentAndTheValueReadsBack) {
    const std::string agent = Agent(SnmpdPort());
    const CliRun write =
        Run({"-v", "2c", agent, "write", "0", "0", "1.3.6.1.2.1.1.6:0x4C:6=cli room"});
    EXPECT_EQ(write.ExitCode, 0) << write.Err;
    EXPECT_EQ(write.Out, "");
    EXPECT_EQ(write.Err, "");

    const CliRun read = Run({"-v", "2c", agent, "read", "0", "0", "1.3.6.1.2.1.1.6:0x4C:2"});
    EXPECT_EQ(read.ExitCode, 0) << read.Err;
    EXPECT_EQ(read.Out, "cli room\n");
}

TEST_F(VantaCliTest, SnmpV3ReadWithSha256AndAes) {
    const SnmpdAgent::User& u = SnmpdAgent::kSha256AesUser;
    const CliRun run = Run({"-v", "3", "-u", u.Name, "-l", "authPriv", "-a", "SHA-256", "-A",
                            u.AuthPass, "-x", "AES", "-X", u.PrivPass, Agent(SnmpdPort()), "read",
                            "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, HostName() + "\n");
}

TEST_F(VantaCliTest, BracketedIpv6AgentWithPort) {
    if (!agents::Ipv6LoopbackAvailable()) {
        GTEST_SKIP() << "::1 is not available on this machine";
    }
    std::unique_ptr<SnmpdAgent> agent;
    try {
        agent = std::make_unique<SnmpdAgent>(true);
    } catch (const std::exception& e) {
        FAIL() << e.what();
    }
    const CliRun run = Run({"-v", "2c", "[::1]:" + std::to_string(agent->Port()), "read", "0", "0",
                            "1.3.6.1.2.1.1.5:0x4C:2"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, HostName() + "\n");
}

// Failures print "MESSAGE (CODE)" on stderr and exit with 1.
TEST_F(VantaCliTest, FailuresPrintMessageAndCode) {
    const std::string snmpd = Agent(SnmpdPort());
    const SnmpdAgent::User& u = SnmpdAgent::kMd5DesUser;
    agents::SilentUdpPort silent;
    const struct {
        std::vector<std::string> Args;
        std::string Err;
    } cases[] = {
        {{"-v", "2c", snmpd, "write", "0", "0", "1.3.6.1.2.1.1.1:0x4C:6=renamed"},
         "(SNMP) Cannot create/set variable, Not Writable! (-117)\n"
         "Failed object: 1.3.6.1.2.1.1.1.0\n"},
        {{"-v", "3", "-u", u.Name, "-l", "authPriv", "-a", "MD5", "-A", "wrong-pass-phrase", "-x",
          "DES", "-X", u.PrivPass, snmpd, "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(SNMPv3USM) Authentication failure! (-308)\n"},
        // A pass phrase under 8 characters: our line only, none of the library's.
        {{"-v", "3", "-u", u.Name, "-l", "authNoPriv", "-a", "MD5", "-A", "short", snmpd, "read",
          "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(SNMPv3USM) error! (-301)\n"},
        {{"-t", "20", "-r", "0", Agent(silent.Port()), "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(SNMPClass) SNMP request timed out! (-405)\nNo response from " + Agent(silent.Port()) +
             " after 1 try of 0.20 s\n"},
        {{"-t", "0.1s", "-r", "2", Agent(silent.Port()), "read", "0", "0", "1.3.6.1.2.1.1.5:4:2"},
         "(SNMPClass) SNMP request timed out! (-405)\nNo response from " + Agent(silent.Port()) +
             " after 3 tries of 0.10 s\n"},
        {{std::string(kUnresolvableName) + ":161", "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(CvSNMP++) Invalid IP Address or DNS name! (-509)\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Args);
        EXPECT_EQ(run.ExitCode, 1) << c.Err;
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_EQ(run.Out, "");
    }
}

// Usage errors exit with 2 before anything is sent, with one line that
// names the problem and points to the help.
TEST_F(VantaCliTest, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"127.0.0.1", "read", "0", "0"},
        {"-v", "4", "127.0.0.1", "read", "0", "0", "1.3.6.1.2.1.1.5:4:2"},
        {"127.0.0.1", "fetch", "0", "0", "1.3.6.1.2.1.1.5:4:2"},
        {"127.0.0.1", "read", "0", "0", "1.3.6.1.2.1.1.5"},
        {"127.0.0.1", "write", "0", "0", "1.3.6.1.2.1.1.5:4:6"},
        {"127.0.0.1:99999", "read", "0", "0", "1.3.6.1.2.1.1.5:4:2"},
        {"::1", "read", "0", "0", "1.3.6.1.2.1.1.5:4:2"},
        {"-t", "0", "127.0.0.1", "read", "0", "0", "1.3.6.1.2.1.1.5:4:2"},
    };
    for (const auto& args : cases) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.Err.starts_with("vanta-cli: ")) << run.Err;
        EXPECT_TRUE(run.Err.ends_with(" (see vanta-cli --help)\n")) << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

TEST_F(VantaCliTest, HelpGoesToStandardOutput) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"-v", "2c", "127.0.0.1", "read", "--help"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_TRUE(run.Out.starts_with("usage: vanta-cli")) << run.Out;
        EXPECT_NE(run.Out.find("-t TIMEOUT    in hundredths of a second"), std::string::npos);
        EXPECT_EQ(run.Err, "");
    }
}

struct CliCase {
    const char* Name;
    std::vector<std::string> Args;  // "AGENT" stands for snmpd's address
    int ExitCode;
    std::string Out;  // "*": not compared
    std::string Err;
};

void PrintTo(const CliCase& c, std::ostream* os) {
    *os << c.Name;
}

class VantaCliCases : public VantaCliTest, public ::testing::WithParamInterface<CliCase> {};

TEST_P(VantaCliCases, ExitOutputAndMessages) {
    const CliCase& c = GetParam();
    std::vector<std::string> args = c.Args;
    for (std::string& arg : args) {
        if (const std::size_t at = arg.find("AGENT"); at != std::string::npos) {
            arg.replace(at, 5, Agent(SnmpdPort()));
        }
    }
    const CliRun run = Run(args);
    EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Err;
    if (c.Out != "*") {
        EXPECT_EQ(run.Out, c.Out == "HOSTNAME" ? HostName() + "\n" : c.Out);
    }
    EXPECT_EQ(run.Err, c.Err);
}

constexpr char kNoSuchName[] = "(SNMP) Variable does not exist! (-102)\n";
constexpr char kBadKeyCount[] = "(CvSNMP++) Bad key count of SNMP variable list! (-514)\n";
const std::string kIfIndex = "1.3.6.1.2.1.2.2.1.1";
const std::string kIfDescr = "1.3.6.1.2.1.2.2.1.2";

// What used to print "(NULL)" or nothing and exit 0: the command line names
// the object and fails.
INSTANTIATE_TEST_SUITE_P(
    Reads, VantaCliCases,
    ::testing::Values(
        CliCase{"ScalarWithItsZero",
                {"-v", "2c", "AGENT", "read", "scalars", "0", "1.3.6.1.2.1.1.5.0:displaystr:ro"},
                0,
                "HOSTNAME",
                ""},
        CliCase{"OidTypo",
                {"-v", "2c", "AGENT", "read", "0", "0", "1.3.6.1.2.1.1.55:displaystr:ro"},
                1,
                "",
                std::string(kNoSuchName) + "Failed object: 1.3.6.1.2.1.1.55.0 (noSuchObject)\n"},
        CliCase{"OidTypoInV1",
                {"-v", "1", "AGENT", "read", "0", "0", "1.3.6.1.2.1.1.55:displaystr:ro"},
                1,
                "",
                std::string(kNoSuchName) + "Failed object: 1.3.6.1.2.1.1.55.0\n"},
        CliCase{"WrongSyntax",
                {"-v", "2c", "AGENT", "read", "0", "0", "1.3.6.1.2.1.1.5:integer:ro"},
                1,
                "",
                "(CvSNMP++) Bad SNMP syntax! (-511)\nFailed object: 1.3.6.1.2.1.1.5.0 (OCTET "
                "STRING value for the syntax integer)\n"},
        CliCase{"RowWithoutInstance",
                {"-v", "2c", "AGENT", "read", "row", "0", kIfDescr + ":displaystr:ro"},
                1,
                "",
                std::string(kNoSuchName) + "Failed object: " + kIfDescr + " (noSuchInstance)\n"},
        CliCase{"WalkOfAMissingColumn",
                {"-v", "2c", "AGENT", "read", "table", "1", kIfIndex + ":integer:ro",
                 "1.3.6.1.2.1.2.2.1.99:integer:ro"},
                1,
                "*",
                std::string(kNoSuchName) +
                    "Failed object: 1.3.6.1.2.1.2.2.1.99 (noSuchObject: no such column on the "
                    "agent)\n"},
        CliCase{"EmptyTable",
                {"-v", "2c", "AGENT", "read", "table", "0", "1.3.6.1.6.3.12.1.2.1.2:objectid:ro"},
                0,
                "",
                ""},
        CliCase{"KeysWithoutReadableColumn",
                {"-v", "2c", "AGENT", "read", "table", "1", kIfIndex + ":integer:key"},
                1,
                "",
                std::string(kBadKeyCount) +
                    "the list has 1 key column but no readable column: give a column the ACCESS "
                    "ro or rw\n"},
        CliCase{"MoreKeysThanVariables",
                {"-v", "2c", "AGENT", "read", "table", "2", kIfDescr + ":displaystr:ro"},
                1,
                "",
                std::string(kBadKeyCount) +
                    "KEYS is 2 but the list has only 1 variable: KEYS counts the index columns "
                    "among them\n"},
        CliCase{"IndexShorterThanKeys",
                {"-v", "2c", "AGENT", "read", "table", "2", kIfIndex + ":integer:ro",
                 kIfDescr + ":displaystr:ro"},
                1,
                "",
                std::string(kBadKeyCount) +
                    "a row's index ran out before its 2 key columns were read: lower KEYS, or "
                    "give the key columns the SYNTAX of their index\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Values are checked as the edits of their syntax check them; nothing is
// sent for a refused one (the agent would refuse these read-only objects
// with an exit status of 1).
INSTANTIATE_TEST_SUITE_P(
    Values, VantaCliCases,
    ::testing::Values(
        CliCase{"Letters",
                {"-t", "500", "AGENT", "write", "0", "0", "1.3.6.1.2.1.1.7:integer:rw=abc"},
                2,
                "",
                "vanta-cli: bad value abc for 1.3.6.1.2.1.1.7: (CvCommon) Please enter a number "
                "between -2147483648 and 2147483647!\n"},
        CliCase{
            "ShortAddress",
            {"-t", "500", "AGENT", "write", "0", "0", "1.3.6.1.2.1.4.20.1.1:ipaddress:rw=1.2.3"},
            2,
            "",
            "vanta-cli: bad value 1.2.3 for 1.3.6.1.2.1.4.20.1.1: (CvCommon) Please enter a "
            "delimited number string with delimiter '.'. Here,the count of the number is "
            "equal to 4!\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The habits of net-snmp's tools and the names of syntaxes, access and types.
INSTANTIATE_TEST_SUITE_P(
    Habits, VantaCliCases,
    ::testing::Values(
        CliCase{"GluedVersionAndOptionsAfterAgent",
                {"udp:AGENT", "-v2c", "read", "-t", "2s", "scalars", "0",
                 "1.3.6.1.2.1.1.5.0:displaystr:ro"},
                0,
                "HOSTNAME",
                ""},
        CliCase{"LowerCaseNamesAndAes256",
                {"-v", "3", "-u", agents::SnmpdAgent::kShaAes256User.Name, "-l", "authpriv", "-a",
                 "sha", "-A", agents::SnmpdAgent::kShaAes256User.AuthPass, "-x", "aes-256", "-X",
                 agents::SnmpdAgent::kShaAes256User.PrivPass, "AGENT", "read", "0", "0",
                 "1.3.6.1.2.1.1.5:displaystr:ro"},
                0,
                "HOSTNAME",
                ""},
        CliCase{"Sha512AndAes192",
                {"-v3", "-u", agents::SnmpdAgent::kSha512Aes192User.Name, "-lAuthPriv", "-aSHA512",
                 "-A", agents::SnmpdAgent::kSha512Aes192User.AuthPass, "-xAES192", "-X",
                 agents::SnmpdAgent::kSha512Aes192User.PrivPass, "AGENT", "read", "0", "0",
                 "1.3.6.1.2.1.1.5:displaystr:ro"},
                0,
                "HOSTNAME",
                ""},
        CliCase{"RowByNames",
                {"-v", "2c", "-s", "1", "AGENT", "read", "row", "0", kIfDescr + ":displaystr:ro",
                 "1.3.6.1.2.1.2.2.1.3:integer:ro"},
                0,
                "lo\t24\n",
                ""}),
    [](const auto& info) { return std::string(info.param.Name); });

// A value holds whatever follows the first "=" after the head; --verbose
// echoes what was written.
TEST_F(VantaCliTest, ValueWithColonsIsWrittenAndEchoed) {
    const std::string agent = Agent(SnmpdPort());
    const CliRun write = Run({"-v", "2c", agent, "write", "scalars", "0", "--verbose",
                              "1.3.6.1.2.1.1.6.0:displaystr:rw=Room 1: rack 2"});
    EXPECT_EQ(write.ExitCode, 0) << write.Err;
    EXPECT_EQ(write.Out, "1.3.6.1.2.1.1.6.0 = Room 1: rack 2\n");
    EXPECT_EQ(write.Err, "");
    const CliRun read =
        Run({"-v", "2c", agent, "read", "scalars", "0", "1.3.6.1.2.1.1.6:displaystr:ro"});
    EXPECT_EQ(read.Out, "Room 1: rack 2\n");
}

// Each user keeps the boots counter in a folder of their own, made for them only.
TEST_F(VantaCliTest, BootsCounterLivesInTheUsersStateFolder) {
    namespace fs = std::filesystem;
    const agents::TempDir home("vanta-cli-home");
    const std::vector<std::string> args = {
        "-v", "2c", Agent(SnmpdPort()), "read", "0", "0", "1.3.6.1.2.1.1.5:displaystr:ro"};
    const struct {
        std::map<std::string, std::string> Variables;
        fs::path Folder;
    } cases[] = {
        {{{"VANTA_STATE_DIR", ""}, {"XDG_STATE_HOME", ""}, {"HOME", home.Path()}},
         fs::path(home.Path()) / ".local" / "state" / "vanta"},
        {{{"VANTA_STATE_DIR", ""},
          {"XDG_STATE_HOME", home.Path() + "/xdg"},
          {"HOME", "/nonexistent"}},
         fs::path(home.Path()) / "xdg" / "vanta"},
        {{{"VANTA_STATE_DIR", home.Path() + "/own"}}, fs::path(home.Path()) / "own"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(args, c.Variables);
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_TRUE(fs::is_regular_file(c.Folder / "CvSNMP_PP_BootCounter")) << c.Folder;
        EXPECT_EQ(fs::status(c.Folder).permissions() & fs::perms::all, fs::perms::owner_all)
            << c.Folder;
    }
}

}  // namespace
}  // namespace engine_test
