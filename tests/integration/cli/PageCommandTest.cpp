// vanta-cli's page commands end to end: the catalogue offline, and pages read
// and written on a running vanta-sim.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "AgentProcess.h"
#include "SilentUdpPort.h"
#include "SimHarness.h"

namespace {

ToolResult RunCli(const std::vector<std::string>& args) {
    // The boots counter file of the runs stays in a folder of their own.
    static const agents::TempDir stateDir("vanta-cli-pages");
    setenv("VANTA_STATE_DIR", stateDir.Path().c_str(), 1);
    return RunTool(std::vector<std::string>{VANTA_CLI_PROGRAM} + args);
}

std::string Line(const std::string& text, const std::string& start) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(start)) {
            return line;
        }
    }
    return "";
}

// The catalogue needs no agent: pages, describe and the help.
TEST(CliPages, PagesDescribeAndHelp) {
    const ToolResult pages = RunCli({"pages"});
    EXPECT_EQ(pages.exitCode, 0) << pages.err;
    EXPECT_EQ(std::count(pages.out.begin(), pages.out.end(), '\n'), 137);
    EXPECT_TRUE(pages.out.starts_with("DeviceInformation1\tDevice Information\tscalar\t0\t0\t-\n"));
    EXPECT_EQ(Line(pages.out, "SystemLogServerTable1"),
              "SystemLogServerTable1\tSystem Log Server Table\ttable\t3\t1\t6:createAndGo:destroy");
    EXPECT_EQ(Line(pages.out, "DNSCtrlTable1"),
              "DNSCtrlTable1\tDNS Ctrl Table\ttable\t2\t2\t2:valid:invalid");

    EXPECT_EQ(RunCli({"describe", "PowerTable1"}).out,
              "0\t1.3.6.1.4.1.99917.12.11.1.6.1.1\tPower Unit Index\t2\tinteger\t\n"
              "1\t1.3.6.1.4.1.99917.12.11.1.6.1.2\tPower ID\t2\tinteger\t\n"
              "2\t1.3.6.1.4.1.99917.12.11.1.6.1.3\tPower Status\t2\tinteger\t"
              "0=other;1=lowVoltage;2=overCurrent;3=working;4=fail;5=connect;6=disconnect\n");
    EXPECT_EQ(Line(RunCli({"describe", "UserTable1"}).out, "4\t"),
              "4\t1.3.6.1.6.3.15.1.2.2.1.5\tAuthentication Protocol\t6\tobjectid\t"
              "1.3.6.1.6.3.10.1.1.1=None;1.3.6.1.6.3.10.1.1.2=MD5;1.3.6.1.6.3.10.1.1.3=SHA");
    EXPECT_EQ(Line(RunCli({"describe", "NotifyTable1"}).out, "0\t"),
              "0\t1.3.6.1.6.3.13.1.1.1.1\tName\t65\tdisplaystr\t");

    const ToolResult help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"read", "write", "vanta-cli pages", "vanta-cli describe NAME",
                                "page NAME [-s INSTANCE]", "set|edit|add|delete LABEL=VALUE"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
}

class CliPageOnSim : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Sim = std::make_unique<SimProcess>(); }
    static void TearDownTestSuite() { Sim.reset(); }

    static ToolResult Page(std::vector<std::string> words) {
        words.insert(words.begin(), {"-v", "2c", Sim->Address(), "page"});
        return RunCli(words);
    }
    static std::string Read(const std::string& page) {
        const ToolResult run = Page({page});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    static std::unique_ptr<SimProcess> Sim;
};

std::unique_ptr<SimProcess> CliPageOnSim::Sim;

TEST_F(CliPageOnSim, ScalarPageSetsLabelsAndNumbersInOnePdu) {
    const std::string header =
        "swL2DevAlarmNewRoot\tswL2DevAlarmTopologyChange\tswL2DevAlarmLinkChange\n";
    EXPECT_EQ(Read("AlarmControl1"), header + "enabled\tenabled\tenabled\n");
    const ToolResult set =
        Page({"AlarmControl1", "set", "swL2DevAlarmNewRoot=disabled", "swL2DevAlarmLinkChange=2"});
    EXPECT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out + set.err, "");
    EXPECT_EQ(Read("AlarmControl1"), header + "disabled\tenabled\tdisabled\n");

    // The agent refuses the second value: the first one is not written either.
    const ToolResult refused = Page({"AlarmControl1", "set", "swL2DevAlarmTopologyChange=disabled",
                                     "swL2DevAlarmLinkChange=7"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              "(SNMP) Cannot create/set variable, Wrong Value! (-110)\n"
              "Failed object: swL2DevAlarmLinkChange (1.3.6.1.4.1.99917.11.70.1.2.1.3.3.0)\n");
    EXPECT_EQ(Read("AlarmControl1"), header + "disabled\tenabled\tdisabled\n");

    const ToolResult echoed = Page({"AlarmControl1", "set", "--verbose", "swL2DevAlarmNewRoot=3"});
    EXPECT_EQ(echoed.exitCode, 0) << echoed.err;
    EXPECT_EQ(echoed.out, "1.3.6.1.4.1.99917.11.70.1.2.1.3.1.0 = 3\n");
}

