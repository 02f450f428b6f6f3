#include "ProtocolCounters.h"

#include <string_view>

namespace vsim::protocols {

namespace {

struct Growth {
    std::string_view object;
    std::uint64_t rate;  // per 100 s
};

// Up-times count 100 ticks a second.
constexpr std::uint64_t kTicks = 10000;

// Rates per 100 s: a switch managed and routing on a quiet subnet. The
// totals are the sums of their parts.
constexpr Growth kGrowth[] = {
    // ip
    {"1.3.6.1.2.1.4.3", 2400},  // ipInReceives
    {"1.3.6.1.2.1.4.4", 1},
    {"1.3.6.1.2.1.4.5", 2},
    {"1.3.6.1.2.1.4.6", 800},  // ipForwDatagrams
    {"1.3.6.1.2.1.4.7", 1},
    {"1.3.6.1.2.1.4.8", 1},
    {"1.3.6.1.2.1.4.9", 1596},  // ipInDelivers
    {"1.3.6.1.2.1.4.10", 1500},
    {"1.3.6.1.2.1.4.12", 1},
    {"1.3.6.1.2.1.4.14", 4},
    {"1.3.6.1.2.1.4.15", 2},
    {"1.3.6.1.2.1.4.17", 1},
    {"1.3.6.1.2.1.4.19", 2},
    // icmp: in 20 unreachable, 5 time exceeded, 100 echoes, 40 replies
    {"1.3.6.1.2.1.5.1", 165},
    {"1.3.6.1.2.1.5.2", 1},
    {"1.3.6.1.2.1.5.3", 20},
    {"1.3.6.1.2.1.5.4", 5},
    {"1.3.6.1.2.1.5.8", 100},
    {"1.3.6.1.2.1.5.9", 40},
    // out: 15 unreachable, 10 time exceeded, 40 echoes, 100 replies
    {"1.3.6.1.2.1.5.14", 165},
    {"1.3.6.1.2.1.5.16", 15},
    {"1.3.6.1.2.1.5.17", 10},
    {"1.3.6.1.2.1.5.21", 40},
    {"1.3.6.1.2.1.5.22", 100},
    // udp
    {"1.3.6.1.2.1.7.1", 1500},
    {"1.3.6.1.2.1.7.2", 30},
    {"1.3.6.1.2.1.7.3", 1},
    {"1.3.6.1.2.1.7.4", 1450},
    // RIP: an update every 30 s, now and then a change or a query
    {"1.3.6.1.2.1.23.1.1", 1},
    {"1.3.6.1.2.1.23.1.2", 2},
    {"1.3.6.1.2.1.23.2.1.4", 3},
    // OSPF
    {"1.3.6.1.2.1.14.1.9", 1},
    {"1.3.6.1.2.1.14.1.10", 2},
    {"1.3.6.1.2.1.14.2.1.4", 1},
    // multicast routes: up-time, packets and octets (both sizes alike)
    {"1.3.6.1.2.1.83.1.1.2.1.6", kTicks},
    {"1.3.6.1.2.1.83.1.1.2.1.8", 5000},
    {"1.3.6.1.2.1.83.1.1.2.1.10", 5'000'000},
    {"1.3.6.1.2.1.83.1.1.2.1.16", 5'000'000},
    // DVMRP: routes sent and received, the neighbour's up-time
    {"1.3.6.1.3.62.1.1.2.1.7", 10},
    {"1.3.6.1.3.62.1.1.3.1.3", kTicks},
    {"1.3.6.1.3.62.1.1.3.1.9", 10},
    // PIM neighbour up-time
    {"1.3.6.1.3.61.1.1.3.1.3", kTicks},
};

const Oid kLsdbAge = *ParseOid("1.3.6.1.2.1.14.4.1.6");
const Oid kRipPeerLastUpdate = *ParseOid("1.3.6.1.2.1.23.4.1.3");

// An LSA is originated again every 30 minutes, its age starting over.
constexpr std::int64_t kLsRefreshTime = 1800;
// RIP sends its whole table every 30 s.
constexpr std::uint32_t kRipUpdate = 3000;

}  // namespace

void AddReaders(LiveValues& live) {
    for (const Growth& growth : kGrowth) {
        live.AddGrowing(*ParseOid(growth.object), growth.rate);
    }
    live.Add(kLsdbAge, [](const Oid&, const MibValue& stored, std::uint32_t now) {
        return MibValue::Integer((stored.number + now / 100) % kLsRefreshTime);
    });
    live.Add(kRipPeerLastUpdate, [](const Oid&, const MibValue&, std::uint32_t now) {
        return MibValue::Numeric(Syntax::TimeTicks, now - now % kRipUpdate);
    });
}

}  // namespace vsim::protocols
