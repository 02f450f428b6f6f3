#include "CvTextUtil.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

#include <locale.h>

#include "CvErrorCodes.h"
#include "CvException.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    const char l = Lower(c);
    if (l >= 'a' && l <= 'f') {
        return l - 'a' + 10;
    }
    return -1;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

// Reads digits from `pos`, saturating at `limit`.
std::uint64_t ReadDigits(std::string_view text, std::size_t pos, std::uint64_t limit) {
    std::uint64_t v = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const auto d = static_cast<std::uint64_t>(text[pos] - '0');
        if (v > (limit - d) / 10) {
            return limit;
        }
        v = v * 10 + d;
    }
    return v;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
}

std::string Unquote(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return std::string(text.substr(1, text.size() - 2));
    }
    return std::string(text);
}

std::vector<std::string> ReadLines(const std::string& fileName) {
    constexpr std::size_t kMaxLine = 1023;
    std::vector<std::string> lines;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return lines;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        for (std::size_t pos = 0; pos < line.size(); pos += kMaxLine) {
            std::string piece = line.substr(pos, kMaxLine);
            if (!Trim(piece).empty()) {
                lines.push_back(std::move(piece));
            }
        }
    }
    return lines;
}

std::string Trim(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && IsBlank(text[b])) {
        ++b;
    }
    while (e > b && IsBlank(text[e - 1])) {
        --e;
    }
    return std::string(text.substr(b, e - b));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix, bool caseSensitive) {
    if (text.size() < prefix.size()) {
        return false;
    }
    const std::string_view head = text.substr(0, prefix.size());
    return caseSensitive ? head == prefix : EqualsNoCase(head, prefix);
}

std::int64_t ReadLeadingInt64(std::string_view text) {
    std::size_t pos = SkipBlanks(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::uint64_t magnitude = ReadDigits(text, pos, negative ? kMax + 1 : kMax);
    if (negative) {
        return magnitude == kMax + 1 ? std::numeric_limits<std::int64_t>::min()
                                     : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(magnitude);
}

std::uint64_t ReadLeadingUInt64(std::string_view text) {
    const std::size_t pos = SkipBlanks(text, 0);
    return ReadDigits(text, pos, std::numeric_limits<std::uint64_t>::max());
}

std::int32_t ReadLeadingInt32(std::string_view text) {
    const std::int64_t v = ReadLeadingInt64(text);
    if (v > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

std::uint32_t ReadLeadingUInt32(std::string_view text) {
    const std::uint64_t v = ReadLeadingUInt64(text);
    return v > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                         : static_cast<std::uint32_t>(v);
}

double ReadLeadingReal(std::string_view text) {
    std::size_t pos = SkipBlanks(text, 0);
    const std::size_t begin = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    // Only digits, one point and an exponent with digits belong to the number.
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
    }
    if (end > pos && end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) {
            ++exp;
        }
        if (exp < text.size() && IsDigit(text[exp])) {
            end = exp;
            while (end < text.size() && IsDigit(text[end])) {
                ++end;
            }
        }
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string number(text.substr(begin, end - begin));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

bool IsDecimalInteger(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') {
        ++pos;
    }
    if (pos == text.size()) {
        return false;
    }
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) {
            return false;
        }
    }
    return true;
}

bool ParseUnsigned(std::string_view text, std::uint64_t max, std::uint64_t& value) {
    const std::string digits = Trim(text);
    if (digits.empty()) {
        return false;
    }
    std::uint64_t v = 0;
    for (const char c : digits) {
        if (!IsDigit(c)) {
            return false;
        }
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (d > max || v > (max - d) / 10) {
            return false;
        }
        v = v * 10 + d;
    }
    value = v;
    return true;
}

bool ParseInteger(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& value) {
    const std::string trimmed = Trim(text);
    const bool negative = !trimmed.empty() && trimmed.front() == '-';
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative ? (min < 0 ? 0 - static_cast<std::uint64_t>(min) : 0)
                                         : (max < 0 ? 0 : static_cast<std::uint64_t>(max));
    if ((negative && min >= 0) ||
        !ParseUnsigned(std::string_view(trimmed).substr(negative ? 1 : 0), limit, magnitude)) {
        return false;
    }
    const std::int64_t v =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    if (v < min || v > max) {
        return false;
    }
    value = v;
    return true;
}

bool ParseReal(std::string_view text, double& value) {
    const std::string trimmed = Trim(text);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    // strtod also takes hexadecimal numbers, "inf" and "nan": digits come first.
    const std::size_t first = trimmed.find_first_not_of("+-");
    if (first > 1 || first == std::string::npos ||
        !(IsDigit(trimmed[first]) || trimmed[first] == '.')) {
        return false;
    }
    if (trimmed.find_first_of("xXnN") != std::string::npos) {
        return false;
    }
    char* end = nullptr;
    const double v = strtod_l(trimmed.c_str(), &end, cLocale);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(v)) {
        return false;
    }
    value = v;
    return true;
}

std::string RealToText(double value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

std::string BytesToHex(std::string_view bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::string HexToBytes(std::string_view text) {
    std::string digits;
    digits.reserve(text.size());
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (HexDigit(c) < 0) {
            CvRaise(kErrBadPartialValue);
        }
        digits += c;
    }
    std::string out;
    out.reserve(digits.size() / 2 + 1);
    std::size_t pos = 0;
    if (digits.size() % 2 == 1) {
        out += static_cast<char>(HexDigit(digits[0]));
        pos = 1;
    }
    for (; pos < digits.size(); pos += 2) {
        out += static_cast<char>(HexDigit(digits[pos]) * 16 + HexDigit(digits[pos + 1]));
    }
    return out;
}
