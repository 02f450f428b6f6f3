// Asynchronous exchanges: completions from the Qt event loop, walks driven
// from the completions, and requests destroyed with an exchange outstanding.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "CvSNMPSession.h"
#include "EngineTestSupport.h"
#include "SnmpTransport.h"

namespace engine_test {
namespace {

using agents::SnmpdAgent;

class AsyncSnmpdTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        try {
            FPort = SharedSnmpd().Port();
        } catch (const std::exception& e) {
            FAIL() << e.what();
        }
    }

    std::uint16_t FPort = 0;
};

TEST_F(AsyncSnmpdTest, ReadCompletesFromTheEventLoop) {
    ApplySettings(V2c(), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.1", CvSyntax::displaystr, kRo},
                                  {"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}},
                                 SVT_SV, 0));
    CompletionLog log;
    log.Request = &request;

    request.ReadAsync(&CompletionLog::Callback, &log, true);
    EXPECT_TRUE(log.Errors.empty()) << "the completion runs later, from the event loop";
    EXPECT_EQ(request.Outstanding, 1);

    ASSERT_TRUE(PumpUntil([&] { return !log.Errors.empty(); }, 10000));
    PumpFor(100);
    ASSERT_EQ(log.Errors.size(), 1u);
    const CvSNMPError& e = log.Errors[0];
    EXPECT_EQ(e.Code, 0);
    EXPECT_EQ(e.Message, "(CvSNMP++) Ok!");
    EXPECT_EQ(e.ErrorIndex, 0);
    EXPECT_TRUE(e.Done);
    EXPECT_EQ(e.AgentAddress, "127.0.0.1");
    EXPECT_EQ(e.AgentPort, FPort);
    EXPECT_EQ(Values(request.Vars),
              (std::vector<std::string>{HostSystemDescription(), HostName()}));
    EXPECT_EQ(request.Outstanding, 0);
}

TEST_F(AsyncSnmpdTest, WalkDrivenFromCompletionsListsTheHostInterfaces) {
    ApplySettings(V3(SnmpdAgent::kSha256AesUser), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.2.2.1.1", CvSyntax::integer, kRo},
                                  {"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo}},
                                 MVT_FMV, 1));
    CompletionLog log;
    log.Request = &request;
    log.ContinueWalk = true;

    request.ReadAsync(&CompletionLog::Callback, &log, true);
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 20000));

    const auto interfaces = HostInterfaces();
    ASSERT_EQ(log.Rows.size(), interfaces.size());
    for (std::size_t r = 0; r < interfaces.size(); ++r) {
        EXPECT_EQ(log.Rows[r], (std::vector<std::string>{std::to_string(interfaces[r].first),
                                                         interfaces[r].second}));
    }
    EXPECT_EQ(log.Errors.back().Code, 0);
    EXPECT_EQ(request.Outstanding, 0);
}

TEST_F(AsyncSnmpdTest, V1WalkEndsOkAtTheEndOfTheViewAndFailsOnAnEmptyView) {
    ApplySettings(V1(SnmpdAgent::kIfTableCommunity), FPort);
    CvSNMPRequest request;
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo},
                                  {"1.3.6.1.2.1.2.2.1.22", CvSyntax::objectid, kRo}},
                                 MVT_FMV, 0));
    CompletionLog log;
    log.Request = &request;
    log.ContinueWalk = true;
    request.ReadAsync(&CompletionLog::Callback, &log, true);
    ASSERT_TRUE(PumpUntil([&] { return log.Finished(); }, 20000));
    EXPECT_EQ(log.Rows.size(), HostInterfaces().size());
    EXPECT_EQ(log.Errors.back().Code, 0);
    EXPECT_EQ(log.Errors.back().Message, "(CvSNMP++) Ok!");

    CvSNMPRequest outside;  // ipAddrTable lies beyond this community's view
    outside.Vars.Assign(MakeList({{"1.3.6.1.2.1.4.20.1.1", CvSyntax::ipaddress, kRo}}, MVT_FMV, 0));
    CompletionLog failed;
    failed.Request = &outside;
    failed.ContinueWalk = true;
    outside.ReadAsync(&CompletionLog::Callback, &failed, true);
    ASSERT_TRUE(PumpUntil([&] { return failed.Finished(); }, 10000));
    ASSERT_EQ(failed.Errors.size(), 1u);
    EXPECT_EQ(failed.Errors[0].Code, -102);
    EXPECT_EQ(failed.Errors[0].Message, "(SNMP) Variable does not exist!");
    EXPECT_TRUE(failed.Rows.empty());
}

