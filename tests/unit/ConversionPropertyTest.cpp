// Randomized checks of the conversions over many generated inputs (fixed
// seeds, bounded counts, so every run sees the same cases).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "CvCatalogues.h"
#include "CvIndexCoding.h"
#include "CvPackedField.h"
#include "CvRealDateTime.h"
#include "CvValueConversion.h"
#include "TestSupport.h"

namespace {

constexpr int kRounds = 3000;

class Generator {
public:
    explicit Generator(std::uint32_t seed) : FRandom(seed) {}

    std::uint64_t Below(std::uint64_t n) {
        return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(FRandom);
    }
    std::uint64_t Any64() { return std::uniform_int_distribution<std::uint64_t>()(FRandom); }
    std::string Bytes(std::size_t maxLength) {
        std::string s(Below(maxLength + 1), '\0');
        for (char& c : s) {
            c = static_cast<char>(Below(256));
        }
        return s;
    }
    // A sub-identifier that is mostly small, sometimes large.
    std::uint32_t Subid() {
        return static_cast<std::uint32_t>(Below(4) == 0 ? Any64() & 0xFFFFFFFFu : Below(300));
    }
    std::string OidText(std::size_t maxLength) {
        std::string s;
        const std::size_t n = Below(maxLength + 1);
        for (std::size_t i = 0; i < n; ++i) {
            s += (i ? "." : "") + std::to_string(Subid());
        }
        return s;
    }

private:
    std::mt19937_64 FRandom;
};

// A received value the agent might send for an item of `syntax`.
SnmpVarBind RandomValue(Generator& g, std::uint32_t syntax) {
    SnmpVarBind vb;
    switch (syntax) {
        case CvSyntax::boolean:
        case CvSyntax::integer:
            vb.Tag = AsnTag::Integer;
            vb.Integer = static_cast<std::int32_t>(g.Any64());
            break;
        case CvSyntax::counter:
        case CvSyntax::guage:
        case CvSyntax::uinteger:
        case CvSyntax::timeticks:
            vb.Tag = syntax == CvSyntax::timeticks ? AsnTag::TimeTicks : AsnTag::Gauge32;
            vb.Unsigned = g.Any64() & 0xFFFFFFFFu;
            break;
        case CvSyntax::counter64:
            vb.Tag = AsnTag::Counter64;
            vb.Unsigned = g.Any64();
            break;
        case CvSyntax::objectid:
            vb.Tag = AsnTag::ObjectId;
            vb.ObjectId = g.OidText(20);
            break;
        case CvSyntax::ipaddress:
            vb.Tag = AsnTag::IpAddress;
            vb.Bytes = g.Bytes(4);
            vb.Bytes.resize(4, '\0');
            break;
        case CvSyntax::datetime: {
            vb.Tag = AsnTag::OctetString;
            vb.Bytes = g.Bytes(11);
            vb.Bytes.resize(11, '\0');
            vb.Bytes[8] = g.Below(2) ? '+' : '-';
            break;
        }
        case CvSyntax::macaddress:
        case CvSyntax::ipv6address:
            // An address of its own length: another would be refused when written.
            vb.Tag = AsnTag::OctetString;
            vb.Bytes = g.Bytes(16);
            vb.Bytes.resize(syntax == CvSyntax::macaddress ? 6 : 16, '\0');
            break;
        case CvSyntax::double_:
            vb.Tag = AsnTag::OctetString;
            do {
                vb.Bytes = g.Bytes(8);
                vb.Bytes.resize(8, '\0');
            } while (!std::isfinite(BytesToDouble(vb.Bytes)));
            break;
        default:
            vb.Tag = AsnTag::OctetString;
            vb.Bytes = g.Bytes(40);
            break;
    }
    return vb;
}

const std::uint32_t kVariableSyntaxes[] = {
    CvSyntax::boolean,    CvSyntax::integer,    CvSyntax::bitstr,    CvSyntax::octetstr,
    CvSyntax::objectid,   CvSyntax::ipaddress,  CvSyntax::counter,   CvSyntax::guage,
    CvSyntax::timeticks,  CvSyntax::opaque,     CvSyntax::counter64, CvSyntax::uinteger,
    CvSyntax::double_,    CvSyntax::macaddress, CvSyntax::datetime,  CvSyntax::displaystr,
    CvSyntax::ipv6address};

// Syntaxes whose index text encodes back to exactly the sub-identifiers read.
const std::uint32_t kExactIndexSyntaxes[] = {
    CvSyntax::integer,    CvSyntax::counter,    CvSyntax::octetstr,  CvSyntax::displaystr,
    CvSyntax::objectid,   CvSyntax::ipaddress,  CvSyntax::timeticks, CvSyntax::counter64,
    CvSyntax::macaddress, CvSyntax::ipv6address};

const std::uint32_t kAllSyntaxes[] = {CvSyntax::boolean,
                                      CvSyntax::integer,
                                      CvSyntax::bitstr,
                                      CvSyntax::octetstr,
                                      CvSyntax::null,
                                      CvSyntax::objectid,
                                      CvSyntax::ipaddress,
                                      CvSyntax::counter,
                                      CvSyntax::guage,
                                      CvSyntax::timeticks,
                                      CvSyntax::opaque,
                                      CvSyntax::nsapaddr,
                                      CvSyntax::counter64,
                                      CvSyntax::uinteger,
                                      CvSyntax::double_,
                                      CvSyntax::macaddress,
                                      CvSyntax::datetime,
                                      CvSyntax::bcdatetime,
                                      CvSyntax::displaystr,
                                      CvSyntax::ipv6address,
                                      CvSyntax::bool8,
                                      CvSyntax::int8,
                                      CvSyntax::uint8,
                                      CvSyntax::bool16,
                                      CvSyntax::int16,
                                      CvSyntax::uint16,
                                      0u,
                                      99u};

}  // namespace

