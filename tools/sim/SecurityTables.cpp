#include "SecurityTables.h"

#include "TableRows.h"

namespace vsim::security {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

TableRule Table(const Oid& entry, std::vector<IndexKey> keys) {
    TableRule table;
    table.entry = entry;
    table.keys = std::move(keys);
    return table;
}

// A string key's bytes, without its length when it has one.
std::string Text(const Oid& part, bool prefixed = true) {
    std::string text;
    for (std::size_t i = prefixed ? 1 : 0; i < part.size(); ++i) {
        text += static_cast<char>(part[i]);
    }
    return text;
}

// A string key with its length in front.
Oid TextKey(std::string_view text) {
    Oid key = {static_cast<std::uint32_t>(text.size())};
    for (const char c : text) {
        key.push_back(static_cast<unsigned char>(c));
    }
    return key;
}

const MibValue* Column(const RowView& row, std::uint32_t column) {
    const auto it = row.find(column);
    return it == row.end() ? nullptr : &it->second;
}

std::string Bytes(const RowView& row, std::uint32_t column) {
    const MibValue* value = Column(row, column);
    return value ? value->bytes : std::string();
}

std::int64_t Number(const RowView& row, std::uint32_t column) {
    const MibValue* value = Column(row, column);
    return value ? value->number : 0;
}

Oid Identifier(const RowView& row, std::uint32_t column) {
    const MibValue* value = Column(row, column);
    return value ? value->oid : Oid{};
}

// Calls `use` with the keys and columns of every active row of `table`.
template <typename Use>
void ForActiveRows(const MibModel& model, const TableRule& table, std::uint32_t status, Use use) {
    for (const Oid& index : RowIndexes(model, table)) {
        const auto keys = table.SplitIndex(index);
        const RowView row = ReadRow(model, table, index);
        if (keys && Number(row, status) == kActive) {
            use(*keys, row);
        }
    }
}

const TableRule kCommunities = Table(O("1.3.6.1.6.3.18.1.1.1"), {IndexKey::ImpliedString});
const TableRule kGroups = Table(O("1.3.6.1.6.3.16.1.2.1"), {IndexKey::Integer, IndexKey::String});
const TableRule kAccesses =
    Table(O("1.3.6.1.6.3.16.1.4.1"),
          {IndexKey::String, IndexKey::String, IndexKey::Integer, IndexKey::Integer});
const TableRule kViews = Table(O("1.3.6.1.6.3.16.1.5.2.1"), {IndexKey::String, IndexKey::Oid});
const TableRule kUsers = Table(O("1.3.6.1.6.3.15.1.2.2.1"), {IndexKey::String, IndexKey::String});

}  // namespace

const Oid kCommunityEntry = kCommunities.entry;
const Oid kGroupEntry = kGroups.entry;
const Oid kAccessEntry = kAccesses.entry;
const Oid kViewEntry = kViews.entry;
const Oid kUserEntry = kUsers.entry;
const Oid kNoAuthProtocol = O("1.3.6.1.6.3.10.1.1.1");
const Oid kNoPrivProtocol = O("1.3.6.1.6.3.10.1.2.1");
const Oid kZeroDotZero = {0, 0};

std::vector<Community> ActiveCommunities(const MibModel& model) {
    std::vector<Community> communities;
    ForActiveRows(model, kCommunities, 8, [&](const std::vector<Oid>&, const RowView& row) {
        communities.push_back({Bytes(row, 2), Bytes(row, 3), Bytes(row, 5)});
    });
    return communities;
}

std::vector<Group> ActiveGroups(const MibModel& model) {
    std::vector<Group> groups;
    ForActiveRows(model, kGroups, 5, [&](const std::vector<Oid>& keys, const RowView& row) {
        groups.push_back({static_cast<int>(keys[0][0]), Text(keys[1]), Bytes(row, 3)});
    });
    return groups;
}

