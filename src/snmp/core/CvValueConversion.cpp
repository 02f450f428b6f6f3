#include "CvValueConversion.h"

#include <limits>
#include <vector>

#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvException.h"
#include "CvOidText.h"
#include "CvOptionList.h"
#include "CvRealDateTime.h"
#include "CvTextUtil.h"
#include "CvTimeTicks.h"
#include "CvValueCheck.h"

namespace {

const char kNull[] = "(NULL)";
constexpr std::uint64_t kMaxUInt32 = std::numeric_limits<std::uint32_t>::max();

bool IsHexSyntax(std::uint32_t syntax) {
    using namespace CvSyntax;
    return syntax == bitstr || syntax == octetstr || syntax == opaque || syntax == macaddress ||
           syntax == ipv6address;
}

std::string NumberText(const SnmpVarBind& vb) {
    return vb.IsSigned() ? std::to_string(vb.Integer) : std::to_string(vb.Unsigned);
}

std::string TicksText(const SnmpVarBind& vb) {
    std::uint64_t ticks = vb.Unsigned;
    if (vb.IsSigned()) {
        ticks = vb.Integer < 0 ? 0 : static_cast<std::uint64_t>(vb.Integer);
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    return TimeTicksToText(static_cast<std::uint32_t>(ticks > kMax ? kMax : ticks));
}

std::string ValueText(std::uint32_t syntax, const SnmpVarBind& vb) {
    using namespace CvSyntax;
    if (!VbFitsSyntax(syntax, vb)) {
        return IsHexSyntax(syntax) || syntax == displaystr ? "" : kNull;
    }
    if (IsHexSyntax(syntax)) {
        return BytesToHex(vb.Bytes);
    }
    switch (syntax) {
        case boolean:
            return vb.Integer != 0 || vb.Unsigned != 0 ? "true" : "false";
        case integer:
        case counter:
        case guage:
        case uinteger:
        case counter64:
            return NumberText(vb);
        case null:
            return kNull;
        case objectid:
            return vb.ObjectId;
        case ipaddress:
        case nsapaddr:
            return DottedQuad(vb.Bytes);
        case timeticks:
            return TicksText(vb);
        case double_:
            return RealToText(BytesToDouble(vb.Bytes));
        case datetime:
            // Without the seconds and deci-seconds the rest would be invented.
            if (vb.Bytes.size() < 8) {
                CvRaise(kErrBadPartialValue);
            }
            return CvDateTime::FromBytes(vb.Bytes).ToText();
        case bcdatetime:
            return RealDateTimeToText(BytesToDouble(vb.Bytes));
        case displaystr:
            return vb.Bytes;
        default:
            CvRaise(kErrBadSyntax);
    }
}

void SetBytes(SnmpVarBind& vb, std::uint8_t tag, std::string bytes) {
    vb.Tag = tag;
    vb.Bytes = std::move(bytes);
}

void SetUnsigned(SnmpVarBind& vb, std::uint8_t tag, std::uint64_t value) {
    vb.Tag = tag;
    vb.Unsigned = value;
}

}  // namespace

bool VbFitsSyntax(std::uint32_t syntax, const SnmpVarBind& vb) {
    using namespace CvSyntax;
    if (IsHexSyntax(syntax) || syntax == displaystr) {
        return vb.IsBytes();
    }
    if (syntax == null) {
        return vb.Tag == AsnTag::Null;
    }
    if (vb.PrintableEmpty()) {
        return false;
    }
    switch (syntax) {
        case boolean:
        case integer:
        case counter:
        case guage:
        case uinteger:
        case counter64:
        case timeticks:
            return vb.IsSigned() || vb.IsUnsigned();
        case objectid:
            return vb.Tag == AsnTag::ObjectId;
        case ipaddress:
        case nsapaddr:
            return vb.IsBytes() && vb.Bytes.size() == 4;
        case double_:
        case datetime:
        case bcdatetime:
            return vb.IsBytes();
        default:
            return false;
    }
}

bool IsVariableSyntax(std::uint32_t syntax) {
    return (syntax >= CvSyntax::boolean && syntax <= CvSyntax::objectid) ||
           (syntax >= CvSyntax::ipaddress && syntax <= CvSyntax::ipv6address);
}

void VbToText(CvSNMPVar& item, const SnmpVarBind& vb) {
    if (!IsVariableSyntax(item.Syntax)) {
        CvRaise(kErrBadSyntax);
    }
    std::string text = ValueText(item.Syntax, vb);
    item.Value = item.Options ? item.Options->ValueToLabel(text) : std::move(text);
}

void TextToVb(const CvSNMPVar& item, SnmpVarBind& vb) {
    using namespace CvSyntax;
    if (!IsVariableSyntax(item.Syntax)) {
        CvRaise(kErrBadSyntax);
    }
    const std::string text = item.Options ? item.Options->LabelToValue(item.Value) : item.Value;

    SnmpVarBind out;
    out.Oid = vb.Oid;
    if (text == kNull) {
        vb = std::move(out);
        return;
    }
    RequireValueText(item.Syntax, text);
    switch (item.Syntax) {
        case boolean:
            out.Tag = AsnTag::Integer;
            out.Integer = text == "true" ? 1 : 0;
            break;
        case integer:
            out.Tag = AsnTag::Integer;
            out.Integer = IntegerOfText(text, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max());
            break;
        case bitstr:
        case octetstr:
        case macaddress:
        case ipv6address:
            SetBytes(out, AsnTag::OctetString, HexToBytes(text));
            break;
        case opaque:
            SetBytes(out, AsnTag::Opaque, HexToBytes(text));
            break;
        case null:
            break;
        case objectid:
            out.Tag = AsnTag::ObjectId;
            out.ObjectId = OidToText(ValueOidSubids(text));
            break;
        case ipaddress:
        case nsapaddr:
            SetBytes(out, AsnTag::IpAddress, ValueAddressBytes(text));
            break;
        case counter:
            SetUnsigned(out, AsnTag::Counter32, UnsignedOfText(text, kMaxUInt32));
            break;
        case guage:
            SetUnsigned(out, AsnTag::Gauge32, UnsignedOfText(text, kMaxUInt32));
            break;
        case uinteger:
            SetUnsigned(out, AsnTag::UInteger32, UnsignedOfText(text, kMaxUInt32));
            break;
        case timeticks:
            SetUnsigned(out, AsnTag::TimeTicks, TextToTimeTicks(text));
            break;
        case counter64:
            SetUnsigned(out, AsnTag::Counter64,
                        UnsignedOfText(text, std::numeric_limits<std::uint64_t>::max()));
            break;
        case double_:
            SetBytes(out, AsnTag::OctetString, DoubleToBytes(RealOfText(text)));
            break;
        case datetime:
            SetBytes(out, AsnTag::OctetString, CvDateTime::FromText(text).ToBytes());
            break;
        case bcdatetime:
            SetBytes(out, AsnTag::OctetString, DoubleToBytes(TextToRealDateTime(text)));
            break;
        case displaystr:
            SetBytes(out, AsnTag::OctetString, text);
            break;
        default:
            CvRaise(kErrBadSyntax);
    }
    vb = std::move(out);
}
