#include "CvTimeTicks.h"

#include <cstdio>
#include <limits>

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvTextUtil.h"

namespace {

constexpr std::uint64_t kTicksPerDay = 8640000;
constexpr std::uint64_t kTicksPerHour = 360000;
constexpr std::uint64_t kTicksPerMinute = 6000;
constexpr std::uint64_t kTicksPerSecond = 100;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : FText(text) {}

    void SkipBlanks() {
        while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t')) {
            ++FPos;
        }
    }
    bool Number(std::uint64_t& value) {
        if (FPos >= FText.size() || !IsDigit(FText[FPos])) {
            return false;
        }
        value = 0;
        for (; FPos < FText.size() && IsDigit(FText[FPos]); ++FPos) {
            value = value > kMax / 10 ? kMax
                                      : value * 10 + static_cast<std::uint64_t>(FText[FPos] - '0');
        }
        return true;
    }
    // One or two digits; exactly two with `exact`.
    bool TwoDigits(std::uint64_t& value, bool exact) {
        const std::size_t begin = FPos;
        if (!Number(value)) {
            return false;
        }
        const std::size_t count = FPos - begin;
        return count == 2 || (count == 1 && !exact);
    }
    bool AtEnd() const { return FPos == FText.size(); }
    bool Take(std::string_view word) {
        if (FText.substr(FPos, word.size()) == word) {
            FPos += word.size();
            return true;
        }
        return false;
    }
    std::size_t Pos() const { return FPos; }
    void Rewind(std::size_t pos) { FPos = pos; }

    static constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();

private:
    std::string_view FText;
    std::size_t FPos = 0;
};

std::uint64_t SaturatingProduct(std::uint64_t n, std::uint64_t unit) {
    return n > Scanner::kMax / unit ? Scanner::kMax + 1 : n * unit;
}

}  // namespace

std::string TimeTicksToText(std::uint32_t ticks) {
    const unsigned long days = ticks / kTicksPerDay;
    const unsigned long rest = ticks % kTicksPerDay;
    const unsigned long h = rest / kTicksPerHour;
    const unsigned long m = rest % kTicksPerHour / kTicksPerMinute;
    const unsigned long s = rest % kTicksPerMinute / kTicksPerSecond;
    const unsigned long hh = rest % kTicksPerSecond;
    char buf[64];
    if (days == 0) {
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", h, m, s, hh);
    } else if (days == 1) {
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, hh);
    } else {
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, h, m, s, hh);
    }
    return buf;
}

std::uint32_t TextToTimeTicks(std::string_view text) {
    const std::string trimmed = Trim(text);
    Scanner in(trimmed);
    std::uint64_t total = 0;
    std::uint64_t n = 0;
    bool whole = false;

    // "n day" / "n days", then an optional ",".
    if (in.Number(n)) {
        in.SkipBlanks();
        if (in.Take("days") || in.Take("day")) {
            total += SaturatingProduct(n, kTicksPerDay);
            in.SkipBlanks();
            in.Take(",");
            in.SkipBlanks();
            whole = in.AtEnd();
        } else {
            in.Rewind(0);
        }
    }
    // The clock: hours ":" minutes ":" seconds, with "." and two digits of
    // hundredths when there are any.
    std::uint64_t h = 0;
    std::uint64_t m = 0;
    std::uint64_t sec = 0;
    std::uint64_t hh = 0;
    if (!whole && in.Number(h) && in.Take(":") && in.TwoDigits(m, false) && m < 60 &&
        in.Take(":") && in.TwoDigits(sec, false) && sec < 60 &&
        (!in.Take(".") || in.TwoDigits(hh, true)) && in.AtEnd()) {
        total +=
            SaturatingProduct(h, kTicksPerHour) + m * kTicksPerMinute + sec * kTicksPerSecond + hh;
        whole = true;
    }
    return TimeTicksOfCount(whole ? total : Scanner::kMax + 1);
}

std::uint32_t TimeTicksOfCount(std::uint64_t ticks) {
    if (ticks > Scanner::kMax) {
        throw CvException(CommonMessage(kMsgRange, {{"[MIN]", TimeTicksToText(0)},
                                                    {"[MAX]", TimeTicksToText(Scanner::kMax)}}),
                          -kMsgRange);
    }
    return static_cast<std::uint32_t>(ticks);
}