std::vector<Access> ActiveAccess(const MibModel& model) {
    std::vector<Access> entries;
    ForActiveRows(model, kAccesses, 9, [&](const std::vector<Oid>& keys, const RowView& row) {
        entries.push_back({Text(keys[0]), Text(keys[1]), static_cast<int>(keys[2][0]),
                           static_cast<int>(keys[3][0]), static_cast<int>(Number(row, 4)),
                           Bytes(row, 5), Bytes(row, 6), Bytes(row, 7)});
    });
    return entries;
}

std::vector<View> ActiveViews(const MibModel& model) {
    std::vector<View> views;
    ForActiveRows(model, kViews, 6, [&](const std::vector<Oid>& keys, const RowView& row) {
        views.push_back({Text(keys[0]), Oid(keys[1].begin() + 1, keys[1].end()), Bytes(row, 3),
                         static_cast<int>(Number(row, 4))});
    });
    return views;
}

std::vector<User> Users(const MibModel& model) {
    std::vector<User> users;
    for (const Oid& index : RowIndexes(model, kUsers)) {
        const auto keys = kUsers.SplitIndex(index);
        if (!keys) {
            continue;
        }
        const RowView row = ReadRow(model, kUsers, index);
        const std::string ownAuth = Bytes(row, kUserOwnAuthKeyChange);
        const std::string ownPriv = Bytes(row, kUserOwnPrivKeyChange);
        users.push_back({Text((*keys)[0]), Text((*keys)[1]), Number(row, kUserStatus) == kActive,
                         Identifier(row, kUserCloneFrom), Identifier(row, kUserAuthProtocol),
                         Identifier(row, kUserPrivProtocol),
                         ownAuth.empty() ? Bytes(row, kUserAuthKeyChange) : ownAuth,
                         ownPriv.empty() ? Bytes(row, kUserPrivKeyChange) : ownPriv});
    }
    return users;
}

bool CommunityRowIsConsistent(const RowView& row, const RowPlace&) {
    for (const std::uint32_t column : {2u, 3u, 5u}) {
        for (const char c : Bytes(row, column)) {
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
        }
    }
    return true;
}

Oid UserIndex(const std::string& engineId, const std::string& name) {
    return Join(TextKey(engineId), TextKey(name));
}

void PutUser(MibModel& model, const std::string& engineId, const std::string& name,
             const Oid& authProtocol, const Oid& privProtocol, bool configured) {
    const Oid index = UserIndex(engineId, name);
    const auto put = [&](std::uint32_t column, MibValue value) {
        model.Put(Join(Join(kUserEntry, {column}), index), std::move(value));
    };
    put(kUserCloneFrom, MibValue::ObjectId(kZeroDotZero));
    put(kUserAuthProtocol, MibValue::ObjectId(authProtocol));
    put(kUserPrivProtocol, MibValue::ObjectId(privProtocol));
    for (const auto column :
         {kUserAuthKeyChange, kUserOwnAuthKeyChange, kUserPrivKeyChange, kUserOwnPrivKeyChange}) {
        put(column, MibValue::Octets(""));
    }
    if (configured) {
        put(kUserSecurityName, MibValue::Octets(name));
        put(11, MibValue::Octets(""));  // usmUserPublic
        put(kUserStorageType, MibValue::Integer(kReadOnly));
        put(kUserStatus, MibValue::Integer(kActive));
    }
}

void PutWritableView(MibModel& model, const std::vector<Oid>& roots) {
    for (const Oid& root : roots) {
        Oid index = TextKey("vanta-writable");
        index.push_back(static_cast<std::uint32_t>(root.size()));
        index.insert(index.end(), root.begin(), root.end());
        const auto put = [&](std::uint32_t column, MibValue value) {
            model.Put(Join(Join(kViewEntry, {column}), index), std::move(value));
        };
        put(3, MibValue::Octets(""));
        put(4, MibValue::Integer(1));  // included
        put(5, MibValue::Integer(kReadOnly));
        put(6, MibValue::Integer(kActive));
    }
}

