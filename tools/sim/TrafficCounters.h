#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "PortModel.h"

namespace vsim {

// What a port has counted since the counters last started.
enum class Count : std::uint8_t {
    InOctets,
    InUnicast,
    InMulticast,
    InBroadcast,
    InDiscards,
    InUnknownProtos,
    OutOctets,
    OutUnicast,
    OutMulticast,
    OutBroadcast,
    OutDiscards,
    AlignmentErrors,
    FcsErrors,
    FrameTooLongs,
    SymbolErrors,
    InternalMacReceiveErrors,
    InternalMacTransmitErrors,
    LateCollisions,
    CarrierSenseErrors,
    Undersize,
    Fragments,
    kCount
};

struct PortCounts {
    std::array<std::uint64_t, static_cast<std::size_t>(Count::kCount)> values{};

    std::uint64_t operator[](Count c) const { return values[static_cast<std::size_t>(c)]; }
    // As the interfaces table sums the Ethernet errors.
    std::uint64_t InErrors() const;
    std::uint64_t OutErrors() const;
    std::uint64_t InPackets() const;
    std::uint64_t OutPackets() const;
};

// The ports' traffic as a function of time: every port has its own rates,
// drawn from the seed, and counts base + rate x the time its link was up
// since the counters started. Nothing grows on a port without a link. The
// first two ports with a link at start see errors now and then, and the busiest port starts close
// to the end of the 32-bit octet counter so that it wraps within minutes.
class TrafficCounters {
public:
    static constexpr int kWrappingPort = PortModel::kFibrePort;
    // The switch's own interface: always up, it carries what IP delivers to
    // the switch and what the switch sends.
    static constexpr int kManagementInterface = 1024;
    // Seconds after start at which the busiest port's ifInOctets wraps.
    static constexpr std::uint64_t kWrapAfter = 120;

    TrafficCounters(const PortModel& ports, std::uint64_t seed);

    // Takes note of the links as they are at `now` (hundredths since start);
    // called after every change of a link.
    void Track(const PortModel& ports, std::uint32_t now);
    // Every port counts from zero again at `now`; the management interface
    // goes on.
    void Clear(std::uint32_t now);

    // The counts of `port` (1 to 24, or the management interface) at `now`,
    // no earlier than the last Track.
    PortCounts At(int port, std::uint32_t now) const;
    // Ports whose errors grow.
    const std::vector<int>& NoisyPorts() const { return noisy_; }

private:
    struct Life {
        std::array<std::uint64_t, static_cast<std::size_t>(Count::kCount)> base{};
        std::array<std::uint64_t, static_cast<std::size_t>(Count::kCount)> rate{};  // per 100 s
        std::uint64_t upBefore = 0;  // hundredths with a link up to `since`
        std::uint32_t since = 0;
        bool up = false;
    };

    // The management interface's life comes after the ports'.
    static std::size_t Place(int port) {
        return static_cast<std::size_t>(port == kManagementInterface ? PortModel::kPorts
                                                                     : port - 1);
    }
    Life& Of(int port) { return lives_[Place(port)]; }
    const Life& Of(int port) const { return lives_[Place(port)]; }

    std::array<Life, PortModel::kPorts + 1> lives_{};
    std::vector<int> noisy_;
};

// `rate` per 100 s over `hundredths`, without overflow for years of traffic.
std::uint64_t Scaled(std::uint64_t rate, std::uint64_t hundredths);

}  // namespace vsim
