#include "CvIndexCoding.h"

#include <bit>
#include <limits>
#include <vector>

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvException.h"
#include "CvOidText.h"
#include "CvRealDateTime.h"
#include "CvTextUtil.h"
#include "CvTimeTicks.h"
#include "CvValueCheck.h"

namespace {

using Subids = std::vector<std::uint32_t>;

// Reads sub-identifiers from the front of a suffix; running out raises -514.
class SuffixReader {
public:
    explicit SuffixReader(std::string_view suffix) {
        if (!ParseOidText(suffix, FSubids)) {
            CvRaise(kErrBadKeyCount);
        }
    }
    std::uint32_t Next() {
        if (FPos >= FSubids.size()) {
            CvRaise(kErrBadKeyCount);
        }
        return FSubids[FPos++];
    }
    std::size_t Remaining() const { return FSubids.size() - FPos; }
    Subids Take(std::size_t n) {
        if (n > Remaining()) {
            CvRaise(kErrBadKeyCount);
        }
        Subids out(FSubids.begin() + static_cast<std::ptrdiff_t>(FPos),
                   FSubids.begin() + static_cast<std::ptrdiff_t>(FPos + n));
        FPos += n;
        return out;
    }
    std::string Bytes(std::size_t n) {
        std::string bytes;
        for (const std::uint32_t v : Take(n)) {
            if (v > 0xFF) {
                CvRaise(kErrBadKeyCount);
            }
            bytes += static_cast<char>(v);
        }
        return bytes;
    }
    // The length sub-identifier, or everything left for an IMPLIED last key.
    std::size_t Length(bool implied) { return implied ? Remaining() : Next(); }
    std::string Rest() const {
        return OidToText(
            Subids(FSubids.begin() + static_cast<std::ptrdiff_t>(FPos), FSubids.end()));
    }

private:
    Subids FSubids;
    std::size_t FPos = 0;
};

double DoubleFromHalves(std::uint32_t low, std::uint32_t high) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(high) << 32 | low);
}