TEST_F(CliPageOnSim, TablePageWalksEveryRowAndEditsOne) {
    EXPECT_EQ(Read("FanTable1"),
              "swFanUnitIndex\tswFanID\tswFanStatus\n1\t1\tworking\n1\t2\tworking\n");
    const ToolResult edit =
        Page({"PortControl1", "edit", "swL2PortCtrlPortIndex=5", "swL2PortCtrlMediumType=copper",
              "swL2PortCtrlAdminState=disabled"});
    EXPECT_EQ(edit.exitCode, 0) << edit.err;
    const std::string rows = Read("PortControl1");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 1 + 24 + 4);  // combo ports twice
    EXPECT_TRUE(Line(rows, "5\tcopper\t1\tdisabled\t").starts_with("5\tcopper\t1\tdisabled\t"));
    EXPECT_TRUE(Line(rows, "6\tcopper\t1\t").starts_with("6\tcopper\t1\tenabled\t"));
}

TEST_F(CliPageOnSim, AddEditAndDeleteARowWithItsStatusColumn) {
    const std::string added =
        "swSysLogServerIndex-3\t192.0.2.33\tlocal7\tinformational\t1514\tdisabled\tactive";
    const ToolResult add =
        Page({"SystemLogServerTable1", "add", "swSysLogServerIndex=3",
              "swSysLogServerIPAddress=192.0.2.33", "swSysLogServerSeverity=informational",
              "swSysLogServerUDPPort=1514"});
    EXPECT_EQ(add.exitCode, 0) << add.err;
    EXPECT_EQ(Line(Read("SystemLogServerTable1"), "swSysLogServerIndex-3"), added);

    const ToolResult edit =
        Page({"SystemLogServerTable1", "edit", "swSysLogServerIndex=swSysLogServerIndex-3",
              "swSysLogServerState=3"});
    EXPECT_EQ(edit.exitCode, 0) << edit.err;
    EXPECT_EQ(Line(Read("SystemLogServerTable1"), "swSysLogServerIndex-3"),
              "swSysLogServerIndex-3\t192.0.2.33\tlocal7\tinformational\t1514\tenabled\tactive");

    const ToolResult del = Page({"SystemLogServerTable1", "delete", "swSysLogServerIndex=3"});
    EXPECT_EQ(del.exitCode, 0) << del.err;
    EXPECT_EQ(Line(Read("SystemLogServerTable1"), "swSysLogServerIndex-3"), "");
}

// Problems with the command line name themselves on one line and exit with 2
// before anything is sent; agent and conversion failures print the catalogue
// message and its code and exit with 1.
TEST_F(CliPageOnSim, ErrorsExitWithTheirStatusAndOneLine) {
    agents::SilentUdpPort silent;
    const std::string sim = Sim->Address();
    const struct {
        std::vector<std::string> Args;
        int ExitCode;
        std::string Err;
    } cases[] = {
        {{"describe", "StaticForm1"}, 2, "vanta-cli: unknown page StaticForm1\n"},
        {{sim, "page", "NoSuchPage1"}, 2, "vanta-cli: unknown page NoSuchPage1\n"},
        {{sim, "page", "AlarmControl1", "set", "swL2DevAlarm=3"},
         2,
         "vanta-cli: AlarmControl1 has no column swL2DevAlarm\n"},
        {{sim, "page", "AlarmControl1", "set", "swL2DevAlarmNewRoot=enabeld"},
         2,
         "vanta-cli: enabeld is neither an option nor a number for swL2DevAlarmNewRoot\n"},
        {{sim, "page", "DeviceInformation1", "set", "Total Number Of Port=3"},
         2,
         "vanta-cli: Total Number Of Port of DeviceInformation1 is read-only\n"},
        {{sim, "page", "SystemLogServerTable1", "edit", "swSysLogServerState=enabled"},
         2,
         "vanta-cli: SystemLogServerTable1 needs the index column swSysLogServerIndex\n"},
        {{sim, "page", "PortControl1", "delete", "swL2PortCtrlPortIndex=1",
          "swL2PortCtrlMediumType=1"},
         2,
         "vanta-cli: PortControl1 has no status column to add or delete rows\n"},
        {{sim, "page", "SystemLogServerTable1", "edit", "swSysLogServerIndex=1",
          "swSysLogServerRowStatus=6"},
         2,
         "vanta-cli: edit does not set swSysLogServerRowStatus to destroy: use add or delete\n"},
        {{sim, "page", "AlarmControl1", "edit", "swL2DevAlarmNewRoot=3"},
         2,
         "vanta-cli: AlarmControl1 is a scalar page: use set\n"},
        {{"-v", "2c", sim, "page", "SystemLogServerTable1", "add", "swSysLogServerIndex=4",
          "swSysLogServerIPAddress=192.0.2.300"},
         2,
         "vanta-cli: bad value 192.0.2.300 for swSysLogServerIPAddress: (CvCommon) Please enter "
         "a delimited number string with delimiter '.'. Here,each number is between 0 and "
         "255!\n"},
        {{"-v", "2c", sim, "page", "SystemLogServerTable1", "add", "swSysLogServerIndex=4",
          "swSysLogServerUDPPort=5x14"},
         2,
         "vanta-cli: 5x14 is not a number for swSysLogServerUDPPort\n"},
        {{"-t", "20", "-r", "0", "127.0.0.1:" + std::to_string(silent.Port()), "page", "FanTable1"},
         1,
         "(SNMPClass) SNMP request timed out! (-405)\nNo response from 127.0.0.1:" +
             std::to_string(silent.Port()) + " after 1 try of 0.20 s\n"},
    };
    for (const auto& c : cases) {
        const ToolResult run = RunCli(c.Args);
        EXPECT_EQ(run.exitCode, c.ExitCode) << c.Err;
        EXPECT_EQ(run.err, c.Err);
        EXPECT_EQ(run.out, "") << c.Err;
    }
    EXPECT_EQ(Line(Read("SystemLogServerTable1"), "swSysLogServerIndex-4"), "");
}

}  // namespace
