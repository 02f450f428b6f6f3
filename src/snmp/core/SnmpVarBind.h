#pragma once

#include <cstdint>
#include <string>

// Wire tags of the values a variable binding carries (ASN.1/SMI, RFC 2578,
// and the SNMPv2 exception values of RFC 3416).
namespace AsnTag {
enum : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    NsapAddress = 0x45,
    Counter64 = 0x46,
    UInteger32 = 0x47,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};
}

// One variable binding as the engine exchanges it: the object identifier and
// a tagged value. The SNMP library facade converts to and from this type.
struct SnmpVarBind {
    std::string Oid;  // dotted decimal
    std::uint8_t Tag = AsnTag::Null;
    std::int64_t Integer = 0;    // INTEGER
    std::uint64_t Unsigned = 0;  // Counter32, Gauge32, TimeTicks, UInteger32, Counter64
    std::string Bytes;           // OCTET STRING, Opaque, IpAddress, NsapAddress
    std::string ObjectId;        // OBJECT IDENTIFIER value, dotted decimal

    bool IsSigned() const { return Tag == AsnTag::Integer; }
    bool IsUnsigned() const {
        return Tag == AsnTag::Counter32 || Tag == AsnTag::Gauge32 || Tag == AsnTag::TimeTicks ||
               Tag == AsnTag::UInteger32 || Tag == AsnTag::Counter64;
    }
    bool IsBytes() const {
        return Tag == AsnTag::OctetString || Tag == AsnTag::Opaque || Tag == AsnTag::IpAddress ||
               Tag == AsnTag::NsapAddress;
    }
    // True when the value has no printable form: NULL, an exception value, or
    // an empty string or object identifier.
    bool PrintableEmpty() const {
        if (IsSigned() || IsUnsigned()) {
            return false;
        }
        if (IsBytes()) {
            return Bytes.empty();
        }
        if (Tag == AsnTag::ObjectId) {
            return ObjectId.empty();
        }
        return true;
    }
};
