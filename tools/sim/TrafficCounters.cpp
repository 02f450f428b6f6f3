#include "TrafficCounters.h"

#include <algorithm>
#include <random>

namespace vsim {

namespace {

constexpr std::size_t Index(Count c) {
    return static_cast<std::size_t>(c);
}

// A number in [low, high] from `random`.
std::uint64_t Draw(std::mt19937_64& random, std::uint64_t low, std::uint64_t high) {
    return low + random() % (high - low + 1);
}

// The busiest port carries a steady 25 MB/s in and 8 MB/s out.
constexpr std::uint64_t kBusyInPerSecond = 25'000'000;
constexpr std::uint64_t kBusyOutPerSecond = 8'000'000;

// The management interface per 100 s, as the IP group counts it: what IP
// delivers to the switch in, what it sends out; about 120 octets a packet
// in and 180 out.
struct Steady {
    Count count;
    std::uint64_t rate;
};
constexpr Steady kManagementTraffic[] = {
    {Count::InUnicast, 1500},   {Count::InMulticast, 60},  {Count::InBroadcast, 36},
    {Count::InOctets, 191'520}, {Count::OutUnicast, 1500}, {Count::OutOctets, 270'000},
};

// Errors per 100 s of the two noisy ports: a few a minute.
struct Noise {
    Count count;
    std::uint64_t first;
    std::uint64_t second;
};
constexpr Noise kNoise[] = {
    {Count::FcsErrors, 6, 3},
    {Count::AlignmentErrors, 2, 1},
    {Count::FrameTooLongs, 1, 0},
    {Count::SymbolErrors, 3, 0},
    {Count::Undersize, 2, 0},
    {Count::Fragments, 1, 0},
    {Count::InternalMacTransmitErrors, 0, 2},
    {Count::LateCollisions, 0, 1},
};

}  // namespace

std::uint64_t Scaled(std::uint64_t rate, std::uint64_t hundredths) {
    return rate * (hundredths / 10000) + rate * (hundredths % 10000) / 10000;
}

std::uint64_t PortCounts::InErrors() const {
    return (*this)[Count::AlignmentErrors] + (*this)[Count::FcsErrors] +
           (*this)[Count::FrameTooLongs] + (*this)[Count::InternalMacReceiveErrors] +
           (*this)[Count::SymbolErrors];
}

std::uint64_t PortCounts::OutErrors() const {
    return (*this)[Count::LateCollisions] + (*this)[Count::InternalMacTransmitErrors] +
           (*this)[Count::CarrierSenseErrors];
}

std::uint64_t PortCounts::InPackets() const {
    return (*this)[Count::InUnicast] + (*this)[Count::InMulticast] + (*this)[Count::InBroadcast];
}

std::uint64_t PortCounts::OutPackets() const {
    return (*this)[Count::OutUnicast] + (*this)[Count::OutMulticast] + (*this)[Count::OutBroadcast];
}

TrafficCounters::TrafficCounters(const PortModel& ports, std::uint64_t seed) {
    // A stream of its own, so that the ports' life replays as before.
    std::mt19937_64 random(seed ^ 0x7261746573ULL);
    std::vector<int> candidates;
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        Life& life = Of(p);
        const bool gigabit = ports.At(p).Gigabit();
        std::uint64_t in =
            gigabit ? Draw(random, 50'000, 1'500'000) : Draw(random, 20'000, 600'000);
        std::uint64_t out = in * Draw(random, 30, 120) / 100;
        if (p == kWrappingPort) {
            in = kBusyInPerSecond;
            out = kBusyOutPerSecond;
        }
        const std::uint64_t size = Draw(random, 300, 1200);
        auto& rate = life.rate;
        rate[Index(Count::InOctets)] = in * 100;
        rate[Index(Count::OutOctets)] = out * 100;
        rate[Index(Count::InUnicast)] = in * 100 / size;
        rate[Index(Count::OutUnicast)] = out * 100 / size;
        rate[Index(Count::InBroadcast)] = Draw(random, 100, 600);
        rate[Index(Count::OutBroadcast)] = rate[Index(Count::InBroadcast)] / 2;
        rate[Index(Count::InMulticast)] = Draw(random, 0, 300);
        rate[Index(Count::OutMulticast)] = Draw(random, 0, 200);
        rate[Index(Count::InDiscards)] = Draw(random, 0, 3);
        rate[Index(Count::OutDiscards)] = Draw(random, 0, 2);
        rate[Index(Count::InUnknownProtos)] = Draw(random, 0, 5);
        if (ports.At(p).Up() && p != kWrappingPort) {
            candidates.push_back(p);
        }
    }
    Of(kWrappingPort).base[Index(Count::InOctets)] =
        (std::uint64_t{1} << 32) - kBusyInPerSecond * kWrapAfter;
    // The first two ports with a link: the probe's alarm watches the first.
    candidates.resize(std::min<std::size_t>(candidates.size(), 2));
    noisy_ = candidates;
    for (std::size_t n = 0; n < noisy_.size(); ++n) {
        for (const Noise& noise : kNoise) {
            Of(noisy_[n]).rate[Index(noise.count)] = n == 0 ? noise.first : noise.second;
        }
    }
    Life& management = Of(kManagementInterface);
    for (const Steady& steady : kManagementTraffic) {
        management.rate[Index(steady.count)] = steady.rate;
    }
    management.up = true;
    Track(ports, 0);
}

void TrafficCounters::Track(const PortModel& ports, std::uint32_t now) {
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        Life& life = Of(p);
        const bool up = ports.At(p).Up();
        if (up == life.up) {
            continue;
        }
        if (life.up) {
            life.upBefore += now - life.since;
        }
        life.up = up;
        life.since = now;
    }
}

void TrafficCounters::Clear(std::uint32_t now) {
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        Life& life = Of(p);
        life.base.fill(0);
        life.upBefore = 0;
        life.since = now;
    }
}

PortCounts TrafficCounters::At(int port, std::uint32_t now) const {
    const Life& life = Of(port);
    const std::uint64_t up = life.upBefore + (life.up && now > life.since ? now - life.since : 0);
    PortCounts counts;
    for (std::size_t c = 0; c < counts.values.size(); ++c) {
        counts.values[c] = life.base[c] + Scaled(life.rate[c], up);
    }
    return counts;
}

}  // namespace vsim
