// An agent that never answers and an agent name that never resolves.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "EngineTestSupport.h"
#include "SilentUdpPort.h"

namespace engine_test {
namespace {

constexpr char kTimeoutText[] = "(SNMPClass) SNMP request timed out!";
constexpr char kBadAddressText[] = "(CvSNMP++) Invalid IP Address or DNS name!";

CvSNMPVarList SysName() {
    return MakeList({{"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}}, SVT_SV, 0);
}

struct Patience {
    std::int32_t Timeout;  // hundredths of a second
    std::int32_t Retries;
    std::string Name;
    qint64 ExpectedMs() const { return static_cast<qint64>(Retries + 1) * Timeout * 10; }
};

class SilentAgentTest : public EngineTest, public ::testing::WithParamInterface<Patience> {
protected:
    agents::SilentUdpPort FSilent;
};

// Loose: the machine may be busy with other tests.
void ExpectWaited(qint64 elapsedMs, qint64 expectedMs) {
    EXPECT_GE(elapsedMs, expectedMs * 9 / 10);
    EXPECT_LE(elapsedMs, expectedMs + 2500);
}

TEST_P(SilentAgentTest, ReadTimesOutAfterEveryRetry) {
    ApplySettings(V2c(), FSilent.Port());
    CvSNMPRequest request;
    request.Vars.Assign(SysName());
    request.Timeout = GetParam().Timeout;
    request.Retries = GetParam().Retries;

    QElapsedTimer clock;
    clock.start();
    ExpectCvError([&] { request.Read(true); }, -405, kTimeoutText);
    ExpectWaited(clock.elapsed(), GetParam().ExpectedMs());
}

TEST_P(SilentAgentTest, AsynchronousReadTimesOutAfterEveryRetry) {
    ApplySettings(V2c(), FSilent.Port());
    CvSNMPRequest request;
    request.Vars.Assign(SysName());
    request.Timeout = GetParam().Timeout;
    request.Retries = GetParam().Retries;
    CompletionLog log;
    log.Request = &request;

    QElapsedTimer clock;
    clock.start();
    request.ReadAsync(&CompletionLog::Callback, &log, true);
    EXPECT_EQ(request.Outstanding, 1);
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 10000));
    ExpectWaited(clock.elapsed(), GetParam().ExpectedMs());

    ASSERT_EQ(log.Errors.size(), 1u);
    EXPECT_EQ(log.Errors[0].Code, -405);
    EXPECT_EQ(log.Errors[0].Message, kTimeoutText);
    EXPECT_EQ(log.Errors[0].AgentAddress, "127.0.0.1");
    EXPECT_EQ(log.Errors[0].AgentPort, FSilent.Port());
    EXPECT_EQ(request.Outstanding, 0);
}

TEST_P(SilentAgentTest, AsynchronousSnmpV3ReadNeitherBlocksNorWaitsLonger) {
    // The agent's engine id is unknown: its discovery must not block the
    // event loop, nor add another time-out to the exchange.
    ApplySettings(V3(agents::SnmpdAgent::kShaAesUser), FSilent.Port());
    CvSNMPRequest request;
    request.Vars.Assign(SysName());
    request.Timeout = GetParam().Timeout;
    request.Retries = GetParam().Retries;
    CompletionLog log;
    log.Request = &request;

    QElapsedTimer clock;
    clock.start();
    request.ReadAsync(&CompletionLog::Callback, &log, true);
    EXPECT_LT(clock.elapsed(), 150) << "ReadAsync blocked";
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 10000));
    ExpectWaited(clock.elapsed(), GetParam().ExpectedMs());
    ASSERT_EQ(log.Errors.size(), 1u);
    EXPECT_EQ(log.Errors[0].Code, -405);
    EXPECT_EQ(log.Errors[0].Message, kTimeoutText);
}

INSTANTIATE_TEST_SUITE_P(Patience, SilentAgentTest,
                         ::testing::Values(Patience{50, 0, "HalfSecondNoRetry"},
                                           Patience{25, 2, "QuarterSecondTwoRetries"}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(EngineTest, UnresolvableNameFailsAtTheExchangeBeforeAnythingIsSent) {
    ApplySettings(V2c(), 161, kUnresolvableName);
    CvSNMPRequest request;  // building the request does not resolve the name
    request.Vars.Assign(SysName());
    request.Vars.Item(0).Value = "unchanged";

    QElapsedTimer clock;
    clock.start();
    ExpectCvError([&] { request.Read(true); }, -509, kBadAddressText);
    ExpectCvError([&] { request.Write(false, ""); }, -509, kBadAddressText);
    CompletionLog log;
    ExpectCvError([&] { request.ReadAsync(&CompletionLog::Callback, &log, true); }, -509,
                  kBadAddressText);
    EXPECT_LT(clock.elapsed(), 10000) << "name resolution is slow on this machine";

    EXPECT_EQ(request.Outstanding, 0);
    EXPECT_EQ(request.Vars.Item(0).Value, "unchanged");
    PumpFor(100);
    EXPECT_TRUE(log.Errors.empty());
}

}  // namespace
}  // namespace engine_test
