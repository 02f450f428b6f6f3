#include "SectionRates.h"

#include <QLocale>

#include <charconv>

namespace {

std::optional<std::uint64_t> CounterValue(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

SectionRates::SectionRates(const ViewerSection& section)
    : FKeyCount(section.ItemType == SVT_SV ? 0 : static_cast<std::size_t>(section.KeyCount)) {
    for (int r = 0; section.Records[r].Oid != nullptr; ++r) {
        if (IsCounterSyntax(section.Records[r].Syntax)) {
            FCounters.push_back(r);
            FWidths.push_back(section.Records[r].Syntax == CvSyntax::counter64
                                  ? CounterWidth::Bits64
                                  : CounterWidth::Bits32);
        }
    }
}

std::string SectionRates::RowKey(const std::vector<std::string>& row) const {
    std::string key;
    for (std::size_t k = 0; k < FKeyCount && k < row.size(); ++k) {
        key += (k > 0 ? "\x1f" : "") + row[k];
    }
    return key;
}

std::vector<std::vector<CounterRate>> SectionRates::Update(
    const std::vector<std::vector<std::string>>& rows, bool upTimeKnown, std::uint32_t upTime) {
    std::map<std::string, std::vector<std::optional<CounterReading>>> now;
    std::vector<std::vector<CounterRate>> rates;
    for (const std::vector<std::string>& row : rows) {
        const std::string key = RowKey(row);
        const auto last = FLast.find(key);
        std::vector<std::optional<CounterReading>>& readings = now[key];
        std::vector<CounterRate>& rowRates = rates.emplace_back(FCounters.size());
        readings.resize(FCounters.size());
        for (std::size_t c = 0; c < FCounters.size(); ++c) {
            const auto record = static_cast<std::size_t>(FCounters[c]);
            const std::optional<std::uint64_t> value =
                record < row.size() ? CounterValue(row[record]) : std::nullopt;
            if (!upTimeKnown || !value) {
                continue;
            }
            readings[c] = CounterReading{*value, upTime};
            if (last != FLast.end() && last->second[c]) {
                rowRates[c] = RateBetween(*last->second[c], *readings[c], FWidths[c]);
            }
        }
    }
    FLast = std::move(now);
    return rates;
}

QString RateText(const CounterRate& rate) {
    switch (rate.State) {
        case CounterRate::Kind::Rate:
            return QLocale(QLocale::English).toString(rate.PerSecond, 'f', 1) + "/s";
        case CounterRate::Kind::Discontinuity:
            return QStringLiteral("restart");
        case CounterRate::Kind::Unknown:
            break;
    }
    return {};
}
