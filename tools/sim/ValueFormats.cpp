#include "ValueFormats.h"

#include <array>
#include <cstdint>

namespace vsim {

namespace {

constexpr std::array<int, 12> kDaysInMonth{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int Octet(const std::string& octets, std::size_t at) {
    return static_cast<std::uint8_t>(octets[at]);
}

bool IsTime(int hour, int minute) {
    return hour <= 23 && minute <= 59;
}

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

bool RepeatingDate(const std::string& octets) {
    if (octets.size() != 6) {
        return false;
    }
    const int week = Octet(octets, 0);
    const int day = Octet(octets, 1) * 256 + Octet(octets, 2);
    return ((week >= 1 && week <= 4) || week == 255) && day >= 1 && day <= 7 &&
           IsMonth(Octet(octets, 3)) && IsTime(Octet(octets, 4), Octet(octets, 5));
}

bool AnnualDate(const std::string& octets) {
    if (octets.size() != 4) {
        return false;
    }
    const int day = Octet(octets, 0);
    const int month = Octet(octets, 1);
    return IsMonth(month) && day >= 1 && day <= kDaysInMonth[static_cast<std::size_t>(month - 1)] &&
           IsTime(Octet(octets, 2), Octet(octets, 3));
}

}  // namespace

bool KnownFormat(std::string_view name) {
    return name == "repeating-date" || name == "annual-date";
}

bool FitsFormat(std::string_view name, const std::string& octets) {
    if (name == "repeating-date") {
        return RepeatingDate(octets);
    }
    if (name == "annual-date") {
        return AnnualDate(octets);
    }
    return false;
}

}  // namespace vsim
