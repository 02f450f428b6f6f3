#include "MibValue.h"

#include <charconv>

namespace vsim {

namespace {

template <typename T>
std::optional<T> ReadNumber(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> HexToBytes(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
        if (error != std::errc() || end != text.data() + i + 2) {
            return std::nullopt;
        }
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::optional<std::string> ReadIpAddress(std::string_view text) {
    std::string bytes;
    for (int part = 0; part < 4; ++part) {
        const auto dot = text.find('.');
        if ((part < 3) == (dot == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto value = ReadNumber<unsigned>(text.substr(0, dot));
        if (!value || *value > 255) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*value);
        text.remove_prefix(part < 3 ? dot + 1 : text.size());
    }
    return bytes;
}

}  // namespace

std::optional<Syntax> SyntaxFromName(std::string_view name) {
    struct Named {
        std::string_view name;
        Syntax syntax;
    };
    static constexpr Named kNames[] = {
        {"integer", Syntax::Integer},     {"octets", Syntax::OctetString},
        {"null", Syntax::Null},           {"oid", Syntax::ObjectId},
        {"ipaddress", Syntax::IpAddress}, {"counter32", Syntax::Counter32},
        {"gauge32", Syntax::Gauge32},     {"timeticks", Syntax::TimeTicks},
        {"opaque", Syntax::Opaque},       {"counter64", Syntax::Counter64},
    };
    for (const auto& entry : kNames) {
        if (entry.name == name) {
            return entry.syntax;
        }
    }
    return std::nullopt;
}

std::optional<Syntax> SyntaxFromTag(int tag) {
    switch (tag) {
        case 0x02:
        case 0x04:
        case 0x05:
        case 0x06:
        case 0x40:
        case 0x41:
        case 0x42:
        case 0x43:
        case 0x44:
        case 0x46:
            return static_cast<Syntax>(tag);
        default:
            return std::nullopt;
    }
}

MibValue MibValue::Numeric(Syntax s, std::int64_t v) {
    MibValue value;
    value.syntax = s;
    value.number = v;
    return value;
}

MibValue MibValue::Octets(std::string v) {
    MibValue value;
    value.syntax = Syntax::OctetString;
    value.bytes = std::move(v);
    return value;
}

MibValue MibValue::Big(std::uint64_t v) {
    MibValue value;
    value.syntax = Syntax::Counter64;
    value.counter64 = v;
    return value;
}

MibValue MibValue::ObjectId(Oid v) {
    MibValue value;
    value.syntax = Syntax::ObjectId;
    value.oid = std::move(v);
    return value;
}

MibValue MibValue::Ip(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    MibValue value;
    value.syntax = Syntax::IpAddress;
    value.bytes = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                   static_cast<char>(d)};
    return value;
}

std::string FormatRecordValue(const MibValue& value) {
    const std::string tag = std::to_string(static_cast<int>(value.syntax));
    switch (value.syntax) {
        case Syntax::OctetString:
        case Syntax::Opaque:
        case Syntax::IpAddress: {
            static constexpr char kDigits[] = "0123456789abcdef";
            std::string hex;
            for (const char c : value.bytes) {
                hex += kDigits[static_cast<unsigned char>(c) >> 4];
                hex += kDigits[static_cast<unsigned char>(c) & 0xF];
            }
            return tag + "x|" + hex;
        }
        case Syntax::ObjectId:
            return tag + "|" + FormatOid(value.oid);
        case Syntax::Counter64:
            return tag + "|" + std::to_string(value.counter64);
        case Syntax::Null:
            return tag + "|";
        default:
            return tag + "|" + std::to_string(value.number);
    }
}

std::optional<MibValue> ParseValueText(Syntax syntax, std::string_view text, bool hex) {
    MibValue value;
    value.syntax = syntax;
    if (hex) {
        if (syntax != Syntax::OctetString && syntax != Syntax::Opaque &&
            syntax != Syntax::IpAddress) {
            return std::nullopt;
        }
        auto bytes = HexToBytes(text);
        if (!bytes || (syntax == Syntax::IpAddress && bytes->size() != 4)) {
            return std::nullopt;
        }
        value.bytes = std::move(*bytes);
        return value;
    }
    switch (syntax) {
        case Syntax::Integer: {
            const auto v = ReadNumber<std::int32_t>(text);
            if (!v) {
                return std::nullopt;
            }
            value.number = *v;
            return value;
        }
        case Syntax::Counter32:
        case Syntax::Gauge32:
        case Syntax::TimeTicks: {
            const auto v = ReadNumber<std::uint32_t>(text);
            if (!v) {
                return std::nullopt;
            }
            value.number = *v;
            return value;
        }
        case Syntax::Counter64: {
            const auto v = ReadNumber<std::uint64_t>(text);
            if (!v) {
                return std::nullopt;
            }
            value.counter64 = *v;
            return value;
        }
        case Syntax::OctetString:
        case Syntax::Opaque:
            value.bytes = std::string(text);
            return value;
        case Syntax::IpAddress: {
            auto bytes = ReadIpAddress(text);
            if (!bytes) {
                return std::nullopt;
            }
            value.bytes = std::move(*bytes);
            return value;
        }
        case Syntax::ObjectId: {
            auto oid = ParseOid(text);
            if (!oid) {
                return std::nullopt;
            }
            value.oid = std::move(*oid);
            return value;
        }
        case Syntax::Null:
            return text.empty() ? std::optional<MibValue>(value) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vsim
