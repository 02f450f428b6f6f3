#include "CvValueCheck.h"

#include <array>
#include <limits>

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvException.h"
#include "CvOidText.h"
#include "CvRealDateTime.h"
#include "CvSNMPVar.h"
#include "CvTextUtil.h"
#include "CvTimeTicks.h"

namespace {

using namespace CvSyntax;

const char kNull[] = "(NULL)";

CvValueRefusal Refusal(int index,
                       std::initializer_list<std::pair<std::string_view, std::string>> fills) {
    return {-index, CommonMessage(index, fills)};
}

CvValueRefusal RangeRefusal(const std::string& min, const std::string& max) {
    return Refusal(kMsgRange, {{"[MIN]", min}, {"[MAX]", max}});
}

template <typename Convert>
CvValueRefusal Caught(Convert&& convert) {
    try {
        convert();
        return {};
    } catch (const CvException& e) {
        return {e.Code(), e.Message()};
    }
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Hexadecimal text as HexToBytes reads it (blanks between the digits
// allowed); `digits` > 0 asks for exactly that many digits.
CvValueRefusal HexRefusal(std::string_view text, std::size_t digits) {
    std::size_t count = 0;
    bool refused = false;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            refused = refused || !IsHexDigit(c);
            ++count;
        }
    }
    if (digits > 0 && (refused || count != digits)) {
        return Refusal(kMsgHexLength, {{"[LEN]", std::to_string(digits)}});
    }
    return refused ? CvValueRefusal{kErrBadPartialValue, CodeMessage(kErrBadPartialValue)}
                   : CvValueRefusal{};
}

// A dotted quad: a count other than four numbers, or a number beyond 255 or
// none between two dots, with the messages the edit checks give.
CvValueRefusal AddressRefusal(std::string_view text) {
    std::array<std::uint8_t, 4> quad{};
    if (ParseDottedQuad(text, quad)) {
        return {};
    }
    const std::string trimmed = Trim(text);
    std::size_t numbers = 1;
    bool digitsOnly = !trimmed.empty();
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c == '.') {
            ++numbers;
            digitsOnly = digitsOnly && i > 0 && i + 1 < trimmed.size() && trimmed[i - 1] != '.';
        } else if (c < '0' || c > '9') {
            digitsOnly = false;
        }
    }
    if (digitsOnly && numbers != 4) {
        return Refusal(kMsgNumberCount, {{"[DELIMITER]", "."}, {"[COUNT]", "4"}});
    }
    return Refusal(kMsgListRange, {{"[DELIMITER]", "."}, {"[MIN]", "0"}, {"[MAX]", "255"}});
}

}  // namespace

std::int64_t IntegerOfText(std::string_view text, std::int64_t min, std::int64_t max) {
    std::int64_t value = 0;
    if (!ParseInteger(text, min, max, value)) {
        const CvValueRefusal refusal = RangeRefusal(std::to_string(min), std::to_string(max));
        throw CvException(refusal.Message, refusal.Code);
    }
    return value;
}

std::uint64_t UnsignedOfText(std::string_view text, std::uint64_t max) {
    std::uint64_t value = 0;
    if (!ParseUnsigned(text, max, value)) {
        const CvValueRefusal refusal = RangeRefusal("0", std::to_string(max));
        throw CvException(refusal.Message, refusal.Code);
    }
    return value;
}

double RealOfText(std::string_view text) {
    double value = 0;
    if (!ParseReal(text, value)) {
        constexpr double kMax = std::numeric_limits<double>::max();
        const CvValueRefusal refusal = RangeRefusal(RealToText(-kMax), RealToText(kMax));
        throw CvException(refusal.Message, refusal.Code);
    }
    return value;
}

CvValueRefusal RefuseValueText(std::uint32_t syntax, std::string_view text) {
    if (text == kNull) {
        return {};
    }
    switch (syntax) {
        case boolean:
            return text == "true" || text == "false"
                       ? CvValueRefusal{}
                       : CvValueRefusal{kErrBadPartialValue, CodeMessage(kErrBadPartialValue)};
        case integer:
            return Caught([&] {
                IntegerOfText(text, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max());
            });
        case counter:
        case guage:
        case uinteger:
            return Caught([&] { UnsignedOfText(text, std::numeric_limits<std::uint32_t>::max()); });
        case counter64:
            return Caught([&] { UnsignedOfText(text, std::numeric_limits<std::uint64_t>::max()); });
        case timeticks:
            return Caught([&] { TextToTimeTicks(text); });
        case double_:
            return Caught([&] { RealOfText(text); });
        case bitstr:
        case octetstr:
        case opaque:
            return HexRefusal(text, 0);
        case macaddress:
            return HexRefusal(text, 12);
        case ipv6address:
            return HexRefusal(text, 32);
        case ipaddress:
        case nsapaddr:
            return AddressRefusal(text);
        case objectid:
            return Caught([&] { ValueOidSubids(text); });
        case datetime:
            return Caught([&] { CvDateTime::FromText(text); });
        case bcdatetime:
            return Caught([&] { TextToRealDateTime(text); });
        case null:
        case displaystr:
            return {};
        default:
            return {kErrBadSyntax, CodeMessage(kErrBadSyntax)};
    }
}

void RequireValueText(std::uint32_t syntax, std::string_view text) {
    if (const CvValueRefusal refusal = RefuseValueText(syntax, text)) {
        throw CvException(refusal.Message, refusal.Code);
    }
}