// Whatever the agent sends is shown as a text that, written back, sends the
// same value and shows the same text again.
TEST(ConversionProperty, ShownTextWritesBackTheSameValue) {
    Generator g(20261209);
    for (int round = 0; round < kRounds; ++round) {
        for (const std::uint32_t syntax : kVariableSyntaxes) {
            CvSNMPVar item;
            item.Syntax = syntax;
            VbToText(item, RandomValue(g, syntax));
            const std::string shown = item.Value;

            SnmpVarBind sent;
            TextToVb(item, sent);
            VbToText(item, sent);
            ASSERT_EQ(item.Value, shown) << "syntax " << syntax;
        }
    }
}

// Any instance suffix either decodes into the key, leaving the rest, or is
// rejected with the bad-key-count failure; decoded keys encode back to the
// sub-identifiers they came from.
TEST(ConversionProperty, IndexDecodeOfArbitrarySuffixes) {
    Generator g(4242);
    for (int round = 0; round < kRounds; ++round) {
        const std::string suffix = g.OidText(24);
        for (const std::uint32_t syntax : kExactIndexSyntaxes) {
            for (const std::uint32_t access : {CvAccess::notaccess, 0x41u}) {
                const CvSNMPVarDesc table[] = {{"1.3.6.1.4.1.99917.2.1", "Key", syntax, access},
                                               {}};
                CvSNMPVarList list(table, MVT_FMV, 1);
                std::string rest;
                try {
                    rest = DecodeIndex(list, 0, suffix);
                } catch (const CvException& e) {
                    ASSERT_EQ(e.Code(), kErrBadKeyCount) << suffix;
                    continue;
                }
                const std::string key = EncodeIndex(list, 0);
                const std::string rebuilt = key.empty()    ? rest
                                            : rest.empty() ? key
                                                           : key + "." + rest;
                ASSERT_EQ(rebuilt, suffix) << "syntax " << syntax << " access " << access;
            }
        }
    }
}

TEST(ConversionProperty, IndexDecodeOfGarbageNeverCrashes) {
    Generator g(77);
    const std::string alphabet = "0123456789..-x ";
    for (int round = 0; round < kRounds; ++round) {
        std::string suffix(g.Below(30), ' ');
        for (char& c : suffix) {
            c = alphabet[g.Below(alphabet.size())];
        }
        for (const std::uint32_t syntax : kAllSyntaxes) {
            const CvSNMPVarDesc table[] = {{"1.3.6.1.4.1.99917.2.1", "Key", syntax, 1}, {}};
            CvSNMPVarList list(table, MVT_FMV, 1);
            try {
                DecodeIndex(list, 0, suffix);
            } catch (const CvException& e) {
                const int code = e.Code();
                ASSERT_TRUE(code == kErrBadKeyCount || code == kErrBadSyntax ||
                            code == kErrBadPartialValue)
                    << code;
            }
        }
    }
}

// Arbitrary packed values at arbitrary offsets give a field and a text, or a
// range or value failure; never anything else.
TEST(ConversionProperty, PackedFieldsOfArbitraryValues) {
    Generator g(1999);
    for (int round = 0; round < kRounds; ++round) {
        const std::string value = g.Bytes(24);
        const auto offset = static_cast<std::int32_t>(g.Below(30)) - 2;
        for (const std::uint32_t syntax : kAllSyntaxes) {
            try {
                const std::string field = ExtractField(value, offset, syntax);
                const std::string text = FieldToText(syntax, field);
                TextToField(syntax, text);
            } catch (const CvException& e) {
                const int code = e.Code();
                ASSERT_TRUE(code == kErrPartialOutOfRange || code == kErrBadPartialValue ||
                            code == kErrBadSyntax)
                    << code << " syntax " << syntax;
            }
        }
    }
}
