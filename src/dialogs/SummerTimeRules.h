#pragma once

#include <array>
#include <string>

// The checks of the summer-time dialog before anything is written, on what
// its rows show: choices as positions in their lists (-1: none chosen),
// edits as typed.

// One date row: a repeating rule (week, day of week, month, hour, minute) or
// an annual one (day, month, hour, minute).
struct TSummerTimeDate {
    bool Checked = false;
    int Month = -1;    // 0 "Jan" … 11 "Dec"
    int Week = -1;     // repeating: 0 "1st" … 4 "last"
    int WeekDay = -1;  // repeating: 0 "Sun" … 6 "Sat"
    std::string Day;   // annual: day of month
    std::string Hour;
    std::string Minute;
};

struct TSummerTimeInput {
    // Positions of the status list, which are also its values.
    static constexpr int kDisable = 0;
    static constexpr int kRepeating = 1;
    static constexpr int kAnnual = 2;

    bool StatusChecked = false;
    int Status = -1;
    bool OffsetChecked = false;
    std::string Offset;
    std::array<TSummerTimeDate, 2> Repeating{};  // start, end
    std::array<TSummerTimeDate, 2> Annual{};     // start, end
};

extern const char kSummerStatusRefusal[];
extern const char kSummerOffsetRefusal[];
extern const char kSummerTimeRefusal[];
extern const char kSummerMonthRefusal[];

// The message that refuses `input`, or "" when it may be written. The
// months have their common lengths; February has 28 days.
std::string SummerTimeRefusal(const TSummerTimeInput& input);
