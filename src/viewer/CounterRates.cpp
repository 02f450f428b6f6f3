#include "CounterRates.h"

namespace {

constexpr std::uint64_t kCounter32Span = std::uint64_t{1} << 32;
constexpr double kTicksPerSecond = 100.0;

}  // namespace

CounterRate RateBetween(const CounterReading& earlier, const CounterReading& later,
                        CounterWidth width) {
    CounterRate rate;
    const bool bits32 = width == CounterWidth::Bits32;
    // A value a 32-bit counter cannot hold says nothing about what it counted.
    if (later.UpTime < earlier.UpTime ||
        (bits32 && (earlier.Value >= kCounter32Span || later.Value >= kCounter32Span)) ||
        (!bits32 && later.Value < earlier.Value)) {
        rate.State = CounterRate::Kind::Discontinuity;
        return rate;
    }
    if (later.UpTime == earlier.UpTime) {
        return rate;
    }
    const std::uint64_t delta = later.Value >= earlier.Value
                                    ? later.Value - earlier.Value
                                    : kCounter32Span - earlier.Value + later.Value;
    rate.State = CounterRate::Kind::Rate;
    rate.PerSecond = static_cast<double>(delta) * kTicksPerSecond /
                     static_cast<double>(later.UpTime - earlier.UpTime);
    return rate;
}
