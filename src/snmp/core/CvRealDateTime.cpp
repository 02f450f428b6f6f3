#include "CvRealDateTime.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "CvCatalogues.h"
#include "CvException.h"

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// Day 0 of the real date-time is 30 December 1899, 25569 days before 1970-01-01.
constexpr std::int64_t kEpochOffsetDays = 25569;
// 1 January 0001 and the day after 31 December 9999 as day numbers.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958466.0;

struct CivilDate {
    std::int64_t Year;
    unsigned Month;
    unsigned Day;
};

// Days since 1970-01-01 to the proleptic Gregorian calendar and back.
CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

unsigned DaysInMonth(std::int64_t y, unsigned m) {
    static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

double Compose(std::int64_t y, unsigned mo, unsigned d, unsigned h, unsigned mi, unsigned s) {
    const double date = static_cast<double>(DaysFromCivil(y, mo, d) + kEpochOffsetDays);
    const double time = (h * 3600.0 + mi * 60.0 + s) / 86400.0;
    // Before day 0 the time of day counts away from zero.
    return date >= 0 ? date + time : date - time;
}

class Reader {
public:
    explicit Reader(std::string_view text) : FText(text) {}
    bool Number(unsigned& v, std::size_t maxDigits) {
        std::size_t n = 0;
        v = 0;
        while (FPos < FText.size() && n < maxDigits && FText[FPos] >= '0' && FText[FPos] <= '9') {
            v = v * 10 + static_cast<unsigned>(FText[FPos++] - '0');
            ++n;
        }
        return n > 0;
    }
    bool Char(char c) {
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }
    void SkipBlanks() {
        while (FPos < FText.size() && FText[FPos] == ' ') {
            ++FPos;
        }
    }
    bool Word(std::string_view w) {
        if (FText.size() - FPos < w.size()) {
            return false;
        }
        for (std::size_t i = 0; i < w.size(); ++i) {
            if ((FText[FPos + i] | 0x20) != w[i]) {
                return false;
            }
        }
        FPos += w.size();
        return true;
    }
    bool AtEnd() const { return FPos == FText.size(); }

private:
    std::string_view FText;
    std::size_t FPos = 0;
};

}  // namespace

std::string RealDateTimeToText(double value) {
    if (!std::isfinite(value) || value <= kFirstDay - 1 || value >= kLastDay) {
        CvRaise(kErrBadPartialValue);
    }
    const auto totalMs = static_cast<std::int64_t>(std::llround(value * kMsPerDay));
    const std::int64_t days = totalMs / kMsPerDay;
    const std::int64_t ms = (totalMs < 0 ? -totalMs : totalMs) % kMsPerDay;
    const CivilDate date = CivilFromDays(days - kEpochOffsetDays);
    const auto secs = static_cast<unsigned>(ms / 1000);
    const unsigned h = secs / 3600;
    const unsigned h12 = h % 12 == 0 ? 12 : h % 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld/%02u/%02u %02u:%02u:%02u %s",
                  static_cast<long long>(date.Year), date.Month, date.Day, h12, secs / 60 % 60,
                  secs % 60, h < 12 ? "am" : "pm");
    return buf;
}

double TextToRealDateTime(std::string_view text) {
    Reader in(text);
    unsigned y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    in.SkipBlanks();
    bool ok =
        in.Number(y, 4) && in.Char('/') && in.Number(mo, 2) && in.Char('/') && in.Number(d, 2);
    ok = ok && y >= 1 && mo >= 1 && mo <= 12 && d >= 1 && d <= DaysInMonth(y, mo);
    in.SkipBlanks();
    if (ok && !in.AtEnd()) {
        ok = in.Number(h, 2) && in.Char(':') && in.Number(mi, 2) && mi < 60;
        if (ok && in.Char(':')) {
            ok = in.Number(s, 2) && s < 60;
        }
        in.SkipBlanks();
        const bool am = ok && in.Word("am");
        const bool pm = ok && !am && in.Word("pm");
        if (am || pm) {
            ok = h >= 1 && h <= 12;
            h = h % 12 + (pm ? 12 : 0);
        }
        ok = ok && h < 24;
        in.SkipBlanks();
    }
    if (!ok || !in.AtEnd()) {
        CvRaise(kErrBadPartialValue);
    }
    return Compose(y, mo, d, h, mi, s);
}

double CurrentRealDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Compose(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                   static_cast<unsigned>(local.tm_mday), static_cast<unsigned>(local.tm_hour),
                   static_cast<unsigned>(local.tm_min), static_cast<unsigned>(local.tm_sec));
}

std::string DoubleToBytes(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string bytes(8, '\0');
    for (std::size_t i = 0; i < 8; ++i) {
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    return bytes;
}

double BytesToDouble(std::string_view bytes) {
    if (bytes.size() < 8) {
        CvRaise(kErrBadPartialValue);
    }
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}
