// The engine after trouble: an agent that restarts, a synchronous exchange
// that fails beside asynchronous ones, a completion whose follow-up cannot be
// sent, a list that cannot be walked, and names resolved once.
#include <gtest/gtest.h>

#include <chrono>

#include "CvCatalogues.h"
#include "CvSNMPTarget.h"
#include "EngineTestSupport.h"
#include "SilentUdpPort.h"
#include "VantaSimAgent.h"

namespace engine_test {
namespace {

using agents::VantaSimAgent;

constexpr char kSysUpTime[] = "1.3.6.1.2.1.1.3";
constexpr char kSysName[] = "1.3.6.1.2.1.1.5";

Credentials SimUser() {
    Credentials c;
    c.Name = "vanta-sha-aes";
    c.Version = 3;
    c.SecurityName = "vanta-sha-aes";
    c.SecurityLevel = 3;
    c.AuthProtocol = 3;
    c.AuthPassword = "sha-auth-secret";
    c.PrivProtocol = 4;
    c.PrivPassword = "aes-priv-secret";
    return c;
}

CvSNMPVarList SystemGroup() {
    return MakeList({{kSysUpTime, CvSyntax::timeticks, kRo}, {kSysName, CvSyntax::displaystr, kRo}},
                    SVT_SV, 0);
}

// One synchronous read of the system group; the code it ended with.
int SyncRead(int timeout = 50) {
    CvSNMPRequest request;
    request.Timeout = timeout;
    request.Vars.Assign(SystemGroup());
    try {
        request.Read(true);
    } catch (const CvException& e) {
        return e.Code();
    }
    return request.Vars.Item(1).Value.empty() ? -1 : 0;
}

// One asynchronous read of the system group; the outcome it completed with.
CvSNMPError AsyncRead(int timeout = 50) {
    CvSNMPRequest request;
    request.Timeout = timeout;
    request.Vars.Assign(SystemGroup());
    CompletionLog log;
    log.Request = &request;
    request.ReadAsync(&CompletionLog::Callback, &log, true);
    if (!PumpUntil([&] { return log.Finished(); }, 10000)) {
        ADD_FAILURE() << "no completion";
        return {};
    }
    return log.Errors.back();
}

class EngineRecoveryTest : public EngineTest {};

// How the simulated switch comes back: same engine with boots counted on,
// a new engine id, or the same id with its boots back at 1 (state lost).
struct RestartCase {
    const char* Name;
    bool KeepState;
    const char* EngineIdAfter;
};

class AgentRestartTest : public EngineRecoveryTest,
                         public ::testing::WithParamInterface<RestartCase> {};

constexpr char kEngineA[] = "800063a50312345678";
constexpr char kEngineB[] = "800063a503abcdef01";

// The agent's answer (a Report of an unknown engine or of a time outside
// the window) starts the recovery; waiting for the time-out is no part of it.
TEST_P(AgentRestartTest, FirstExchangeAfterTheRestartSucceedsWellBeforeItsTimeout) {
    const RestartCase& c = GetParam();
    constexpr int kTimeout = 800;  // hundredths of a second
    constexpr auto kWellBefore = std::chrono::milliseconds(kTimeout * 10 / 3);
    VantaSimAgent sim({"--engine-id", kEngineA});
    ApplySettings(SimUser(), sim.Port());
    // Boots above 1 in the cache, so an agent counting from 1 again is older.
    sim.Restart({"--engine-id", kEngineA}, true);
    ASSERT_EQ(SyncRead(), 0);
    ASSERT_EQ(AsyncRead().Code, 0);

    for (const bool sync : {true, false}) {
        SCOPED_TRACE(sync ? "synchronous" : "asynchronous");
        sim.Restart({"--engine-id", c.EngineIdAfter}, c.KeepState);
        const auto start = std::chrono::steady_clock::now();
        if (sync) {
            EXPECT_EQ(SyncRead(kTimeout), 0) << sim.Log();
        } else {
            const CvSNMPError async = AsyncRead(kTimeout);
            EXPECT_EQ(async.Code, 0) << async.Message;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, kWellBefore);
        EXPECT_EQ(SyncRead(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Restarts, AgentRestartTest,
                         ::testing::Values(RestartCase{"Reboot", true, kEngineA},
                                           RestartCase{"NewEngineId", true, kEngineB},
                                           RestartCase{"BootsBackToOne", false, kEngineA}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EngineRecoveryTest, FailedSynchronousExchangeLeavesAsynchronousOnesWorking) {
    VantaSimAgent sim;
    ApplySettings(SimUser(), sim.Port());
    ASSERT_EQ(AsyncRead().Code, 0);
    sim.Pause();
    EXPECT_EQ(SyncRead(20), kErrTimeout);
    sim.Resume();
    const CvSNMPError after = AsyncRead();
    EXPECT_EQ(after.Code, 0) << after.Message;
    EXPECT_EQ(SyncRead(), 0);
}

// A walk whose next row cannot be sent (the agent's name stops resolving).
struct BrokenWalk {
    CvSNMPRequest* Request = nullptr;
    std::vector<CvSNMPError> Errors;

    static void Callback(void* context, CvSNMPError& error, CvSNMPVarList&) {
        auto* walk = static_cast<BrokenWalk*>(context);
        walk->Errors.push_back(error);
        if (error.Code == 0 && !error.Done) {
            walk->Request->Address = kUnresolvableName;
            walk->Request->ReadAsync(&Callback, walk, false);
        }
    }
};

TEST_F(EngineRecoveryTest, FollowUpThatCannotBeSentEndsTheWalkWithItsCode) {
    ApplySettings(V2c(), SharedSnmpd().Port());
    BrokenWalk walk;
    {
        CvSNMPRequest request;
        walk.Request = &request;
        request.Vars.Assign(
            MakeList({{"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo}}, MVT_FMV, 0));
        request.ReadAsync(&BrokenWalk::Callback, &walk, true);
        ASSERT_TRUE(
            PumpUntil([&] { return !walk.Errors.empty() && walk.Errors.back().Done; }, 10000));
        ASSERT_EQ(walk.Errors.size(), 2u);
        EXPECT_EQ(walk.Errors[0].Code, 0);
        EXPECT_EQ(walk.Errors[1].Code, kErrBadAddress);
        EXPECT_EQ(walk.Errors[1].Message, "(CvSNMP++) Invalid IP Address or DNS name!");
        EXPECT_EQ(request.Outstanding, 0);
    }
    // The pump still serves the next exchange.
    EXPECT_EQ(AsyncRead(100).Code, 0);
}

TEST_F(EngineRecoveryTest, ListWithoutReadableItemIsNotWalked) {
    agents::SilentUdpPort silent;
    ApplySettings(V2c(), silent.Port());
    CvSNMPRequest request;
    request.Vars.Assign(
        MakeList({{"1.3.6.1.2.1.2.2.1.1", CvSyntax::integer, kIndex},
                  {"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, CvAccess::writeonly},
                  {"1.3.6.1.2.1.2.2.1.3", CvSyntax::integer, CvAccess::derived}},
                 MVT_FMV, 1));
    const std::string message = "(CvSNMP++) Bad key count of SNMP variable list!";
    ExpectCvError([&] { request.Read(true); }, kErrBadKeyCount, message);
    ExpectCvError([&] { request.ReadAsync(&CompletionLog::Callback, nullptr, true); },
                  kErrBadKeyCount, message);
    EXPECT_EQ(request.Outstanding, 0);
}

int gResolutions = 0;

bool CountingResolver(const std::string& name, std::string& literal) {
    ++gResolutions;
    literal = "127.0.0.1";
    return name == "vanta-test-agent";
}

TEST_F(EngineRecoveryTest, NameIsResolvedOncePerSessionAndAgainAfterAFailure) {
    SetAddressResolver(&CountingResolver);
    gResolutions = 0;
    ApplySettings(V2c(), SharedSnmpd().Port(), "vanta-test-agent");
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo}}, MVT_FMV, 0));
    EXPECT_GT(Walk(request).size(), 1u);
    EXPECT_EQ(AsyncRead(100).Code, 0);
    EXPECT_EQ(gResolutions, 1);

    agents::SilentUdpPort silent;
    ApplySettings(V2c(), silent.Port(), "vanta-test-agent");
    EXPECT_EQ(SyncRead(10), kErrTimeout);
    ApplySettings(V2c(), SharedSnmpd().Port(), "vanta-test-agent");
    EXPECT_EQ(SyncRead(), 0);
    EXPECT_EQ(gResolutions, 2);
    SetAddressResolver(nullptr);
}

}  // namespace
}  // namespace engine_test
