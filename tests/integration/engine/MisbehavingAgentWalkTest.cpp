// Walks and writes against agents that misbehave the way real switches do:
// get-next that goes backwards or stays put, column numbers that share a
// prefix, holes in sparse tables, and v1 agents that echo a refused set.
#include <gtest/gtest.h>

#include "BadAgent.h"
#include "CvCatalogues.h"
#include "EngineTestSupport.h"

namespace engine_test {
namespace {

using agents::BadAgent;
using Rows = std::vector<std::vector<std::string>>;

constexpr char kEntry[] = "1.3.6.1.4.1.99999.5.1.1";

std::string Column(int column, const std::string& row) {
    return std::string(kEntry) + "." + std::to_string(column) + "." + row;
}

struct WalkCase {
    const char* Name;
    std::string Scenario;
    int ReadableColumns;  // columns 2.. of the walk, after the index column 1
    Rows Expected;
};

WalkCase Loop() {
    return {"GetNextGoesBackwards",
            Column(2, "1") + " octets a1\n" + Column(2, "2") + " octets a2\n" + Column(2, "3") +
                " octets a3\nnext " + Column(2, "2") + " -> " + Column(2, "1") + "\n",
            1,
            {{"1", "a1"}, {"2", "a2"}}};
}

WalkCase Stuck() {
    return {"GetNextStaysPut",
            Column(2, "1") + " octets a1\n" + Column(2, "2") + " octets a2\nnext " +
                Column(2, "1") + " -> " + Column(2, "1") + "\n",
            1,
            {{"1", "a1"}}};
}

// Column 2 and column 20: "...1.2" is a text prefix of "...1.20".
WalkCase PrefixLikeColumn() {
    return {"ColumnTwentyIsNotColumnTwo",
            Column(2, "1") + " octets a1\n" + Column(2, "2") + " octets a2\n" + Column(20, "7") +
                " octets z7\n",
            1,
            {{"1", "a1"}, {"2", "a2"}}};
}

WalkCase Holes() {
    return {
        "HoleStaysInItsRow",
        Column(2, "1") + " octets a1\n" + Column(2, "2") + " octets a2\n" + Column(2, "3") +
            " octets a3\n" + Column(3, "1") + " octets b1\n" + Column(3, "3") + " octets b3\n" +
            Column(4, "2") + " octets c2\n",
        3,
        {{"1", "a1", "b1", "(NULL)"}, {"2", "a2", "(NULL)", "c2"}, {"3", "a3", "b3", "(NOTDONE)"}}};
}

CvSNMPVarList WalkList(int readableColumns) {
    std::vector<CvSNMPVarDesc> records;
    static std::vector<std::string> oids;
    oids.clear();
    for (int c = 1; c <= readableColumns + 1; ++c) {
        oids.push_back(std::string(kEntry) + "." + std::to_string(c));
    }
    records.push_back({oids[0].c_str(), "Index", CvSyntax::integer, kIndex});
    for (int c = 1; c <= readableColumns; ++c) {
        records.push_back({oids[c].c_str(), "Column", CvSyntax::displaystr, kRo});
    }
    records.push_back({});
    return CvSNMPVarList(records.data(), MVT_FMV, 1);
}

class MisbehavingWalkTest : public EngineTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(MisbehavingWalkTest, WalkEndsWithTheAgentsRows) {
    const WalkCase& c = GetParam();
    BadAgent agent(c.Scenario);
    ApplySettings(V2c(), agent.Port());
    CvSNMPRequest request;
    request.Vars.Assign(WalkList(c.ReadableColumns));
    EXPECT_EQ(Walk(request, 20), c.Expected);

