// The request engine against tables replayed by snmpsim: a sparse table, an
// IMPLIED string index and the display texts of the special syntaxes.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace engine_test {
namespace {

constexpr char kCommunity[] = "vanta-engine";

class SnmpsimEngineTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        try {
            ApplySettings(V2c(kCommunity), SharedSnmpsim().Port());
        } catch (const std::exception& e) {
            FAIL() << e.what();
        }
    }
};

using Rows = std::vector<std::vector<std::string>>;

// Index column, then column 2 (row 1 only), 3 (rows 1-3), 4 (rows 1-2).
CvSNMPVarList SparseTable() {
    return MakeList({{"1.3.6.1.4.1.99999.1.1.1.1", CvSyntax::integer, kIndex},
                     {"1.3.6.1.4.1.99999.1.1.1.2", CvSyntax::displaystr, kRo},
                     {"1.3.6.1.4.1.99999.1.1.1.3", CvSyntax::displaystr, kRo},
                     {"1.3.6.1.4.1.99999.1.1.1.4", CvSyntax::integer, kRo}},
                    MVT_FMV, 1);
}

// Rows keyed by row number; the first readable column ends first, so the
// row number must come from a column that is still inside the table.
const Rows kSparseRows = {{"1", "early-1", "full-1", "41"},
                          {"2", "(NOTDONE)", "full-2", "42"},
                          {"3", "(NOTDONE)", "full-3", "(NOTDONE)"}};

constexpr char kTypesEntry[] = "1.3.6.1.4.1.99999.1.2.1";

CvSNMPVarList TypesTable(std::uint8_t itemType, std::int32_t keyCount) {
    return MakeList({{"1.3.6.1.4.1.99999.1.2.1.1", CvSyntax::displaystr, kImpliedIndex},
                     {"1.3.6.1.4.1.99999.1.2.1.2", CvSyntax::macaddress, kRo},
                     {"1.3.6.1.4.1.99999.1.2.1.3", CvSyntax::datetime, kRo},
                     {"1.3.6.1.4.1.99999.1.2.1.4", CvSyntax::ipaddress, kRo},
                     {"1.3.6.1.4.1.99999.1.2.1.5", CvSyntax::counter64, kRo},
                     {"1.3.6.1.4.1.99999.1.2.1.6", CvSyntax::timeticks, kRo}},
                    itemType, keyCount);
}

const Rows kTypesRows = {{"alpha", "001122AABBCC", "2024-3-15,13:37:30.5,+1:0", "192.0.2.17",
                          "18446744073709551615", "1 day 0:00:01.23"},
                         {"beta", "0A1B2C3D4E5F", "2000-1-1,0:0:0.0,-5:30", "10.0.0.1",
                          "4294967296", "2 days, 2:03:04.05"}};

TEST_F(SnmpsimEngineTest, SparseTableShowsNotDoneAndTheWalkEnds) {
    CvSNMPRequest request;
    request.Vars.Assign(SparseTable());

    EXPECT_EQ(Walk(request, 10), kSparseRows);
    // Restarting gives the same rows: a new walk forgets the old positions.
    EXPECT_EQ(Walk(request, 10), kSparseRows);
}

TEST_F(SnmpsimEngineTest, ImpliedStringIndexAndSpecialSyntaxTexts) {
    CvSNMPRequest request;
    request.Vars.Assign(TypesTable(MVT_UMV, 1));

    EXPECT_EQ(Walk(request, 10), kTypesRows);
    // The index column is not readable: its position is its own OID plus the row's index.
    EXPECT_EQ(request.Vars.Item(0).InstanceOid,
              std::string(kTypesEntry) + ".1." + ImpliedSuffix("beta"));
}

TEST_F(SnmpsimEngineTest, SingleInstanceListReadsOneRow) {
    CvSNMPRequest request;
    request.Vars.Assign(TypesTable(MVT_SV, 0));
    request.Vars.Instance = ImpliedSuffix("alpha");

    EXPECT_FALSE(request.Read(true));
    std::vector<std::string> expected = kTypesRows[0];
    expected[0] = "";  // not readable, not a key: untouched
    EXPECT_EQ(Values(request.Vars), expected);

    ExpectCvError([&] { request.Read(false); }, -510,
                  "(CvSNMP++) Can't send get-next command for a SNMP variable list with single "
                  "value!");
}

TEST_F(SnmpsimEngineTest, ScalarGroupReadsTimeTicksText) {
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.1", CvSyntax::displaystr, kRo},
                                  {"1.3.6.1.2.1.1.3", CvSyntax::timeticks, kRo},
                                  {"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}},
                                 SVT_SV, 0));
    EXPECT_FALSE(request.Read(true));
    EXPECT_EQ(
        Values(request.Vars),
        (std::vector<std::string>{"Vanta engine fixture", "1 day 0:00:01.23", "vanta-fixture"}));
}

TEST_F(SnmpsimEngineTest, AsynchronousWalkOfTheSparseTableMatchesTheSynchronousOne) {
    CvSNMPRequest request;
    request.Vars.Assign(SparseTable());
    CompletionLog log;
    log.Request = &request;
    log.ContinueWalk = true;

    request.ReadAsync(&CompletionLog::Callback, &log, true);
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 10000));

    EXPECT_EQ(log.Rows, kSparseRows);
    EXPECT_EQ(log.Errors.back().Code, 0);
    EXPECT_EQ(log.Errors.back().Message, "(CvSNMP++) Ok!");
    EXPECT_EQ(request.Outstanding, 0);
}

}  // namespace
}  // namespace engine_test
