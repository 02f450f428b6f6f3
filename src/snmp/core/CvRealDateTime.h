#pragma once

#include <string>
#include <string_view>

// Date-times held as a real number: days since 30 December 1899 plus the
// fraction of the day (the bcdatetime syntax and "NOW" in expressions).

// "yyyy/mm/dd hh:nn:ss am/pm" (12-hour clock). Values outside years 1 to 9999
// or not finite raise -518.
std::string RealDateTimeToText(double value);
// Reads "yyyy/mm/dd[ hh:nn[:ss][ am|pm]]"; anything else raises -518.
double TextToRealDateTime(std::string_view text);
// The local date and time now.
double CurrentRealDateTime();

// The 8 bytes of an IEEE 754 double, least significant byte first.
std::string DoubleToBytes(double value);
// Reads the first 8 bytes; fewer raise -518.
double BytesToDouble(std::string_view bytes);
