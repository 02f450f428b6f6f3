#include "CvFormatSpec.h"

#include <cfloat>
#include <cmath>

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvNumList.h"
#include "CvTextUtil.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Range bounds are written with these characters only.
bool IsNumberChar(char c) {
    return IsDigit(c) || c == '-' || c == '.';
}

[[noreturn]] void Reject() {
    CvRaise(kErrBadFormatSpec);
}

// The run of accepted characters from `pos` on; an option without it is malformed.
std::string_view TakeRun(std::string_view text, std::size_t& pos, bool (*accept)(char)) {
    const std::size_t begin = pos;
    while (pos < text.size() && accept(text[pos])) {
        ++pos;
    }
    if (pos == begin) {
        Reject();
    }
    return text.substr(begin, pos - begin);
}

// Returns false for an unknown type letter.
bool SetTypeDefaults(CvFormatSpec& format) {
    switch (format.Type) {
        case 'i':
            format.Min = -2147483648.0;
            format.Max = 2147483647.0;
            return true;
        case 'u':
        case 'n':
            format.Min = 0;
            format.Max = 4294967295.0;
            return true;
        case 'f':
            // The smallest positive normal double: a plain "%f" refuses 0 and negatives.
            format.Min = DBL_MIN;
            format.Max = DBL_MAX;
            return true;
        case 'h':
        case 's':
            // Texts have no range; keep one that nothing can fall outside of.
            format.Min = -DBL_MAX;
            format.Max = DBL_MAX;
            return true;
        default:
            return false;
    }
}

// "a", "f" and "n" directly after the digits of "l". An "n" followed by a
// number is the minimum option instead.
void TakeLengthFlags(std::string_view options, std::size_t& pos, CvFormatSpec& format) {
    for (int taken = 0; taken < 3 && pos < options.size(); ++taken) {
        const char c = options[pos];
        const bool numberFollows = pos + 1 < options.size() && IsNumberChar(options[pos + 1]);
        std::uint16_t flag = 0;
        if (c == 'a') {
            flag = CvFormatSpec::kAdvanceWhenFull;
        } else if (c == 'f') {
            flag = CvFormatSpec::kExactLength;
        } else if (c == 'n' && !numberFollows) {
            flag = CvFormatSpec::kNotEmpty;
        } else {
            return;
        }
        format.Flags |= flag;
        ++pos;
    }
}

void ParseOptions(std::string_view options, CvFormatSpec& format) {
    std::size_t pos = 0;
    while (pos < options.size()) {
        const char letter = options[pos++];
        switch (letter) {
            case 'n':
                format.Min = ReadLeadingReal(TakeRun(options, pos, IsNumberChar));
                break;
            case 'x':
                format.Max = ReadLeadingReal(TakeRun(options, pos, IsNumberChar));
                break;
            case 'l':
                format.MaxLength = ReadLeadingInt32(TakeRun(options, pos, IsDigit));
                TakeLengthFlags(options, pos, format);
                break;
            case 'w':
                format.Width = ReadLeadingInt32(TakeRun(options, pos, IsDigit));
                break;
            case 'e':
                if (pos >= options.size()) {
                    Reject();
                }
                format.AdvanceChar = options[pos++];
                break;
            default:
                Reject();
        }
    }
}

}  // namespace

CvFormatSpec ParseFormatSpec(std::string_view format) {
    if (format.size() < 2 || format[0] != '%') {
        Reject();
    }
    CvFormatSpec result;
    result.Type = format[1];
    if (!SetTypeDefaults(result)) {
        Reject();
    }
    std::size_t pos = 2;
    if (result.Type == 'n') {
        if (pos >= format.size()) {
            Reject();
        }
        result.Delimiter = format[pos++];
    }
    if (pos == format.size()) {
        return result;
    }
    // Anything after the type must be one complete option part.
    if (format[pos] != '{' || format.size() - pos < 2 || format.back() != '}') {
        Reject();
    }
    ParseOptions(format.substr(pos + 1, format.size() - pos - 2), result);
    return result;
}

std::vector<std::string> SplitFormatSpecs(std::string_view format) {
    std::vector<std::string> formats;
    std::size_t pos = format.find('%');
    while (pos != std::string_view::npos) {
        const std::size_t next = format.find('%', pos + 1);
        const std::size_t length = next == std::string_view::npos ? next : next - pos;
        formats.emplace_back(format.substr(pos, length));
        pos = next;
    }
    return formats;
}

