#pragma once

#include <cstdint>
#include <string>

class CvOptionList;

// Access flags of a descriptor (field 4).
namespace CvAccess {
enum : std::uint32_t {
    notaccess = 0x01,  // index column: value decoded from the instance part
    readonly = 0x02,
    writeonly = 0x04,
    readwrite = 0x06,
    derived = 0x08,
    hidden = 0x10,
    invalid = 0x20,  // excluded from the exchange and the display
    implied = 0x40,  // last variable-length index encoded without length
};
}

// Syntax codes (field 3): ASN.1 tags below 0x48, the system's own display
// syntaxes from 0x48, packed-field syntaxes from 0xC1.
namespace CvSyntax {
enum : std::uint32_t {
    boolean = 1,
    integer = 2,
    bitstr = 3,
    octetstr = 4,
    null = 5,
    objectid = 6,
    ipaddress = 0x40,
    counter = 0x41,
    guage = 0x42,
    timeticks = 0x43,
    opaque = 0x44,
    nsapaddr = 0x45,
    counter64 = 0x46,
    uinteger = 0x47,
    double_ = 0x48,
    macaddress = 0x49,
    datetime = 0x4A,
    bcdatetime = 0x4B,
    displaystr = 0x4C,
    ipv6address = 0x4D,
    bool8 = 0xC1,
    int8 = 0xC2,
    uint8 = 0xC3,
    bool16 = 0xC4,
    int16 = 0xC5,
    uint16 = 0xC6,
};
}

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
