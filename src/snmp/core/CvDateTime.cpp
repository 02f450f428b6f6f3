#include "CvDateTime.h"

#include <array>
#include <cstdio>

#include "CvErrorCodes.h"
#include "CvException.h"
#include "CvTextUtil.h"

namespace {

// Reads `text` against `pattern`: 'd' stands for a decimal number of digits
// only, any other character must appear as is. True when the whole text
// matches; the numbers are written to `out`.
bool MatchNumbers(std::string_view text, std::string_view pattern,
                  std::array<std::uint64_t, 9>& out) {
    std::size_t pos = 0;
    std::size_t count = 0;
    for (const char p : pattern) {
        if (p != 'd') {
            if (pos >= text.size() || text[pos] != p) {
                return false;
            }
            ++pos;
            continue;
        }
        const std::size_t begin = pos;
        std::uint64_t v = 0;
        for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
            v = v > 0xFFFFFFFFu ? v : v * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        }
        if (pos == begin) {
            return false;
        }
        out[count++] = v;
    }
    return pos == text.size();
}

}  // namespace

CvDateTime CvDateTime::FromBytes(std::string_view bytes) {
    std::array<std::uint8_t, kWireSize> b{};
    for (std::size_t i = 0; i < kWireSize && i < bytes.size(); ++i) {
        b[i] = static_cast<std::uint8_t>(bytes[i]);
    }
    CvDateTime dt;
    dt.Year = static_cast<std::uint16_t>(b[0] << 8 | b[1]);
    dt.Month = b[2];
    dt.Day = b[3];
    dt.Hour = b[4];
    dt.Minutes = b[5];
    dt.Seconds = b[6];
    dt.DeciSeconds = b[7];
    dt.Direction = b[8] == 0 ? '+' : static_cast<char>(b[8]);
    dt.UtcHours = b[9];
    dt.UtcMinutes = b[10];
    return dt;
}

CvDateTime CvDateTime::FromText(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::array<std::uint64_t, 9> n{};
    char direction = '+';
    if (!MatchNumbers(trimmed, "d-d-d,d:d:d.d,+d:d", n)) {
        direction = '-';
        if (!MatchNumbers(trimmed, "d-d-d,d:d:d.d,-d:d", n)) {
            direction = '+';
            n.fill(0);
            if (!MatchNumbers(trimmed, "d-d-d,d:d:d.d", n)) {
                CvRaise(kErrBadPartialValue);
            }
        }
    }
    // Every number fits its field: nothing is cut to another date.
    if (n[0] > 0xFFFF) {
        CvRaise(kErrBadPartialValue);
    }
    for (std::size_t i = 1; i < n.size(); ++i) {
        if (n[i] > 0xFF) {
            CvRaise(kErrBadPartialValue);
        }
    }
    CvDateTime dt;
    dt.Year = static_cast<std::uint16_t>(n[0]);
    dt.Month = static_cast<std::uint8_t>(n[1]);
    dt.Day = static_cast<std::uint8_t>(n[2]);
    dt.Hour = static_cast<std::uint8_t>(n[3]);
    dt.Minutes = static_cast<std::uint8_t>(n[4]);
    dt.Seconds = static_cast<std::uint8_t>(n[5]);
    dt.DeciSeconds = static_cast<std::uint8_t>(n[6]);
    dt.Direction = direction;
    dt.UtcHours = static_cast<std::uint8_t>(n[7]);
    dt.UtcMinutes = static_cast<std::uint8_t>(n[8]);
    return dt;
}

std::string CvDateTime::ToBytes() const {
    const char bytes[kWireSize] = {
        static_cast<char>(Year >> 8), static_cast<char>(Year & 0xFF), static_cast<char>(Month),
        static_cast<char>(Day),       static_cast<char>(Hour),        static_cast<char>(Minutes),
        static_cast<char>(Seconds),   static_cast<char>(DeciSeconds), Direction,
        static_cast<char>(UtcHours),  static_cast<char>(UtcMinutes)};
    return std::string(bytes, kWireSize);
}

std::string CvDateTime::ToText() const {
    char buf[96];
    if (UtcHours == 0 && UtcMinutes == 0) {
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes,
                      Seconds, DeciSeconds);
    } else {
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour,
                      Minutes, Seconds, DeciSeconds, Direction, UtcHours, UtcMinutes);
    }
    return buf;
}
