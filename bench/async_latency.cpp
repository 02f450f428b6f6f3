// async_latency: how much later an asynchronous single get completes than a
// synchronous one. Both send the same PDU to the same agent, so the
// difference of the medians is what delivering the completion through the
// Qt event loop adds to the network round trip.
//
//   async_latency HOST:PORT COMMUNITY OID [COUNT]
//
// OID names a scalar without its ".0". Sync and async exchanges alternate so
// that drift of the agent affects both alike.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CvException.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUp = 20;        // opens the sessions, warms caches
constexpr int kMaxCount = 100000;  // keeps the run bounded
constexpr int kGuardMs = 5000;     // longer than (retries + 1) x time-out
constexpr int kTimeoutHundredths = 100;

struct AsyncWait {
    QEventLoop Loop;
    bool Done = false;
    int Code = 0;
    std::string Message;
    Clock::time_point End;
};

void OnCompleted(void* context, CvSNMPError& error, CvSNMPVarList&) {
    auto* wait = static_cast<AsyncWait*>(context);
    wait->End = Clock::now();  // first thing: the completion has arrived
    wait->Done = true;
    wait->Code = error.Code;
    wait->Message = error.Message;
    wait->Loop.quit();
}

double Micros(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

double SyncOnce(CvSNMPRequest& request) {
    request.Vars.Item(0).Value.clear();
    const Clock::time_point start = Clock::now();
    request.Read(true);
    const double us = Micros(start, Clock::now());
    if (request.Vars.Item(0).Value.empty()) {
        throw CvException("empty value from the synchronous get", -1);
    }
    return us;
}

double AsyncOnce(CvSNMPRequest& request) {
    request.Vars.Item(0).Value.clear();
    AsyncWait wait;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &wait.Loop, &QEventLoop::quit);
    const Clock::time_point start = Clock::now();
    request.ReadAsync(&OnCompleted, &wait, true);
    if (!wait.Done) {
        guard.start(kGuardMs);
        wait.Loop.exec();
    }
    if (!wait.Done) {
        throw CvException("no asynchronous completion within the guard time", -1);
    }
    if (wait.Code != 0) {
        throw CvException(wait.Message, wait.Code);
    }
    if (request.Vars.Item(0).Value.empty()) {
        throw CvException("empty value from the asynchronous get", -1);
    }
    return Micros(start, wait.End);
}

bool ParseAgent(const std::string& text, std::string& host, std::uint16_t& port) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    const long number = std::strtol(text.c_str() + colon + 1, nullptr, 10);
    if (number < 1 || number > 65535) {
        return false;
    }
    host = text.substr(0, colon);
    port = static_cast<std::uint16_t>(number);
    return true;
}

int Run(const std::string& host, std::uint16_t port, const std::string& community,
        const std::string& oid, int count) {
    QTemporaryDir state;  // the boots counter file stays out of the caller's folders
    if (!state.isValid()) {
        std::fprintf(stderr, "async_latency: no temporary folder\n");
        return 1;
    }
    CreateGlobalSession(state.path().toStdString());
    GlobalDevice().Address = host;
    GlobalDevice().Port = port;
    GlobalSecurity().Version = 0;
    GlobalSecurity().ReadCommunity = community;

    const CvSNMPVarDesc records[] = {{oid.c_str(), oid.c_str(), 0x4C, 0x02, nullptr}, {}};
    CvSNMPRequest request;
    request.Timeout = kTimeoutHundredths;
    request.Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));

    std::vector<double> sync;
    std::vector<double> async;
    sync.reserve(static_cast<std::size_t>(count));
    async.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < kWarmUp + count; ++i) {
        // Alternating the order keeps any after-effect of one kind off the other.
        double s = 0;
        double a = 0;
        if (i % 2 == 0) {
            s = SyncOnce(request);
            a = AsyncOnce(request);
        } else {
            a = AsyncOnce(request);
            s = SyncOnce(request);
        }
        if (i >= kWarmUp) {
            sync.push_back(s);
            async.push_back(a);
        }
    }
    const double syncMedian = Median(sync);
    const double asyncMedian = Median(async);
    std::printf("value: %s\n", request.Vars.Item(0).Value.c_str());
    std::printf(
        "single get, %d each: sync median %.1f us (p90 %.1f), async median %.1f us (p90 %.1f)\n",
        count, syncMedian, Percentile(sync, 0.9), asyncMedian, Percentile(async, 0.9));
    std::printf("async_extra_us=%.1f\n", asyncMedian - syncMedian);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: async_latency HOST:PORT COMMUNITY OID [COUNT]\n");
        return 2;
    }
    std::string host;
    std::uint16_t port = 0;
    const int count = argc == 5 ? std::atoi(argv[4]) : 500;
    if (!ParseAgent(argv[1], host, port) || count < 1 || count > kMaxCount) {
        std::fprintf(stderr, "async_latency: bad agent or count\n");
        return 2;
    }
    int status = 1;
    try {
        status = Run(host, port, argv[2], argv[3], count);
    } catch (const CvException& e) {
        std::fprintf(stderr, "async_latency: %s (%d)\n", e.Message().c_str(), e.Code());
    }
    DestroyGlobalSession();
    return status;
}
