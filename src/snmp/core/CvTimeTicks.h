#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Time ticks (hundredths of a second) as text: "0:00:00.04",
// "1 day 0:00:00.01", "2 days, 0:00:00.00".
std::string TimeTicksToText(std::uint32_t ticks);

// Reads "[n day[s]][,][h:][m:][s.hh]"; parts that are missing add nothing, so
// a bare number reads as 0. Sums beyond 32 bits saturate.
std::uint32_t TextToTimeTicks(std::string_view text);
