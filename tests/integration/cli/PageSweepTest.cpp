// Every page of the menu against one vanta-sim: each reads, and each page
// with a status column adds a row and deletes it again, checked with
// net-snmp's tools. The pages share one simulator, so the binary runs as one
// ctest test.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <thread>

#include "AgentProcess.h"
#include "CvMibCatalogue.h"
#include "PageRowSamples.h"
#include "SimHarness.h"

namespace {

SimProcess* theSim = nullptr;

class SimEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        sim_ =
            std::make_unique<SimProcess>(std::vector<std::string>{"--engine-id", kSampleEngineId});
        theSim = sim_.get();
    }
    void TearDown() override {
        theSim = nullptr;
        sim_.reset();
    }

private:
    std::unique_ptr<SimProcess> sim_;
};

ToolResult Cli(std::vector<std::string> args) {
    static const agents::TempDir stateDir("vanta-cli-sweep");
    setenv("VANTA_STATE_DIR", stateDir.Path().c_str(), 1);
    return RunTool(std::vector<std::string>{VANTA_CLI_PROGRAM} + args);
}

ToolResult Page(const std::string& page, const std::string& action = "",
                const std::vector<std::string>& assignments = {}) {
    std::vector<std::string> args = {"-v", "2c", theSim->Address(), "page", page};
    if (!action.empty()) {
        args.push_back(action);
    }
    return Cli(args + assignments);
}