TEST_F(AsyncSnmpdTest, WriteReportsTheRefusedItemAndSendsTheSelection) {
    ApplySettings(V2c(), FPort);
    CvSNMPRequest request;  // sysContact, then sysDescr which the agent refuses
    request.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.4", CvSyntax::displaystr, kRw},
                                  {"1.3.6.1.2.1.1.1", CvSyntax::displaystr, kRw}},
                                 SVT_SV, 0));
    request.Vars.Item(0).Value = "async-contact";
    CompletionLog refused;
    request.WriteAsync(&CompletionLog::Callback, &refused, false, "");
    ASSERT_TRUE(PumpUntil([&] { return refused.Finished(); }, 10000));
    ASSERT_EQ(refused.Errors.size(), 1u);
    EXPECT_EQ(refused.Errors[0].Code, -117);
    EXPECT_EQ(refused.Errors[0].ErrorIndex, 2);

    CompletionLog written;
    request.WriteAsync(&CompletionLog::Callback, &written, false, "0");
    ASSERT_TRUE(PumpUntil([&] { return written.Finished(); }, 10000));
    ASSERT_EQ(written.Errors.size(), 1u);
    EXPECT_EQ(written.Errors[0].Code, 0);
    EXPECT_EQ(request.Outstanding, 0);

    CvSNMPRequest check;
    check.Vars.Assign(MakeList({{"1.3.6.1.2.1.1.4", CvSyntax::displaystr, kRo}}, SVT_SV, 0));
    check.Read(true);
    EXPECT_EQ(check.Vars.Item(0).Value, "async-contact");
}

TEST_F(AsyncSnmpdTest, ConcurrentWalksOnDifferentAgentsAndVersionsDoNotMix) {
    std::uint16_t snmpsimPort = 0;
    try {
        snmpsimPort = SharedSnmpsim().Port();
    } catch (const std::exception& e) {
        FAIL() << e.what();
    }
    struct Walker {
        std::unique_ptr<CvSNMPRequest> Request;
        CompletionLog Log;
    };
    auto start = [](Walker& w, const Credentials& c, std::uint16_t port, CvSNMPVarList list) {
        ApplySettings(c, port);
        w.Request = std::make_unique<CvSNMPRequest>();
        w.Request->Vars.Assign(list);
        w.Log.Request = w.Request.get();
        w.Log.ContinueWalk = true;
        w.Request->ReadAsync(&CompletionLog::Callback, &w.Log, true);
    };
    const CvSNMPVarList interfaces =
        MakeList({{"1.3.6.1.2.1.2.2.1.2", CvSyntax::displaystr, kRo}}, MVT_FMV, 0);
    Walker v1, v3, sparse;
    start(v1, V1(), FPort, interfaces);
    start(v3, V3(SnmpdAgent::kMd5DesUser), FPort, interfaces);
    start(sparse, V2c("vanta-engine"), snmpsimPort,
          MakeList({{"1.3.6.1.4.1.99999.1.1.1.3", CvSyntax::displaystr, kRo}}, MVT_FMV, 0));

    ASSERT_TRUE(PumpUntil(
        [&] { return v1.Log.Finished() && v3.Log.Finished() && sparse.Log.Finished(); }, 20000));

    std::vector<std::vector<std::string>> names;
    for (const auto& [index, name] : HostInterfaces()) {
        names.push_back({name});
    }
    EXPECT_EQ(v1.Log.Rows, names);
    EXPECT_EQ(v3.Log.Rows, names);
    EXPECT_EQ(sparse.Log.Rows,
              (std::vector<std::vector<std::string>>{{"full-1"}, {"full-2"}, {"full-3"}}));
    for (const Walker* w : {&v1, &v3, &sparse}) {
        EXPECT_EQ(w->Log.Errors.back().Code, 0);
        EXPECT_EQ(w->Request->Outstanding, 0);
    }
}

// ---- destruction with an exchange outstanding ----

// A window that closes while it handles a reply destroys the request from
// inside the request's own completion.
struct ClosingWindow {
    std::unique_ptr<CvSNMPRequest> Request;
    int Calls = 0;
    qint64 CloseMs = -1;

    static void OnReply(void* context, CvSNMPError&, CvSNMPVarList&) {
        auto* window = static_cast<ClosingWindow*>(context);
        ++window->Calls;
        QElapsedTimer clock;
        clock.start();
        window->Request.reset();
        window->CloseMs = clock.elapsed();
    }
};

