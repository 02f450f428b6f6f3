#include <gtest/gtest.h>

#include "../TestNames.h"
#include "CounterRates.h"

namespace {

using Kind = CounterRate::Kind;

struct RateCase {
    const char* Name;
    CounterReading Earlier;
    CounterReading Later;
    CounterWidth Width;
    Kind State;
    double PerSecond;
};

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;

}  // namespace

class CounterRates : public testing::TestWithParam<RateCase> {};

TEST_P(CounterRates, RateBetweenTwoReadings) {
    const RateCase& c = GetParam();
    const CounterRate rate = RateBetween(c.Earlier, c.Later, c.Width);
    EXPECT_EQ(rate.State, c.State);
    if (c.State == Kind::Rate) {
        EXPECT_DOUBLE_EQ(rate.PerSecond, c.PerSecond);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Readings, CounterRates,
    testing::Values(
        RateCase{"plain", {1000, 500}, {3000, 700}, CounterWidth::Bits32, Kind::Rate, 1000},
        RateCase{"unchanged", {42, 100}, {42, 600}, CounterWidth::Bits32, Kind::Rate, 0},
        RateCase{"fraction", {0, 0}, {1, 300}, CounterWidth::Bits32, Kind::Rate, 1.0 / 3},
        RateCase{"counter32 wraps once",
                 {k2To32 - 100, 1000},
                 {400, 1100},
                 CounterWidth::Bits32,
                 Kind::Rate,
                 500},
        RateCase{"counter32 out of range",
                 {5, 100},
                 {k2To32 + 5, 200},
                 CounterWidth::Bits32,
                 Kind::Discontinuity,
                 0},
        RateCase{"counter64 large values",
                 {0xFFFF'0000'0000'0000, 100},
                 {0xFFFF'0000'0000'0000 + 10'000'000'000, 200},
                 CounterWidth::Bits64,
                 Kind::Rate,
                 1e10},
        RateCase{"counter64 beyond 32 bits",
                 {k2To32 - 1, 0},
                 {k2To32 + 99, 100},
                 CounterWidth::Bits64,
                 Kind::Rate,
                 100},
        RateCase{"counter64 going down",
                 {5000, 100},
                 {4000, 200},
                 CounterWidth::Bits64,
                 Kind::Discontinuity,
                 0},
        RateCase{"agent restarted",
                 {1000, 90000},
                 {2000, 300},
                 CounterWidth::Bits32,
                 Kind::Discontinuity,
                 0},
        RateCase{"restart with counter64",
                 {10, 90000},
                 {20, 300},
                 CounterWidth::Bits64,
                 Kind::Discontinuity,
                 0},
        RateCase{
            "no time between", {1000, 500}, {2000, 500}, CounterWidth::Bits32, Kind::Unknown, 0},
        RateCase{"no time, counter64 down",
                 {2000, 500},
                 {1000, 500},
                 CounterWidth::Bits64,
                 Kind::Discontinuity,
                 0}),
    [](const testing::TestParamInfo<RateCase>& info) {
        return CaseName(info.index, info.param.Name);
    });
