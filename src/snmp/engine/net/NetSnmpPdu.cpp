#include "NetSnmpPdu.h"

#include <cstdlib>
#include <cstring>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "CvOidText.h"
#include "CvTextUtil.h"

namespace {

// Owned copy of bytes for the PDU fields net-snmp frees itself.
u_char* CopyBytes(const std::string& bytes) {
    auto* copy = static_cast<u_char*>(std::malloc(bytes.size() + 1));
    std::memcpy(copy, bytes.data(), bytes.size());
    copy[bytes.size()] = 0;
    return copy;
}

bool ToOid(const std::string& text, std::vector<oid>& out) {
    std::vector<std::uint32_t> subids;
    if (!ParseOidText(text, subids) || subids.empty()) {
        return false;
    }
    out.assign(subids.begin(), subids.end());
    return true;
}

std::string OidText(const oid* name, std::size_t length) {
    std::string text;
    text.reserve(length * 4);
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0) {
            text += '.';
        }
        text += std::to_string(static_cast<std::uint32_t>(name[i]));
    }
    return text;
}

// The context engine id is typed as hexadecimal ("0x8000..." or "8000...");
// any other text is sent as its characters.
std::string EngineIdBytes(const std::string& text) {
    std::string hex = text;
    if (hex.size() > 2 && hex[0] == '0' && (hex[1] == 'x' || hex[1] == 'X')) {
        hex.erase(0, 2);
    }
    const bool isHex = !hex.empty() && hex.size() % 2 == 0 &&
                       hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    return isHex ? HexToBytes(hex) : text;
}

void SetHeader(const SnmpTarget& target, SnmpOperation op, netsnmp_pdu* pdu) {
    if (target.Version != 3) {
        const std::string& community =
            op == SnmpOperation::Set ? target.WriteCommunity : target.ReadCommunity;
        pdu->community = CopyBytes(community);
        pdu->community_len = community.size();
        return;
    }
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = target.SecurityLevel;
    pdu->securityName = reinterpret_cast<char*>(CopyBytes(target.SecurityName));
    pdu->securityNameLen = target.SecurityName.size();
    pdu->contextName = reinterpret_cast<char*>(CopyBytes(target.ContextName));
    pdu->contextNameLen = target.ContextName.size();
    if (!target.ContextEngineID.empty()) {
        const std::string engineId = EngineIdBytes(target.ContextEngineID);
        pdu->contextEngineID = CopyBytes(engineId);
        pdu->contextEngineIDLen = engineId.size();
    }
}

bool AddValue(netsnmp_pdu* pdu, const std::vector<oid>& name, const SnmpVarBind& vb) {
    const oid* n = name.data();
    const std::size_t len = name.size();
    switch (vb.Tag) {
        case AsnTag::Integer: {
            const long v = static_cast<long>(vb.Integer);
            return snmp_pdu_add_variable(pdu, n, len, ASN_INTEGER, &v, sizeof v) != nullptr;
        }
        case AsnTag::Counter32:
        case AsnTag::Gauge32:
        case AsnTag::TimeTicks:
        case AsnTag::UInteger32: {
            const u_long v = static_cast<u_long>(vb.Unsigned & 0xFFFFFFFFu);
            return snmp_pdu_add_variable(pdu, n, len, vb.Tag, &v, sizeof v) != nullptr;
        }
        case AsnTag::Counter64: {
            counter64 v{};
            v.high = static_cast<u_long>(vb.Unsigned >> 32);
            v.low = static_cast<u_long>(vb.Unsigned & 0xFFFFFFFFu);
            return snmp_pdu_add_variable(pdu, n, len, ASN_COUNTER64, &v, sizeof v) != nullptr;
        }
        case AsnTag::OctetString:
        case AsnTag::Opaque:
        case AsnTag::IpAddress:
        case AsnTag::NsapAddress:
            return snmp_pdu_add_variable(pdu, n, len, vb.Tag, vb.Bytes.data(), vb.Bytes.size()) !=
                   nullptr;
        case AsnTag::ObjectId: {
            std::vector<oid> value;
            if (!vb.ObjectId.empty() && !ToOid(vb.ObjectId, value)) {
                return false;
            }
            return snmp_pdu_add_variable(pdu, n, len, ASN_OBJECT_ID, value.data(),
                                         value.size() * sizeof(oid)) != nullptr;
        }
        case AsnTag::Null:
            return snmp_pdu_add_variable(pdu, n, len, ASN_NULL, nullptr, 0) != nullptr;
        default:
            return false;
    }
}

}  // namespace

int BuildPdu(const SnmpTarget& target, SnmpOperation op, const std::vector<SnmpVarBind>& vbs,
             netsnmp_pdu*& pdu) {
    const int command = op == SnmpOperation::Get       ? SNMP_MSG_GET
                        : op == SnmpOperation::GetNext ? SNMP_MSG_GETNEXT
                        : op == SnmpOperation::GetBulk ? SNMP_MSG_GETBULK
                                                       : SNMP_MSG_SET;
    pdu = snmp_pdu_create(command);
    SetHeader(target, op, pdu);
    if (op == SnmpOperation::GetBulk) {
        pdu->non_repeaters = 0;
        pdu->max_repetitions = target.MaxRepetitions;
    }
    std::vector<oid> name;
    for (const SnmpVarBind& vb : vbs) {
        int fault = SnmpResult::Success;
        if (!ToOid(vb.Oid, name)) {
            fault = SnmpResult::InvalidOid;
        } else if (op != SnmpOperation::Set) {
            snmp_add_null_var(pdu, name.data(), name.size());
        } else if (!AddValue(pdu, name, vb)) {
            fault = SnmpResult::InvalidPdu;
        }
        if (fault != SnmpResult::Success) {
            snmp_free_pdu(pdu);
            pdu = nullptr;
            return fault;
        }
    }
    return SnmpResult::Success;
}

SnmpVarBind FromVariable(const netsnmp_variable_list& v) {
    SnmpVarBind vb;
    vb.Oid = OidText(v.name, v.name_length);
    vb.Tag = v.type;
    switch (v.type) {
        case ASN_INTEGER:
            vb.Integer = *v.val.integer;
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            vb.Unsigned = static_cast<std::uint64_t>(*v.val.integer) & 0xFFFFFFFFu;
            break;
        case ASN_COUNTER64:
            vb.Unsigned = static_cast<std::uint64_t>(v.val.counter64->high & 0xFFFFFFFFu) << 32 |
                          (v.val.counter64->low & 0xFFFFFFFFu);
            break;
        case ASN_OCTET_STR:
        case ASN_OPAQUE:
        case ASN_IPADDRESS:
        case ASN_NSAP:
            if (v.val.string != nullptr) {
                vb.Bytes.assign(reinterpret_cast<const char*>(v.val.string), v.val_len);
            }
            break;
        case ASN_OBJECT_ID:
            vb.ObjectId = OidText(v.val.objid, v.val_len / sizeof(oid));
            break;
        default:
            break;  // NULL and the exception values carry nothing
    }
    return vb;
}
