// Table walks that read ahead with get-bulk against real agents: the same
// rows as get-next walks, and no get-bulk at all while the setting is off.
#include <gtest/gtest.h>

#include "AgentProcess.h"
#include "EngineTestSupport.h"
#include "PduLog.h"
#include "VantaSimAgent.h"

namespace engine_test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The Q-BRIDGE forwarding database: VLAN and MAC address keys, port and status.
CvSNMPVarList ForwardingDatabase() {
    return MakeList({{"1.3.6.1.2.1.17.7.1.2.2.1.1", CvSyntax::integer, kIndex},
                     {"1.3.6.1.2.1.17.7.1.2.2.1.1", CvSyntax::macaddress, kIndex},
                     {"1.3.6.1.2.1.17.7.1.2.2.1.2", CvSyntax::integer, kRo},
                     {"1.3.6.1.2.1.17.7.1.2.2.1.3", CvSyntax::integer, kRo}},
                    MVT_FMV, 2);
}

CvSNMPVarList InterfaceTable() {
    return MakeList({{"1.3.6.1.2.1.2.2.1.1", CvSyntax::integer, kIndex},
                     {"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo},
                     {"1.3.6.1.2.1.2.2.1.3", CvSyntax::integer, kRo}},
                    MVT_FMV, 1);
}

using BulkWalkTest = EngineTest;

TEST_F(BulkWalkTest, ForwardingDatabaseReadsTheSameRowsWithFarFewerRequests) {
    agents::TempDir folder("vanta-bulk");
    const std::string pdus = folder.Path() + "/pdu.log";
    agents::VantaSimAgent sim({"--fdb", "300", "--pdu-log", pdus});
    ApplySettings(V2c("vesper"), sim.Port());
    agents::PduLogCursor cursor(pdus);
    struct Mode {
        std::int32_t Repetitions;
        Rows Sync;
        Rows Async;
        std::vector<agents::PduLogLine> Sent;
    };
    std::vector<Mode> modes = {{0, {}, {}, {}}, {25, {}, {}, {}}};
    for (Mode& mode : modes) {
        CvSNMPRequest request;
        request.BulkRepetitions = mode.Repetitions;
        request.Vars.Assign(ForwardingDatabase());
        mode.Sync = Walk(request, 1000);
        mode.Async = AsyncWalk(request);
        mode.Sent = cursor.Since();
    }
    ASSERT_EQ(modes[0].Sync.size(), 300u);
    EXPECT_EQ(modes[0].Async, modes[0].Sync);
    EXPECT_EQ(modes[1].Sync, modes[0].Sync);
    EXPECT_EQ(modes[1].Async, modes[0].Sync);
    EXPECT_EQ(agents::CountPdus(modes[0].Sent, "getbulk"), 0u) << "off sends no get-bulk";
    EXPECT_EQ(agents::CountPdus(modes[0].Sent, "getnext"), 2u * 301);
    EXPECT_EQ(agents::CountPdus(modes[1].Sent, "getnext"), 0u);
    // 301 answers 25 at a time, twice.
    EXPECT_EQ(agents::CountPdus(modes[1].Sent, "getbulk"), 2u * 13);
}

TEST_F(BulkWalkTest, NetSnmpsAgentGivesTheSameInterfaceRows) {
    ApplySettings(V2c(), SharedSnmpd().Port());
    Rows plain;
    for (const std::int32_t repetitions : {0, 2}) {
        CvSNMPRequest request;
        request.BulkRepetitions = repetitions;
        request.Vars.Assign(InterfaceTable());
        const Rows rows = Walk(request, 100);
        if (repetitions == 0) {
            plain = rows;
            ASSERT_FALSE(plain.empty());
        } else {
            EXPECT_EQ(rows, plain);
            EXPECT_EQ(AsyncWalk(request), plain);
        }
    }
}

}  // namespace
}  // namespace engine_test
