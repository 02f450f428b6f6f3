#include "SecurityBridge.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpUDPDomain.h>
#include <net-snmp/library/snmpUDPIPv6Domain.h>
// clang-format on

#include <arpa/inet.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "EngineState.h"
#include "SecurityTables.h"

// The engine's community lists are emptied by these, which its headers do
// not declare.
extern "C" {
void netsnmp_udp_com2SecList_free(void);
void netsnmp_udp6_com2Sec6List_free(void);
}

namespace vsim {

namespace {

using namespace security;

std::string BytesOf(const u_char* bytes, std::size_t length) {
    return bytes == nullptr ? std::string()
                            : std::string(reinterpret_cast<const char*>(bytes), length);
}

Oid OidOf(const oid* arcs, std::size_t length) {
    return arcs == nullptr ? Oid{} : Oid(arcs, arcs + length);
}

// Replaces a buffer of the engine's with a copy of `bytes` (malloc'd, as the
// engine frees it).
template <typename T, typename Source>
void Replace(T*& field, std::size_t& length, const Source& bytes) {
    std::free(field);
    field = bytes.empty() ? nullptr : static_cast<T*>(std::malloc(bytes.size() * sizeof(T)));
    length = field == nullptr ? 0 : bytes.size();
    if (field != nullptr) {
        std::copy(bytes.begin(), bytes.end(), field);
    }
}

void SetKeys(usmUser& user, const Oid& auth, const std::string& authKey, const Oid& priv,
             const std::string& privKey) {
    const std::vector<oid> authArcs(auth.begin(), auth.end());
    const std::vector<oid> privArcs(priv.begin(), priv.end());
    Replace(user.authProtocol, user.authProtocolLen, authArcs);
    Replace(user.privProtocol, user.privProtocolLen, privArcs);
    Replace(user.authKey, user.authKeyLen, std::vector<u_char>(authKey.begin(), authKey.end()));
    Replace(user.privKey, user.privKeyLen, std::vector<u_char>(privKey.begin(), privKey.end()));
}

// A new key from a KeyChange value (RFC 3414, 5); the old one when the value
// does not fit it.
std::string ChangedKey(const usmUser& user, const std::string& key, const std::string& change) {
    u_char fresh[SNMP_MAXBUF_SMALL];
    std::size_t freshLength = sizeof fresh;
    if (key.empty() || change.size() != 2 * key.size() ||
        decode_keychange(user.authProtocol, static_cast<u_int>(user.authProtocolLen),
                         reinterpret_cast<const u_char*>(key.data()), key.size(),
                         reinterpret_cast<const u_char*>(change.data()), change.size(), fresh,
                         &freshLength) != SNMPERR_SUCCESS) {
        return key;
    }
    return BytesOf(fresh, freshLength);
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

void Copy(char (&field)[VACMSTRINGLEN], const std::string& text) {
    std::snprintf(field, sizeof field, "%s", text.c_str());
}

bool Fits(const std::string& text) {
    return text.size() <= VACM_MAX_STRING;
}

}  // namespace

SecurityBridge::SecurityBridge(MibModel& model, std::string engineId, std::filesystem::path keyFile)
    : model_(model), engineId_(std::move(engineId)), keyFile_(std::move(keyFile)) {}

void SecurityBridge::Start(const std::vector<Oid>& writable) {
    PublishUsers();
    PutWritableView(model_, writable);
    FillContextEngineIds(model_, engineId_);
    LoadKeys();
    ApplyCommunities();
    ApplyAccessControl();
    ApplyUsers();
}

void SecurityBridge::PublishUsers() {
    for (usmUser* user = usm_get_userList(); user != nullptr; user = user->next) {
        const UserKey key(BytesOf(user->engineID, user->engineIDLen),
                          user->name == nullptr ? "" : user->name);
        configured_.insert(key);
        PutUser(model_, key.first, key.second, OidOf(user->authProtocol, user->authProtocolLen),
                OidOf(user->privProtocol, user->privProtocolLen), true);
    }
}

void SecurityBridge::Committed(const std::vector<SetTransaction::Write>& writes) {
    for (const auto& write : writes) {
        communitiesChanged_ = communitiesChanged_ || IsPrefix(kCommunityEntry, write.oid);
        accessChanged_ = accessChanged_ || IsPrefix(kGroupEntry, write.oid) ||
                         IsPrefix(kAccessEntry, write.oid) || IsPrefix(kViewEntry, write.oid);
        usersChanged_ = usersChanged_ || IsPrefix(kUserEntry, write.oid);
    }
}

void SecurityBridge::Flush() {
    if (communitiesChanged_) {
        FillContextEngineIds(model_, engineId_);
        ApplyCommunities();
    }
    if (accessChanged_) {
        ApplyAccessControl();
    }
    if (usersChanged_) {
        ApplyUsers();
    }
    communitiesChanged_ = accessChanged_ = usersChanged_ = false;
}

void SecurityBridge::ApplyCommunities() const {
    netsnmp_udp_com2SecList_free();
    netsnmp_udp6_com2Sec6List_free();
    for (const Community& c : ActiveCommunities(model_)) {
        if (c.name.empty() || c.securityName.empty() || !Fits(c.securityName) ||
            !Fits(c.contextName)) {
            continue;
        }
        in_addr any{};
        com2SecEntry* entry = nullptr;
        netsnmp_udp_com2SecEntry_create(&entry, c.name.c_str(), c.securityName.c_str(),
                                        c.contextName.empty() ? nullptr : c.contextName.c_str(),
                                        &any, &any, 0);
        std::string line = (c.contextName.empty() ? "" : "-Cn " + Quoted(c.contextName) + " ") +
                           Quoted(c.securityName) + " default " + Quoted(c.name);
        netsnmp_udp6_parse_security("com2sec6", line.data());
    }
}

void SecurityBridge::ApplyAccessControl() const {
    vacm_destroyAllGroupEntries();
    vacm_destroyAllAccessEntries();
    vacm_destroyAllViewEntries();
    for (const Group& g : ActiveGroups(model_)) {
        if (!Fits(g.securityName) || !Fits(g.groupName)) {
            continue;
        }
        if (vacm_groupEntry* entry =
                vacm_createGroupEntry(g.securityModel, g.securityName.c_str())) {
            Copy(entry->groupName, g.groupName);
            entry->storageType = SNMP_STORAGE_PERMANENT;
            entry->status = SNMP_ROW_ACTIVE;
        }
    }
    for (const Access& a : ActiveAccess(model_)) {
        if (!Fits(a.groupName) || !Fits(a.contextPrefix) || !Fits(a.readView) ||
            !Fits(a.writeView) || !Fits(a.notifyView)) {
            continue;
        }
        if (vacm_accessEntry* entry = vacm_createAccessEntry(
                a.groupName.c_str(), a.contextPrefix.c_str(), a.securityModel, a.securityLevel)) {
            entry->contextMatch = a.contextMatch;
            Copy(entry->views[VACM_VIEW_READ], a.readView);
            Copy(entry->views[VACM_VIEW_WRITE], a.writeView);
            Copy(entry->views[VACM_VIEW_NOTIFY], a.notifyView);
            entry->storageType = SNMP_STORAGE_PERMANENT;
            entry->status = SNMP_ROW_ACTIVE;
        }
    }
    for (const View& v : ActiveViews(model_)) {
        if (!Fits(v.name) || v.mask.size() > VACM_MAX_STRING || v.subtree.size() > MAX_OID_LEN) {
            continue;
        }
        std::vector<oid> subtree(v.subtree.begin(), v.subtree.end());
        if (vacm_viewEntry* entry =
                vacm_createViewEntry(v.name.c_str(), subtree.data(), subtree.size())) {
            std::memcpy(entry->viewMask, v.mask.data(), v.mask.size());
            entry->viewMaskLen = v.mask.size();
            entry->viewType = v.type;
            entry->viewStorageType = SNMP_STORAGE_PERMANENT;
            entry->viewStatus = SNMP_ROW_ACTIVE;
        }
    }
}

// Only the users of active rows authenticate; a row out of service keeps its
// keys for when it comes back.
void SecurityBridge::ApplyUsers() {
    std::set<UserKey> rows;
    std::set<UserKey> enabled;
    for (const User& u : Users(model_)) {
        const UserKey key(u.engineId, u.name);
        rows.insert(key);
        if (configured_.count(key) != 0) {
            enabled.insert(key);
            continue;
        }
        if (!u.active) {
            continue;
        }
        usmUser* user = usm_get_user(reinterpret_cast<const u_char*>(u.engineId.data()),
                                     u.engineId.size(), u.name.c_str());
        const bool fresh = user == nullptr;  // its row's protocols are still the defaults
        bool restored = false;
        if (fresh) {
            // Made again from the keys kept in the state folder, which hold
            // the effect of every clone and key change before; otherwise
            // cloned from the user the row points to (RFC 3414).
            const auto kept = created_.find(key);
            const auto source = UserOfPointer(u.cloneFrom);
            const usmUser* from =
                source ? usm_get_user(reinterpret_cast<const u_char*>(source->first.data()),
                                      source->first.size(), source->second.c_str())
                       : nullptr;
            if (from == nullptr && kept == created_.end()) {
                model_.Put(Join(Join(kUserEntry, {kUserStatus}), UserIndex(u.engineId, u.name)),
                           MibValue::Integer(kNotInService));
                continue;
            }
            user = usm_create_user();
            const std::vector<u_char> id(u.engineId.begin(), u.engineId.end());
            Replace(user->engineID, user->engineIDLen, id);
            user->name = strdup(u.name.c_str());
            user->secName = strdup(u.name.c_str());
            restored = kept != created_.end();
            if (restored) {
                SetKeys(*user, kept->second.authProtocol, kept->second.authKey,
                        kept->second.privProtocol, kept->second.privKey);
            } else {
                SetKeys(*user, OidOf(from->authProtocol, from->authProtocolLen),
                        BytesOf(from->authKey, from->authKeyLen),
                        OidOf(from->privProtocol, from->privProtocolLen),
                        BytesOf(from->privKey, from->privKeyLen));
            }
            user->userStatus = RS_ACTIVE;
            user->userStorageType = ST_NONVOLATILE;
            usm_add_user(user);
        }
        Oid auth = OidOf(user->authProtocol, user->authProtocolLen);
        Oid priv = OidOf(user->privProtocol, user->privProtocolLen);
        std::string authKey = BytesOf(user->authKey, user->authKeyLen);
        std::string privKey = BytesOf(user->privKey, user->privKeyLen);
        if (!restored && !u.authKeyChange.empty()) {
            authKey = ChangedKey(*user, authKey, u.authKeyChange);
        }
        if (!restored && !u.privKeyChange.empty()) {
            privKey = ChangedKey(*user, privKey, u.privKeyChange);
        }
        // Protocols can only be switched off.
        if (!fresh && u.authProtocol == kNoAuthProtocol) {
            auth = kNoAuthProtocol;
            authKey.clear();
        }
        if (!fresh && (u.authProtocol == kNoAuthProtocol || u.privProtocol == kNoPrivProtocol)) {
            priv = kNoPrivProtocol;
            privKey.clear();
        }
        SetKeys(*user, auth, authKey, priv, privKey);
        created_[key] = Keys{auth, authKey, priv, privKey};
        enabled.insert(key);
        PutUser(model_, u.engineId, u.name, auth, priv, false);
    }
    std::vector<usmUser*> gone;
    for (usmUser* user = usm_get_userList(); user != nullptr; user = user->next) {
        if (enabled.count({BytesOf(user->engineID, user->engineIDLen),
                           user->name == nullptr ? "" : user->name}) == 0) {
            gone.push_back(user);
        }
    }
    for (usmUser* user : gone) {
        usm_remove_user(user);
        usm_free_user(user);
    }
    std::erase_if(created_, [&](const auto& kept) { return rows.count(kept.first) == 0; });
    SaveKeys();
}

// One line a user: engine id and name in hexadecimal, then the protocols
// and keys.
void SecurityBridge::LoadKeys() {
    std::ifstream in(keyFile_);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string engine, name, auth, authKey, priv, privKey;
        words >> engine >> name >> auth >> authKey >> priv >> privKey;
        const auto bytes = [](const std::string& hex) {
            const auto value = ParseValueText(Syntax::OctetString, hex == "-" ? "" : hex, true);
            return value ? value->bytes : std::string();
        };
        const auto authOid = ParseOid(auth);
        const auto privOid = ParseOid(priv);
        if (authOid && privOid) {
            created_[{bytes(engine), bytes(name)}] =
                Keys{*authOid, bytes(authKey), *privOid, bytes(privKey)};
        }
    }
}

void SecurityBridge::SaveKeys() const {
    if (keyFile_.empty()) {
        return;
    }
    std::filesystem::path temporary = keyFile_;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        const auto hex = [](const std::string& bytes) {
            return bytes.empty() ? std::string("-") : HexOf(bytes);
        };
        for (const auto& [key, keys] : created_) {
            out << hex(key.first) << ' ' << hex(key.second) << ' ' << FormatOid(keys.authProtocol)
                << ' ' << hex(keys.authKey) << ' ' << FormatOid(keys.privProtocol) << ' '
                << hex(keys.privKey) << '\n';
        }
    }
    std::error_code ignored;
    std::filesystem::rename(temporary, keyFile_, ignored);
}

}  // namespace vsim