void FillContextEngineIds(MibModel& model, const std::string& engineId) {
    for (const Oid& index : RowIndexes(model, kCommunities)) {
        const Oid engine = Join(Join(kCommunityEntry, {4}), index);
        if (model.Find(engine) == nullptr) {
            model.Put(engine, MibValue::Octets(engineId));
        }
    }
}

std::optional<std::pair<std::string, std::string>> UserOfPointer(const Oid& pointer) {
    const std::size_t indexAt = kUserEntry.size() + 1;
    if (pointer.size() <= indexAt || !IsPrefix(kUserEntry, pointer)) {
        return std::nullopt;
    }
    const auto keys = kUsers.SplitIndex(Oid(pointer.begin() + indexAt, pointer.end()));
    if (!keys) {
        return std::nullopt;
    }
    return std::pair(Text((*keys)[0]), Text((*keys)[1]));
}

std::size_t AuthKeyLength(const Oid& protocol) {
    // HMAC-MD5, -SHA, and the SHA-2 ones of RFC 7860.
    static const std::pair<Oid, std::size_t> kLengths[] = {
        {O("1.3.6.1.6.3.10.1.1.2"), 16}, {O("1.3.6.1.6.3.10.1.1.3"), 20},
        {O("1.3.6.1.6.3.10.1.1.4"), 28}, {O("1.3.6.1.6.3.10.1.1.5"), 32},
        {O("1.3.6.1.6.3.10.1.1.6"), 48}, {O("1.3.6.1.6.3.10.1.1.7"), 64},
    };
    for (const auto& [known, length] : kLengths) {
        if (known == protocol) {
            return length;
        }
    }
    return 0;
}

std::size_t PrivKeyLength(const Oid& protocol) {
    // DES keeps its pre-IV with the key; AES-128 (RFC 3826).
    return protocol == O("1.3.6.1.6.3.10.1.2.2") || protocol == O("1.3.6.1.6.3.10.1.2.4") ? 16 : 0;
}

bool UserRowIsConsistent(const RowView& row, const RowPlace& place) {
    // The engine keeps user names as C strings.
    const auto keys = place.table.SplitIndex(place.index);
    if (!keys || keys->size() != 2 || Text((*keys)[1]).find('\0') != std::string::npos) {
        return false;
    }
    const RowView before = ReadRow(place.model, place.table, place.index);
    const Oid auth = Identifier(row, kUserAuthProtocol);
    const Oid priv = Identifier(row, kUserPrivProtocol);
    for (const auto& [column, off] : {std::pair(kUserAuthProtocol, kNoAuthProtocol),
                                      std::pair(kUserPrivProtocol, kNoPrivProtocol)}) {
        const Oid now = Identifier(row, column);
        if (!before.empty() && now != Identifier(before, column) && now != off) {
            return false;
        }
    }
    if (auth == kNoAuthProtocol && priv != kNoPrivProtocol) {
        return false;
    }
    const Oid clone = Identifier(row, kUserCloneFrom);
    if (!clone.empty() && clone != kZeroDotZero) {
        const auto source = UserOfPointer(clone);
        const Oid status = Join(kUserEntry, {kUserStatus});
        const MibValue* active =
            source ? place.model.Find(Join(status, UserIndex(source->first, source->second)))
                   : nullptr;
        if (active == nullptr || active->number != kActive) {
            return false;
        }
    }
    // A key change needs the key it changes: an existing user's, and twice
    // as long as that key (RFC 3414, 5).
    const std::size_t authLength = before.empty() ? 0 : AuthKeyLength(auth);
    const std::size_t privLength = before.empty() || authLength == 0 ? 0 : PrivKeyLength(priv);
    for (const auto& [column, length] :
         {std::pair(kUserAuthKeyChange, authLength), std::pair(kUserOwnAuthKeyChange, authLength),
          std::pair(kUserPrivKeyChange, privLength),
          std::pair(kUserOwnPrivKeyChange, privLength)}) {
        const std::string change = Bytes(row, column);
        if (!change.empty() && change.size() != 2 * length) {
            return false;
        }
    }
    return true;
}

}  // namespace vsim::security