    EXPECT_EQ(AsyncWalk(request, 10000), c.Expected);
    // One get-next per row and one that ends the walk, twice.
    EXPECT_LE(agent.RequestsReceived(), 2 * (static_cast<int>(c.Expected.size()) + 2));
}

// Read ahead with get-bulk, the walk hands on exactly the get-next walk's
// rows: the agent's answers of every shape come in chains of repetitions.
TEST_P(MisbehavingWalkTest, BulkWalkEndsWithTheSameRowsWithoutOneGetNext) {
    const WalkCase& c = GetParam();
    BadAgent agent(c.Scenario + "bulk 100\n");
    ApplySettings(V2c(), agent.Port());
    CvSNMPRequest request;
    request.BulkRepetitions = 2;  // rows span more than one get-bulk
    request.Vars.Assign(WalkList(c.ReadableColumns));
    EXPECT_EQ(Walk(request, 20), c.Expected);

    EXPECT_EQ(AsyncWalk(request, 10000), c.Expected);
    EXPECT_EQ(agent.RequestsReceived(), 0) << "every answer came from a get-bulk";
}

INSTANTIATE_TEST_SUITE_P(Agents, MisbehavingWalkTest,
                         ::testing::Values(Loop(), Stuck(), PrefixLikeColumn(), Holes()),
                         [](const auto& info) { return std::string(info.param.Name); });

// How a walk with bulk reads on falls back where get-bulk is answered only
// up to a size, not at all, or not in SNMPv1: the same rows as a get-next
// walk, and the get-next requests the agent counted.
TEST_F(EngineTest, BulkReadsGiveWayWhereGetBulkIsNotAnswered) {
    const WalkCase holes = Holes();
    struct Case {
        const char* Name;
        const char* Bulk;  // the agent's directive
        bool V1;
        bool GetNext;  // the walk went on with get-next
    };
    const Case cases[] = {
        {"tooBig above 2 rows: halved twice", "bulk 2\n", false, false},
        {"get-bulk ignored: one time-out, then get-next", "", false, true},
        {"SNMPv1", "bulk 100\n", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto walk = [&](std::int32_t repetitions, int& getNexts) {
            BadAgent agent(holes.Scenario + c.Bulk);
            ApplySettings(c.V1 ? V1() : V2c(), agent.Port());
            CvSNMPRequest request;
            request.BulkRepetitions = repetitions;
            request.Timeout = 20;
            request.Retries = 0;
            request.Vars.Assign(WalkList(holes.ReadableColumns));
            const Rows rows = Walk(request, 20);
            getNexts = agent.RequestsReceived();
            return rows;
        };
        int plain = 0;
        int bulk = 0;
        const Rows expected = walk(0, plain);
        EXPECT_EQ(walk(8, bulk), expected);
        EXPECT_EQ(bulk, c.GetNext ? plain : 0);
    }
}

TEST_F(EngineTest, RefusedV1SetIsAFailureEvenWhenTheAgentEchoesTheRow) {
    // Row 3's value cannot be written: a v1 agent answers noSuchName and echoes the set.
    BadAgent agent(Column(1, "1") + " integer 1\n" + Column(1, "3") + " integer 3\n" +
                   Column(2, "1") + " octets a1\n" + Column(2, "3") + " octets a3\nread-only " +
                   Column(2, "3") + "\n");
    ApplySettings(V1(), agent.Port());
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.4.1.99999.5.1.1.1", CvSyntax::integer, kIndex},
                                  {"1.3.6.1.4.1.99999.5.1.1.2", CvSyntax::displaystr, kRw}},
                                 MVT_FMV, 1));
    // The walk leaves the row's OID as the column's last position.
    ASSERT_EQ(Walk(request).size(), 2u);
    request.Vars.Item(0).Value = "3";
    request.Vars.Item(1).Value = "changed";
    ASSERT_EQ(request.Vars.Item(1).InstanceOid, Column(2, "3"));

    const std::string message = "(SNMP) Variable does not exist!";
    ExpectCvError([&] { request.Write(false, ""); }, kErrNoSuchName, message);
    CompletionLog log;
    log.Request = &request;
    request.WriteAsync(&CompletionLog::Callback, &log, false, "");
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 10000));
    EXPECT_EQ(log.Errors.back().Code, kErrNoSuchName);
    EXPECT_EQ(log.Errors.back().Message, message);
}

}  // namespace
}  // namespace engine_test