int CountFormatControls(std::string_view format) {
    constexpr std::string_view kTypeLetters = "shiufn";
    int count = 0;
    for (std::size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] == '%' && kTypeLetters.find(format[i + 1]) != std::string_view::npos) {
            ++count;
        }
    }
    return count;
}

namespace {

// Lengths count as the edits count them: UTF-16 code units.
std::size_t Utf16Length(std::string_view text) {
    std::size_t length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        length += (byte & 0xC0) != 0x80 ? 1 : 0;  // a lead or single byte
        length += byte >= 0xF0 ? 1 : 0;           // beyond the 16 bits: a surrogate pair
    }
    return length;
}

std::string LengthRefusal(const CvFormatSpec& format, std::size_t length, bool refusedChar) {
    const bool hex = format.Type == 'h';
    const std::string limit = std::to_string(format.MaxLength);
    if ((format.Flags & CvFormatSpec::kExactLength) != 0 && format.MaxLength > 0) {
        if (length == static_cast<std::size_t>(format.MaxLength) && !refusedChar) {
            return {};
        }
        return CommonMessage(hex ? kMsgHexLength : kMsgTextLength, {{"[LEN]", limit}});
    }
    if ((format.MaxLength <= 0 || length <= static_cast<std::size_t>(format.MaxLength)) &&
        !refusedChar) {
        return {};
    }
    return CommonMessage(hex ? kMsgHexTooLong : kMsgTextTooLong, {{"[MAXLEN]", limit}});
}

std::string ListRefusal(const CvFormatSpec& format, std::string_view text, bool refusedChar) {
    const std::string delimiter(1, format.Delimiter);
    const double lowest = std::trunc(format.Min);
    const double highest = std::trunc(format.Max);
    const std::string rangeMessage = CommonMessage(kMsgListRange, {{"[DELIMITER]", delimiter},
                                                                   {"[MIN]", RealToText(lowest)},
                                                                   {"[MAX]", RealToText(highest)}});
    if (refusedChar) {
        return rangeMessage;
    }
    CvNumList<std::uint32_t> list(format.Delimiter);
    list.Parse(text);
    const std::string limit = std::to_string(format.MaxLength);
    if (format.MaxLength > 0) {
        if ((format.Flags & CvFormatSpec::kExactLength) != 0) {
            if (list.Count() != format.MaxLength) {
                return CommonMessage(kMsgNumberCount,
                                     {{"[DELIMITER]", delimiter}, {"[COUNT]", limit}});
            }
        } else if (list.Count() > format.MaxLength) {
            return CommonMessage(kMsgTooManyNumbers,
                                 {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", limit}});
        }
    }
    for (const std::uint32_t v : list.Values) {
        if (v < lowest || v > highest) {
            return rangeMessage;
        }
    }
    return {};
}

}  // namespace

std::size_t FirstRefusedChar(const CvFormatSpec& format, std::string_view text) {
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        bool fits = IsDigit(c);
        switch (format.Type) {
            case 'f':
                if (c == '-') {
                    fits = i == 0;
                } else if (c == '.') {
                    fits = !point;
                    point = true;
                }
                break;
            case 'h':
                fits = fits || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
                break;
            case 'i':
                if (c == '-') {
                    fits = i == 0;
                }
                break;
            case 'n':
                if (c == format.Delimiter) {
                    fits = i > 0 && text[i - 1] != format.Delimiter;
                }
                break;
            case 'u':
                break;
            default:  // "s" takes anything
                return std::string_view::npos;
        }
        if (!fits) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string FormatRefusal(const CvFormatSpec& format, std::string_view text) {
    if (text.empty()) {
        return (format.Flags & CvFormatSpec::kNotEmpty) != 0 ? CommonMessage(kMsgEmpty, {}) : "";
    }
    const bool refusedChar = FirstRefusedChar(format, text) != std::string_view::npos;
    switch (format.Type) {
        case 'f':
        case 'i':
        case 'u': {
            // "-" or "." alone would go out as 0.
            const bool digits = text.find_first_of("0123456789") != std::string_view::npos;
            const double v = ReadLeadingReal(text);
            if (!refusedChar && digits && v >= format.Min && v <= format.Max) {
                return {};
            }
            return CommonMessage(
                kMsgRange, {{"[MIN]", RealToText(format.Min)}, {"[MAX]", RealToText(format.Max)}});
        }
        case 'h':
        case 's':
            return LengthRefusal(format, Utf16Length(text), refusedChar);
        case 'n':
            return ListRefusal(format, text, refusedChar);
        default:
            return {};
    }
}
