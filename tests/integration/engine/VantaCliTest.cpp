// vanta-cli end to end: printed rows, error lines and exit codes.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

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
    CliRun Run(const std::vector<std::string>& args) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VANTA_STATE_DIR", QString::fromStdString(FStateDir.Path()));
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
         "(SNMP) Cannot create/set variable, Not Writable! (-117)\n"},
        {{"-v", "3", "-u", u.Name, "-l", "authPriv", "-a", "MD5", "-A", "wrong-pass-phrase", "-x",
          "DES", "-X", u.PrivPass, snmpd, "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(SNMPv3USM) Authentication failure! (-308)\n"},
        // A pass phrase under 8 characters: our line only, none of the library's.
        {{"-v", "3", "-u", u.Name, "-l", "authNoPriv", "-a", "MD5", "-A", "short", snmpd, "read",
          "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(SNMPv3USM) error! (-301)\n"},
        {{"-t", "20", "-r", "0", Agent(silent.Port()), "read", "0", "0", "1.3.6.1.2.1.1.5:0x4C:2"},
         "(SNMPClass) SNMP request timed out! (-405)\n"},
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

// Usage errors exit with 2 before anything is sent.
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
        EXPECT_NE(run.Err.find("usage: vanta-cli"), std::string::npos);
        EXPECT_EQ(run.Out, "");
    }
}

}  // namespace
}  // namespace engine_test
