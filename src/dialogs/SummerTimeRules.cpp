#include "SummerTimeRules.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

const char kSummerStatusRefusal[] = "Please choose Summer Time Status.";
const char kSummerOffsetRefusal[] = "Summer Time Offset must chosed from {30, 60, 90, 120}.";
const char kSummerTimeRefusal[] = "Time error.";
const char kSummerMonthRefusal[] = "From month and To month should not be the same.";

namespace {

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kMonths = 12;
constexpr int kWeeks = 5;
constexpr int kWeekDays = 7;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr int kOffsetStep = 30;
constexpr int kLongestOffset = 120;

// A whole number without sign; each part is one octet on the wire, so a
// minus sign or a long text is no time.
std::optional<int> Number(std::string_view text) {
    constexpr std::size_t kMaxDigits = 3;
    if (text.empty() || text.size() > kMaxDigits ||
        !std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

bool Within(std::string_view text, int last) {
    const std::optional<int> value = Number(text);
    return value && *value <= last;
}

bool TimeValid(const TSummerTimeDate& date) {
    return Within(date.Hour, kLastHour) && Within(date.Minute, kLastMinute);
}

bool RepeatingValid(const TSummerTimeDate& date) {
    return date.Month >= 0 && date.Month < kMonths && date.Week >= 0 && date.Week < kWeeks &&
           date.WeekDay >= 0 && date.WeekDay < kWeekDays && TimeValid(date);
}

bool AnnualValid(const TSummerTimeDate& date) {
    if (date.Month < 0 || date.Month >= kMonths) {
        return false;
    }
    const std::optional<int> day = Number(date.Day);
    return day && *day >= 1 && *day <= kDaysInMonth[date.Month] && TimeValid(date);
}

// Both rows checked must be valid and lie in different months.
template <typename Valid>
std::string DatesRefusal(const std::array<TSummerTimeDate, 2>& dates, Valid&& valid) {
    for (const TSummerTimeDate& date : dates) {
        if (date.Checked && !valid(date)) {
            return kSummerTimeRefusal;
        }
    }
    if (dates[0].Checked && dates[1].Checked && dates[0].Month == dates[1].Month) {
        return kSummerMonthRefusal;
    }
    return {};
}

}  // namespace

std::string SummerTimeRefusal(const TSummerTimeInput& input) {
    if (input.StatusChecked && input.Status < 0) {
        return kSummerStatusRefusal;
    }
    if (input.OffsetChecked && !input.Offset.empty()) {
        const std::optional<int> offset = Number(input.Offset);
        if (!offset || *offset < kOffsetStep || *offset > kLongestOffset ||
            *offset % kOffsetStep != 0) {
            return kSummerOffsetRefusal;
        }
    }
    switch (input.Status) {
        case TSummerTimeInput::kRepeating:
            return DatesRefusal(input.Repeating, RepeatingValid);
        case TSummerTimeInput::kAnnual:
            return DatesRefusal(input.Annual, AnnualValid);
        default:
            return {};
    }
}
