#include "CvPackedField.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvException.h"
#include "CvOidText.h"
#include "CvRealDateTime.h"
#include "CvSNMPVar.h"
#include "CvTextUtil.h"
#include "CvTimeTicks.h"
#include "CvValueCheck.h"

namespace {

constexpr std::int32_t kToEnd = -1;
const char kNull[] = "(NULL)";

// Width in bytes of a field; kToEnd for fields that run to the end.
std::int32_t FieldWidth(std::uint32_t syntax) {
    using namespace CvSyntax;
    switch (syntax) {
        case boolean:
        case integer:
        case counter:
        case guage:
        case uinteger:
        case timeticks:
        case ipaddress:
        case nsapaddr:
            return 4;
        case counter64:
        case double_:
        case bcdatetime:
            return 8;
        case macaddress:
            return 6;
        case datetime:
            return 11;
        case ipv6address:
            return 16;
        case bitstr:
        case octetstr:
        case objectid:
        case opaque:
        case displaystr:
            return kToEnd;
        case null:
            return 0;
        case bool8:
        case int8:
        case uint8:
            return 1;
        case bool16:
        case int16:
        case uint16:
            return 2;
        default:
            CvRaise(kErrBadSyntax);
    }
}

std::uint64_t LittleEndian(std::string_view bytes, std::size_t width) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < width; ++i) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return v;
}

std::uint32_t BigEndian16(std::string_view bytes) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                      static_cast<unsigned char>(bytes[1]));
}

std::string ToLittleEndian(std::uint64_t v, std::size_t width) {
    std::string bytes(width, '\0');
    for (std::size_t i = 0; i < width; ++i) {
        bytes[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string ToBigEndian16(std::uint32_t v) {
    return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}

std::string OidFieldText(std::string_view bytes) {
    if (bytes.size() % 4 != 0) {
        CvRaise(kErrBadPartialValue);
    }
    std::vector<std::uint32_t> subids;
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        subids.push_back(static_cast<std::uint32_t>(LittleEndian(bytes.substr(i), 4)));
    }
    return OidToText(subids);
}

}  // namespace

std::string ExtractField(std::string_view bytes, std::int32_t offset, std::uint32_t syntax) {
    const std::int32_t width = FieldWidth(syntax);
    if (bytes.empty() || syntax == CvSyntax::null) {
        return "";
    }
    if (offset < 0 || static_cast<std::size_t>(offset) > bytes.size()) {
        CvRaise(kErrPartialOutOfRange);
    }
    const auto start = static_cast<std::size_t>(offset);
    if (width == kToEnd) {
        return std::string(bytes.substr(start));
    }
    if (bytes.size() - start < static_cast<std::size_t>(width)) {
        CvRaise(kErrPartialOutOfRange);
    }
    return std::string(bytes.substr(start, static_cast<std::size_t>(width)));
}

std::string FieldToText(std::uint32_t syntax, std::string_view bytes) {
    using namespace CvSyntax;
    const std::int32_t width = FieldWidth(syntax);
    if (bytes.empty()) {
        return syntax == displaystr ? "" : kNull;
    }
    if (width != kToEnd && bytes.size() < static_cast<std::size_t>(width)) {
        CvRaise(kErrBadPartialValue);
    }
    switch (syntax) {
        case boolean:
            return LittleEndian(bytes, 4) != 0 ? "true" : "false";
        case integer:
            return std::to_string(static_cast<std::int32_t>(LittleEndian(bytes, 4)));
        case counter:
        case guage:
        case uinteger:
            return std::to_string(LittleEndian(bytes, 4));
        case timeticks:
            return TimeTicksToText(static_cast<std::uint32_t>(LittleEndian(bytes, 4)));
        case ipaddress:
        case nsapaddr:
            return DottedQuad(bytes.substr(0, 4));
        case counter64:
            return std::to_string(LittleEndian(bytes, 8));
        case double_:
            return RealToText(BytesToDouble(bytes));
        case bcdatetime:
            return RealDateTimeToText(BytesToDouble(bytes));
        case datetime:
            return CvDateTime::FromBytes(bytes).ToText();
        case bitstr:
        case octetstr:
        case opaque:
        case macaddress:
        case ipv6address:
            return BytesToHex(bytes);
        case objectid:
            return OidFieldText(bytes);
        case displaystr:
            return std::string(bytes);
        case null:
            return kNull;
        case bool8:
            return bytes[0] != 0 ? "true" : "false";
        case int8:
            return std::to_string(static_cast<std::int8_t>(bytes[0]));
        case uint8:
            return std::to_string(static_cast<unsigned char>(bytes[0]));
        case bool16:
            return BigEndian16(bytes) != 0 ? "true" : "false";
        case int16:
            return std::to_string(static_cast<std::int16_t>(BigEndian16(bytes)));
        case uint16:
            return std::to_string(BigEndian16(bytes));
        default:
            CvRaise(kErrBadSyntax);
    }
}

std::string TextToField(std::uint32_t syntax, std::string_view text) {
    using namespace CvSyntax;
    FieldWidth(syntax);  // rejects unknown codes
    if (text == kNull) {
        return "";
    }
    // An empty part edit is a zero field, so the parts after it keep their
    // offsets; any other text is a whole number of the field's range.
    const auto number = [text](std::int64_t min, std::int64_t max) {
        return text.empty() ? 0 : IntegerOfText(text, min, max);
    };
    const auto unsignedNumber = [text](std::uint64_t max) {
        return text.empty() ? 0 : UnsignedOfText(text, max);
    };
    switch (syntax) {
        case boolean:
            return ToLittleEndian(text == "true" ? 1 : 0, 4);
        case integer:
            return ToLittleEndian(static_cast<std::uint32_t>(number(INT32_MIN, INT32_MAX)), 4);
        case counter:
        case guage:
        case uinteger:
            return ToLittleEndian(static_cast<std::uint32_t>(unsignedNumber(UINT32_MAX)), 4);
        case timeticks:
            return ToLittleEndian(text.empty() ? 0 : TextToTimeTicks(text), 4);
        case ipaddress:
        case nsapaddr:
            return text.empty() ? std::string(4, '\0') : ValueAddressBytes(text);
        case counter64:
            return ToLittleEndian(unsignedNumber(UINT64_MAX), 8);
        case double_:
            return DoubleToBytes(text.empty() ? 0.0 : RealOfText(text));
        case bcdatetime:
            return DoubleToBytes(text.empty() ? 0.0 : TextToRealDateTime(text));
        case datetime:
            return (text.empty() ? CvDateTime{} : CvDateTime::FromText(text)).ToBytes();
        case bitstr:
        case octetstr:
        case opaque:
        case macaddress:
        case ipv6address:
            return HexToBytes(text);
        case objectid: {
            std::string bytes;
            for (const std::uint32_t v : ValueOidSubids(text)) {
                bytes += ToLittleEndian(v, 4);
            }
            return bytes;
        }
        case displaystr:
            return std::string(text);
        case null:
            return "";
        case bool8:
            return std::string(1, text == "true" ? '\1' : '\0');
        case int8:
            return std::string(1, static_cast<char>(number(-128, 127)));
        case uint8:
            return std::string(1, static_cast<char>(number(0, 255)));
        case bool16:
            return ToBigEndian16(text == "true" ? 1 : 0);
        case int16:
            return ToBigEndian16(static_cast<std::uint32_t>(number(-32768, 32767)));
        case uint16:
            return ToBigEndian16(static_cast<std::uint32_t>(number(0, 65535)));
        default:
            CvRaise(kErrBadSyntax);
    }
}
