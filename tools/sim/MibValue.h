#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "SimOid.h"

namespace vsim {

// SNMP syntaxes by their BER tag, the numbering .snmprec files use.
enum class Syntax : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
};

// The name used in the behaviour file ("integer", "octets", ...); nullopt
// when unknown.
std::optional<Syntax> SyntaxFromName(std::string_view name);
std::optional<Syntax> SyntaxFromTag(int tag);

struct MibValue {
    Syntax syntax = Syntax::Null;
    // Integer (signed 32 bits) and the unsigned 32-bit syntaxes.
    std::int64_t number = 0;
    std::uint64_t counter64 = 0;
    // OctetString, Opaque, and IpAddress as its four bytes.
    std::string bytes;
    Oid oid;

    static MibValue Integer(std::int64_t v) { return Numeric(Syntax::Integer, v); }
    static MibValue Numeric(Syntax s, std::int64_t v);
    static MibValue Octets(std::string v);
    static MibValue Big(std::uint64_t v);
    static MibValue ObjectId(Oid v);
    static MibValue Ip(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);

    bool operator==(const MibValue&) const = default;
};

// The .snmprec record of a value, "TAG|VALUE"; strings are written in
// hexadecimal, so any bytes go through.
std::string FormatRecordValue(const MibValue& value);

// Reads the value text of a .snmprec record for `syntax`; `hex` when the
// tag carried the "x" suffix. nullopt when the text does not fit.
std::optional<MibValue> ParseValueText(Syntax syntax, std::string_view text, bool hex);

}  // namespace vsim