void AppendHalves(Subids& out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    out.push_back(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    out.push_back(static_cast<std::uint32_t>(bits >> 32));
}

void AppendBytes(Subids& out, std::string_view bytes) {
    for (const char c : bytes) {
        out.push_back(static_cast<unsigned char>(c));
    }
}

void AppendLengthPrefixed(Subids& out, std::string_view bytes, bool implied) {
    if (!implied) {
        out.push_back(static_cast<std::uint32_t>(bytes.size()));
    }
    AppendBytes(out, bytes);
}

bool IsImpliedLastKey(const CvSNMPVarList& list, std::int32_t keyIndex) {
    return keyIndex == list.PKeyCount - 1 && list.IsImplied(keyIndex);
}

std::string DecodeValue(std::uint32_t syntax, SuffixReader& in, bool implied) {
    using namespace CvSyntax;
    switch (syntax) {
        case boolean:
            return in.Next() != 0 ? "true" : "false";
        case integer:
            return std::to_string(static_cast<std::int32_t>(in.Next()));
        case counter:
        case guage:
        case uinteger:
            return std::to_string(in.Next());
        case bitstr:
        case octetstr:
        case opaque:
            return BytesToHex(in.Bytes(in.Length(implied)));
        case displaystr:
            return in.Bytes(in.Length(implied));
        case null:
            return "(NULL)";
        case objectid:
            return OidToText(in.Take(in.Length(implied)));
        case ipaddress:
        case nsapaddr:
            return DottedQuad(in.Bytes(4));
        case timeticks:
            return TimeTicksToText(in.Next());
        case counter64: {
            const std::uint64_t high = in.Next();
            return std::to_string(high << 32 | in.Next());
        }
        case double_: {
            const std::uint32_t low = in.Next();
            return RealToText(DoubleFromHalves(low, in.Next()));
        }
        case macaddress:
            return BytesToHex(in.Bytes(6));
        case datetime:
            return CvDateTime::FromBytes(in.Bytes(CvDateTime::kWireSize)).ToText();
        case bcdatetime: {
            const std::uint32_t low = in.Next();
            return RealDateTimeToText(DoubleFromHalves(low, in.Next()));
        }
        case ipv6address:
            return BytesToHex(in.Bytes(implied ? in.Remaining() : 16));
        default:
            CvRaise(kErrBadSyntax);
    }
}

Subids EncodeValue(std::uint32_t syntax, const std::string& text, bool implied) {
    using namespace CvSyntax;
    Subids out;
    switch (syntax) {
        case boolean:
            out.push_back(text == "true" ? 1 : 0);
            break;
        case integer:
            out.push_back(static_cast<std::uint32_t>(
                IntegerOfText(text, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max())));
            break;
        case counter:
        case guage:
        case uinteger:
            out.push_back(static_cast<std::uint32_t>(
                UnsignedOfText(text, std::numeric_limits<std::uint32_t>::max())));
            break;
        case bitstr:
        case octetstr:
        case opaque:
            AppendLengthPrefixed(out, HexToBytes(text), implied);
            break;
        case displaystr:
            AppendLengthPrefixed(out, text, implied);
            break;
        case null:
            break;
        case objectid: {
            const Subids oid = ValueOidSubids(text);
            if (!implied) {
                out.push_back(static_cast<std::uint32_t>(oid.size()));
            }
            out.insert(out.end(), oid.begin(), oid.end());
            break;
        }
        case ipaddress:
        case nsapaddr:
            AppendBytes(out, ValueAddressBytes(text));
            break;
        case timeticks:
            out.push_back(TextToTimeTicks(text));
            break;
        case counter64: {
            const std::uint64_t v = UnsignedOfText(text, std::numeric_limits<std::uint64_t>::max());
            out.push_back(static_cast<std::uint32_t>(v >> 32));
            out.push_back(static_cast<std::uint32_t>(v & 0xFFFFFFFFu));
            break;
        }
        case double_:
            AppendHalves(out, RealOfText(text));
            break;
        case macaddress:
        case ipv6address: {
            const std::size_t width = syntax == macaddress ? 6 : 16;
            const std::string bytes = HexToBytes(text);
            if (implied && syntax == ipv6address) {
                // Whatever an IMPLIED address key decoded from, it encodes back
                // to, so a row read can be written to the same instance.
                AppendBytes(out, bytes);
            } else if (bytes.size() >= width) {
                AppendBytes(out, std::string_view(bytes).substr(0, width));
            }
            break;
        }
        case datetime:
            AppendBytes(out, CvDateTime::FromText(text).ToBytes());
            break;
        case bcdatetime:
            AppendHalves(out, TextToRealDateTime(text));
            break;
        default:
            CvRaise(kErrBadSyntax);
    }
    return out;
}

}  // namespace

std::string DecodeIndex(CvSNMPVarList& list, std::int32_t keyIndex, std::string_view suffix) {
    CvSNMPVar& key = list.Item(keyIndex);
    SuffixReader in(suffix);
    std::string text = DecodeValue(key.Syntax, in, IsImpliedLastKey(list, keyIndex));
    key.Value = key.Options ? key.Options->ValueToLabel(text) : std::move(text);
    return in.Rest();
}

std::string EncodeIndex(const CvSNMPVarList& list, std::int32_t keyIndex) {
    const CvSNMPVar& key = list.Item(keyIndex);
    const std::string text = key.Options ? key.Options->LabelToValue(key.Value) : key.Value;
    return OidToText(EncodeValue(key.Syntax, text, IsImpliedLastKey(list, keyIndex)));
}

std::string EncodeRowIndex(const CvSNMPVarList& list) {
    std::string index;
    for (std::int32_t k = 0; k < list.PKeyCount && k < list.GetCount(); ++k) {
        const std::string part = EncodeIndex(list, k);
        if (part.empty()) {
            continue;
        }
        if (!index.empty()) {
            index += '.';
        }
        index += part;
    }
    return index;
}
