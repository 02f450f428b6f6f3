#include "CounterHistory.h"

void CounterHistory::Add(const std::string& key, std::int64_t atMs,
                         const std::vector<CounterRate>& rates) {
    FRows[key].push_back(Sample{atMs, rates});
    const std::int64_t oldest = atMs - kSpanMs;
    for (auto row = FRows.begin(); row != FRows.end();) {
        std::deque<Sample>& samples = row->second;
        while (!samples.empty() && samples.front().AtMs < oldest) {
            samples.pop_front();
        }
        row = samples.empty() ? FRows.erase(row) : std::next(row);
    }
}

std::vector<CounterHistory::Line> CounterHistory::Lines(const std::string& key,
                                                        std::size_t column) const {
    std::vector<Line> lines;
    const auto row = FRows.find(key);
    if (row == FRows.end()) {
        return lines;
    }
    bool broken = true;
    for (const Sample& sample : row->second) {
        const bool known =
            column < sample.Rates.size() && sample.Rates[column].State == CounterRate::Kind::Rate;
        if (!known) {
            broken = true;
            continue;
        }
        if (broken) {
            lines.emplace_back();
            broken = false;
        }
        lines.back().push_back(Point{sample.AtMs, sample.Rates[column].PerSecond});
    }
    return lines;
}

std::size_t CounterHistory::SampleCount(const std::string& key) const {
    const auto row = FRows.find(key);
    return row == FRows.end() ? 0 : row->second.size();
}
