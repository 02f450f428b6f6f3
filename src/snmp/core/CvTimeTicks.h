#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Time ticks (hundredths of a second) as text: "0:00:00.04",
// "1 day 0:00:00.01", "2 days, 0:00:00.00".
std::string TimeTicksToText(std::uint32_t ticks);

// Reads the text as it is shown: "[n day[s][,] ]h:mm:ss[.hh]", or the days
// alone; minutes and seconds below 60, blanks around it allowed. Anything
// else, or more than 32 bits of ticks, raises common 8 with the range.
std::uint32_t TextToTimeTicks(std::string_view text);

// A count of hundredths as time ticks; more than 32 bits raise common 8 with
// the range of time ticks.
std::uint32_t TimeTicksOfCount(std::uint64_t ticks);
