#pragma once

#include <cstdint>
#include <string>

class CvOptionList;

// Access flags of a descriptor (field 4).
namespace CvAccess {
constexpr std::uint32_t notaccess = 0x01;  // index column: value decoded from the instance part
constexpr std::uint32_t readonly = 0x02;
constexpr std::uint32_t writeonly = 0x04;
constexpr std::uint32_t readwrite = 0x06;
constexpr std::uint32_t derived = 0x08;
constexpr std::uint32_t hidden = 0x10;
constexpr std::uint32_t invalid = 0x20;  // excluded from the exchange and the display
constexpr std::uint32_t implied = 0x40;  // last variable-length index encoded without length
}  // namespace CvAccess

// Syntax codes (field 3): ASN.1 tags below 0x48, the system's own display
// syntaxes from 0x48, packed-field syntaxes from 0xC1.
namespace CvSyntax {
constexpr std::uint32_t boolean = 1;
constexpr std::uint32_t integer = 2;
constexpr std::uint32_t bitstr = 3;
constexpr std::uint32_t octetstr = 4;
constexpr std::uint32_t null = 5;
constexpr std::uint32_t objectid = 6;
constexpr std::uint32_t ipaddress = 0x40;
constexpr std::uint32_t counter = 0x41;
constexpr std::uint32_t guage = 0x42;
constexpr std::uint32_t timeticks = 0x43;
constexpr std::uint32_t opaque = 0x44;
constexpr std::uint32_t nsapaddr = 0x45;
constexpr std::uint32_t counter64 = 0x46;
constexpr std::uint32_t uinteger = 0x47;
constexpr std::uint32_t double_ = 0x48;
constexpr std::uint32_t macaddress = 0x49;
constexpr std::uint32_t datetime = 0x4A;
constexpr std::uint32_t bcdatetime = 0x4B;
constexpr std::uint32_t displaystr = 0x4C;
constexpr std::uint32_t ipv6address = 0x4D;
constexpr std::uint32_t bool8 = 0xC1;
constexpr std::uint32_t int8 = 0xC2;
constexpr std::uint32_t uint8 = 0xC3;
constexpr std::uint32_t bool16 = 0xC4;
constexpr std::uint32_t int16 = 0xC5;
constexpr std::uint32_t uint16 = 0xC6;
}  // namespace CvSyntax

// Item types: how a list is exchanged.
constexpr std::uint8_t SVT_SV = 0;   // a group of scalars
constexpr std::uint8_t MVT_SV = 1;   // one instance of columnar objects
constexpr std::uint8_t MVT_FMV = 2;  // a table; bound controls disabled until a line is selected
constexpr std::uint8_t MVT_UMV = 3;  // a table; bound controls left as they are

// One record of a compiled descriptor table. A table ends with a record whose
// Oid is null. Fields 6 to 10 are null in every compiled table.
struct CvSNMPVarDesc {
    const char* Oid = nullptr;
    const char* Label = nullptr;
    std::uint32_t Syntax = 0;
    std::uint32_t Access = 0;
    const CvOptionList* Options = nullptr;
    const char* ReadExpr = nullptr;
    const char* WriteExpr = nullptr;
    const char* Reserved = nullptr;
    const char* Value = nullptr;
    const char* InstanceOid = nullptr;
};

// The working copy of one descriptor inside a CvSNMPVarList: every text is
// owned, the option list is shared. Empty texts stand for the null ones.
struct CvSNMPVar {
    std::string Oid;
    std::string Label;
    std::uint32_t Syntax = 0;
    std::uint32_t Access = 0;
    const CvOptionList* Options = nullptr;
    std::string ReadExpr;
    std::string WriteExpr;
    std::string Reserved;
    std::string Value;        // display text of the current value
    std::string InstanceOid;  // column OID plus instance of the last row read

    CvSNMPVar() = default;
    explicit CvSNMPVar(const CvSNMPVarDesc& desc);
};
