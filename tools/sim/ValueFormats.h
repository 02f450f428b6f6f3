#pragma once

#include <string>
#include <string_view>

namespace vsim {

// Layouts of octet-string values whose octets are fields of their own, by
// the names the behaviour file uses (format=NAME):
//   repeating-date  week of the month (1..4, 255 the last), day of the week
//                   (two octets, most significant first, 1 Sunday .. 7
//                   Saturday), month (1..12), hour (0..23), minute (0..59)
//   annual-date     day of the month (within it; February has 28), month,
//                   hour, minute
bool KnownFormat(std::string_view name);
// Whether `octets` follow the layout; the length is the size rule's concern
// (a value of another length does not fit).
bool FitsFormat(std::string_view name, const std::string& octets);

}  // namespace vsim