// The value of one instance as net-snmp's snmpget prints it, or its error.
std::string Get(const std::string& oid, const std::string& community = "vesper") {
    const ToolResult get =
        RunTool(std::vector<std::string>{"snmpget", "-Oqv", "-t", "1", "-r", "0"} +
                V2c(community, theSim->Address()) + std::vector<std::string>{oid});
    std::string text = get.exitCode == 0 ? get.out : "failed: " + get.err;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// The rows of a table page, each as its cells.
std::vector<std::vector<std::string>> Rows(const std::string& page) {
    const ToolResult read = Page(page);
    EXPECT_EQ(read.exitCode, 0) << read.err;
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(read.out);
    std::string line;
    std::getline(lines, line);  // the labels
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) {
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

// The cell of `column` in the first row whose leading cells are `lead`.
std::string Cell(const std::vector<std::vector<std::string>>& rows,
                 const std::vector<std::string>& lead, std::size_t column) {
    for (const auto& row : rows) {
        if (row.size() > column && std::equal(lead.begin(), lead.end(), row.begin())) {
            return row[column];
        }
    }
    return "(no row)";
}

std::string Name(const ::testing::TestParamInfo<const CvMibPage*>& info) {
    return info.param->Name;
}

class PageSweep : public ::testing::TestWithParam<const CvMibPage*> {};

}  // namespace

// A scalar page reads one line of values, a table page at least one row.
TEST_P(PageSweep, Reads) {
    const CvMibPage& page = *GetParam();
    const ToolResult read = Page(page.Name);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.err, "");
    EXPECT_EQ(read.out.find("(NULL)"), std::string::npos) << "an object without a value\n"
                                                          << read.out;
    const auto lines = std::count(read.out.begin(), read.out.end(), '\n');
    if (page.Kind == CvPageKind::Scalar) {
        EXPECT_EQ(lines, 2) << read.out;
    } else {
        EXPECT_GE(lines, 2) << "no rows\n" << read.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Menu, PageSweep, ::testing::ValuesIn(MibPagesInMenuOrder()), Name);

class PageRowSweep : public ::testing::TestWithParam<const CvMibPage*> {};

// The row appears with its status as the agent reports it, and is gone
// after the delete.
TEST_P(PageRowSweep, AddsAndDeletesARow) {
    const CvMibPage& page = *GetParam();
    const PageRowSample* sample = FindPageRowSample(page.Name);
    ASSERT_NE(sample, nullptr) << "no sample row for " << page.Name;
    ASSERT_EQ(Get(sample->StatusInstance), "No Such Instance currently exists at this OID");

    const ToolResult add = Page(page.Name, "add", sample->Keys + sample->Columns);
    ASSERT_EQ(add.exitCode, 0) << add.err;
    EXPECT_EQ(Get(sample->StatusInstance), std::to_string(sample->AddedStatus));

    const ToolResult del = Page(page.Name, "delete", sample->Keys);
    ASSERT_EQ(del.exitCode, 0) << del.err;
    EXPECT_EQ(Get(sample->StatusInstance), "No Such Instance currently exists at this OID");
}

INSTANTIATE_TEST_SUITE_P(WithStatusColumn, PageRowSweep, ::testing::ValuesIn([] {
                             std::vector<const CvMibPage*> pages;
                             std::copy_if(MibPagesInMenuOrder().begin(),
                                          MibPagesInMenuOrder().end(), std::back_inserter(pages),
                                          [](const CvMibPage* p) { return p->HasStatusColumn(); });
                             return pages;
                         }()),
                         Name);

TEST(PageSweepAccess, CommunityCreatedThroughItsPageIsAcceptedForReads) {
    const std::string sysName = "1.3.6.1.2.1.1.5.0";
    ASSERT_NE(Get(sysName, "sweep-reads").find("failed"), std::string::npos);
    const std::vector<std::string> keys = {"Index=sweep-reads"};
    const ToolResult add =
        Page("CommunityStringTable1", "add",
             keys + std::vector<std::string>{"Name=sweep-reads", "Security Name=vanta-reader"});
    ASSERT_EQ(add.exitCode, 0) << add.err;
    EXPECT_EQ(Get(sysName, "sweep-reads"), "\"vanta-a\"");
    const ToolResult read =
        Cli({"-v", "2c", "-c", "sweep-reads", theSim->Address(), "page", "DeviceInformation1"});
    EXPECT_EQ(read.exitCode, 0) << read.err;

    ASSERT_EQ(Page("CommunityStringTable1", "delete", keys).exitCode, 0);
    EXPECT_NE(Get(sysName, "sweep-reads").find("failed"), std::string::npos);
}

// A port disabled on the port control page has no link on the port
// information page and takes no part in either spanning tree. Port 22's
// fibre link is the one that never comes and goes by itself.
TEST(PageSweepConsistency, ADisabledPortIsDownOnThePortPages) {
    const std::string port = "22";
    EXPECT_EQ(Cell(Rows("PortInformation1"), {port, "fiber"}, 4), "link-pass");
    EXPECT_EQ(Cell(Rows("PortTable"), {port}, 2), "forwarding");
    const auto admin = [&](const std::string& state) {
        return Page("PortControl1", "edit",
                    {"swL2PortCtrlPortIndex=" + port, "swL2PortCtrlMediumType=fiber",
                     "swL2PortCtrlAdminState=" + state})
            .exitCode;
    };
    ASSERT_EQ(admin("disabled"), 0);
    EXPECT_EQ(Cell(Rows("PortInformation1"), {port, "fiber"}, 4), "link-fail");
    EXPECT_EQ(Cell(Rows("PortTable"), {port}, 2), "disabled");
    EXPECT_EQ(Cell(Rows("PortMSTPInformation1"), {port, "0"}, 5), "disabled");
    ASSERT_EQ(admin("enabled"), 0);
    EXPECT_EQ(Cell(Rows("PortMSTPInformation1"), {port, "0"}, 5), "forwarding");
}

// The per-VLAN tables follow the static VLANs.
TEST(PageSweepConsistency, AVlanCreatedAppearsOnItsTables) {
    const std::string status = "1.3.6.1.2.1.17.7.1.4.3.1.5.300";
    const auto setStatus = [&](const std::string& value) {
        return RunTool(std::vector<std::string>{"snmpset"} + V2c("lantern", theSim->Address()) +
                       std::vector<std::string>{status, "i", value})
            .exitCode;
    };
    const std::vector<std::string> pages = {"IGMPControlTable1", "MulticastFilter1", "Control1",
                                            "Databaseinformation1"};
    ASSERT_EQ(setStatus("4"), 0);
    for (const auto& page : pages) {
        EXPECT_NE(Cell(Rows(page), {"300"}, 1), "(no row)") << page;
    }
    EXPECT_EQ(Get("1.3.6.1.2.1.17.7.1.4.2.1.6.0.300"), "2") << "the current VLAN table";
    ASSERT_EQ(setStatus("6"), 0);
    for (const auto& page : pages) {
        EXPECT_EQ(Cell(Rows(page), {"300"}, 1), "(no row)") << page;
    }
}

// Traffic on a port with a link shows in its counters a second later.
TEST(PageSweepConsistency, CountersGrow) {
    const auto inFrames = [] { return Cell(Rows("PortTable2"), {"22"}, 1); };
    const std::string before = inFrames();
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_GT(std::stoull(inFrames()), std::stoull(before))
        << "port 22's fibre link carries traffic";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new SimEnvironment);
    return RUN_ALL_TESTS();
}
