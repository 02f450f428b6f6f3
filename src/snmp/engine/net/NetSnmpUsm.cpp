#include "NetSnmpUsm.h"

// net-snmp's configuration header comes first, each in its own block.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

namespace {

const oid* AuthProtocolOid(int protocol) {
    switch (protocol) {
        case SnmpAuth::Md5:
            return usmHMACMD5AuthProtocol;
        case SnmpAuth::Sha:
            return usmHMACSHA1AuthProtocol;
        case SnmpAuth::Sha224:
            return usmHMAC128SHA224AuthProtocol;
        case SnmpAuth::Sha256:
            return usmHMAC192SHA256AuthProtocol;
        case SnmpAuth::Sha384:
            return usmHMAC256SHA384AuthProtocol;
        case SnmpAuth::Sha512:
            return usmHMAC384SHA512AuthProtocol;
        default:
            return nullptr;
    }
}

// The protocol's OID and its length; AES-192 and AES-256 (Blumenthal's key
// extension) are one arc shorter than the standard ones.
const oid* PrivProtocolOid(int protocol, std::size_t& length) {
    switch (protocol) {
        case SnmpPriv::Des:
            length = USM_PRIV_PROTO_DES_LEN;
            return usmDESPrivProtocol;
        case SnmpPriv::Aes128:
            length = USM_PRIV_PROTO_AES_LEN;
            return usmAESPrivProtocol;
        case SnmpPriv::Aes192:
            length = OID_LENGTH(usmAES192PrivProtocol);
            return usmAES192PrivProtocol;
        case SnmpPriv::Aes256:
            length = OID_LENGTH(usmAES256PrivProtocol);
            return usmAES256PrivProtocol;
        default:
            return nullptr;
    }
}

// A key from a pass phrase; both keys use the authentication hash. Phrases
// under 8 characters fail.
bool DeriveKey(const oid* auth, const std::string& phrase, u_char* key, size_t& length) {
    const auto* bytes = reinterpret_cast<const u_char*>(phrase.data());
    return generate_Ku(auth, USM_AUTH_PROTO_SHA_LEN, bytes, phrase.size(), key, &length) ==
           SNMPERR_SUCCESS;
}

}  // namespace

// Derives the USM keys into a session template; a result on failure.
int SetUsmKeys(const SnmpTarget& t, netsnmp_session& s) {
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityName = const_cast<char*>(t.SecurityName.c_str());
    s.securityNameLen = t.SecurityName.size();
    s.securityLevel = t.SecurityLevel;
    if (t.SecurityLevel < SNMP_SEC_LEVEL_NOAUTH || t.SecurityLevel > SNMP_SEC_LEVEL_AUTHPRIV) {
        return 1403;
    }
    if (t.SecurityLevel == SNMP_SEC_LEVEL_NOAUTH) {
        return SnmpResult::Success;
    }
    const oid* auth = AuthProtocolOid(t.AuthProtocol);
    if (auth == nullptr) {
        return t.AuthProtocol == SnmpAuth::None ? 1403 : SnmpResult::UnsupportedAuthProtocol;
    }
    s.securityAuthProto = const_cast<oid*>(auth);
    s.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
    s.securityAuthKeyLen = USM_AUTH_KU_LEN;
    if (!DeriveKey(auth, t.AuthPassword, s.securityAuthKey, s.securityAuthKeyLen)) {
        return 1401;
    }
    if (t.SecurityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
        std::size_t privLength = 0;
        const oid* priv = PrivProtocolOid(t.PrivProtocol, privLength);
        if (priv == nullptr) {
            return t.PrivProtocol == SnmpPriv::None ? 1403 : SnmpResult::UnsupportedPrivProtocol;
        }
        s.securityPrivProto = const_cast<oid*>(priv);
        s.securityPrivProtoLen = privLength;
        s.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (!DeriveKey(auth, t.PrivPassword, s.securityPrivKey, s.securityPrivKeyLen)) {
            return 1401;
        }
    }
    return SnmpResult::Success;
}

// The agent's engine id as its Report to a discovery names it; the library
// fills the session only after our first callback has run.
void LearnEngineId(netsnmp_session& s, const netsnmp_pdu* pdu) {
    if (pdu == nullptr || pdu->securityEngineIDLen == 0 || s.securityEngineIDLen != 0) {
        return;
    }
    s.securityEngineID =
        static_cast<u_char*>(netsnmp_memdup(pdu->securityEngineID, pdu->securityEngineIDLen));
    s.securityEngineIDLen = pdu->securityEngineIDLen;
    if (s.contextEngineIDLen == 0) {
        s.contextEngineID =
            static_cast<u_char*>(netsnmp_memdup(pdu->securityEngineID, pdu->securityEngineIDLen));
        s.contextEngineIDLen = pdu->securityEngineIDLen;
    }
}

// A changed pass phrase is otherwise ignored: the library keeps the first
// user of a name it learnt, whatever keys a later session brings.
void ForgetUsmUser(const std::string& name) {
    usmUser* user = usm_get_userList();
    while (user != nullptr) {
        usmUser* next = user->next;
        if (user->name != nullptr && name == user->name) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        user = next;
    }
}
