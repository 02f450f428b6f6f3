#pragma once

#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CounterRates.h"
#include "ViewerPages.h"

// The rates of one section's counters from one read to the next. Rows are
// matched by their index texts, so a table whose rows come and go keeps
// each row's own history.
class SectionRates {
public:
    explicit SectionRates(const ViewerSection& section);

    // The records that are counters, in record order.
    const std::vector<int>& CounterRecords() const { return FCounters; }

    // Remembers `rows` read at `upTime` and returns, per row, the rate of
    // each counter record against the same row's last reading. A read
    // without a known sysUpTime gives no rates and forgets the earlier one.
    std::vector<std::vector<CounterRate>> Update(const std::vector<std::vector<std::string>>& rows,
                                                 bool upTimeKnown, std::uint32_t upTime);

    // A row's index texts joined ("3", "10.0.0.1.2"); "" for a scalar group.
    std::string RowKey(const std::vector<std::string>& row) const;

private:
    std::vector<int> FCounters;
    std::vector<CounterWidth> FWidths;
    std::size_t FKeyCount = 0;
    std::map<std::string, std::vector<std::optional<CounterReading>>> FLast;
};

// "" (no rate yet), "restart" (a discontinuity) or the rate with one
// decimal and thousands grouped: "1,234.5/s".
QString RateText(const CounterRate& rate);
