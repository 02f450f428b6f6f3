#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "CounterRates.h"

// The rates of the plotted counters of each row over the last ten minutes.
// A sample without a rate (the first read, or a restart) breaks the line.
class CounterHistory {
public:
    static constexpr std::int64_t kSpanMs = 10 * 60 * 1000;

    struct Point {
        std::int64_t AtMs;
        double PerSecond;
    };
    using Line = std::vector<Point>;

    // A read of row `key` at `atMs` (a steady clock); samples older than
    // the span, and rows no longer read within it, are dropped.
    void Add(const std::string& key, std::int64_t atMs, const std::vector<CounterRate>& rates);

    // The unbroken runs of column `column` of a row, oldest first.
    std::vector<Line> Lines(const std::string& key, std::size_t column) const;
    std::size_t SampleCount(const std::string& key) const;
    bool Has(const std::string& key) const { return FRows.count(key) != 0; }

private:
    struct Sample {
        std::int64_t AtMs;
        std::vector<CounterRate> Rates;
    };
    std::map<std::string, std::deque<Sample>> FRows;
};