TEST_F(AsyncSnmpdTest, RequestDestroyedByItsOwnCompletion) {
    ApplySettings(V2c(), FPort);
    ClosingWindow window;
    window.Request = std::make_unique<CvSNMPRequest>();
    window.Request->Vars.Assign(
        MakeList({{"1.3.6.1.2.1.1.5", CvSyntax::displaystr, kRo}}, SVT_SV, 0));

    window.Request->ReadAsync(&ClosingWindow::OnReply, &window, true);
    ASSERT_TRUE(PumpUntil([&] { return window.Calls > 0; }, 10000));
    PumpFor(200);

    EXPECT_EQ(window.Calls, 1);
    // Nothing else is outstanding: the destruction does not wait for the
    // completion it runs in.
    EXPECT_LT(window.CloseMs, 1000);
    EXPECT_EQ(GlobalSession()->PendingCount(), 0u);
}

class AsyncDestructionTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        try {
            ApplySettings(V2c("vanta-slow"), SharedSnmpsim().Port());
        } catch (const std::exception& e) {
            FAIL() << e.what();
        }
    }

    // A walk of a one-column table whose row 3 the agent delays; returns
    // once rows 1 and 2 are in and the exchange for row 3 is outstanding.
    std::unique_ptr<CvSNMPRequest> StartWalk(const char* column, CompletionLog& log) {
        auto request = std::make_unique<CvSNMPRequest>();
        request->Vars.Assign(MakeList({{column, CvSyntax::displaystr, kRo}}, MVT_FMV, 0));
        request->Timeout = 1500;  // longer than any delay: no time-out, no retransmission
        request->Retries = 0;
        log.Request = request.get();
        log.ContinueWalk = true;
        request->ReadAsync(&CompletionLog::Callback, &log, true);
        EXPECT_TRUE(
            PumpUntil([&] { return log.Rows.size() == 2 && request->Outstanding == 1; }, 10000));
        return request;
    }
};

TEST_F(AsyncDestructionTest, DestructionWaitsForTheOutstandingCompletion) {
    CompletionLog log;
    auto request = StartWalk("1.3.6.1.4.1.99999.2.1.1.2", log);  // row 3 after 400 ms
    ASSERT_EQ(log.Rows.size(), 2u);

    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_LT(clock.elapsed(), 4000) << "returns when the completion has come";

    // Row 3 arrived during the destruction; the walk did not go on.
    ASSERT_EQ(log.Rows.size(), 3u);
    EXPECT_EQ(log.Rows[2], std::vector<std::string>{"row-3"});
    EXPECT_EQ(GlobalSession()->PendingCount(), 0u);
    PumpFor(300);
    EXPECT_EQ(log.Errors.size(), 3u);
}

TEST_F(AsyncDestructionTest, CompletionAfterTheDestructionGaveUpNeverArrives) {
    bool destroyed = false;
    CompletionLog log;
    log.RequestDestroyed = &destroyed;
    auto request = StartWalk("1.3.6.1.4.1.99999.2.2.1.2", log);  // row 3 after 7.5 s
    ASSERT_EQ(log.Rows.size(), 2u);

    QElapsedTimer clock;
    clock.start();
    request.reset();
    destroyed = true;
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, 5500) << "waits about 6 s for the outstanding completion";
    EXPECT_LT(waited, 7300);
    EXPECT_EQ(GlobalSession()->PendingCount(), 0u);

    // The agent answers row 3 about 1.5 s later; the answer must reach
    // nobody (under AddressSanitizer a delivery would also be a use after free).
    PumpFor(2500);
    EXPECT_EQ(log.LateCalls, 0);
    EXPECT_EQ(log.Rows.size(), 2u);

    // The session still serves new requests.
    CvSNMPRequest next;
    next.Vars.Assign(
        MakeList({{"1.3.6.1.4.1.99999.2.1.1.2", CvSyntax::displaystr, kRo}}, MVT_FMV, 0));
    CompletionLog nextLog;
    nextLog.Request = &next;
    next.ReadAsync(&CompletionLog::Callback, &nextLog, true);
    ASSERT_TRUE(PumpUntil([&] { return !nextLog.Errors.empty(); }, 10000));
    EXPECT_EQ(nextLog.Errors[0].Code, 0);
    EXPECT_EQ(nextLog.Rows, std::vector<std::vector<std::string>>{{"row-1"}});
}

}  // namespace
}  // namespace engine_test
