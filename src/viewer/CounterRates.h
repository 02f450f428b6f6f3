#pragma once

#include <cstdint>

// Rates per second of counters read twice. The time base is the agent's own
// sysUpTime (hundredths of a second) read with the counters, so a slow
// network does not distort the rate and an agent restart is recognised.

enum class CounterWidth : std::uint8_t { Bits32, Bits64 };

struct CounterReading {
    std::uint64_t Value = 0;
    std::uint32_t UpTime = 0;  // sysUpTime when the value was read
};

struct CounterRate {
    enum class Kind : std::uint8_t {
        Unknown,        // no earlier reading, or no time between the two
        Rate,           // PerSecond holds the rate
        Discontinuity,  // the agent restarted or the counter was reset
    };
    Kind State = Kind::Unknown;
    double PerSecond = 0;
};

// A Counter32 that went down without a restart wrapped once; a Counter64
// that went down, or any counter across a sysUpTime that went down, is a
// discontinuity and never a huge rate.
CounterRate RateBetween(const CounterReading& earlier, const CounterReading& later,
                        CounterWidth width);
