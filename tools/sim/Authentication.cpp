#include "Authentication.h"

#include "Addresses.h"
#include "TableRows.h"

namespace vsim::auth {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

// The limits the switch reports (swAACInfo).
const Oid kMaxLoginLists = O("1.3.6.1.4.1.99917.12.5.2.1.0");
const Oid kMaxEnableLists = O("1.3.6.1.4.1.99917.12.5.2.2.0");
const Oid kMaxServers = O("1.3.6.1.4.1.99917.12.5.2.4.0");

constexpr std::uint32_t kMethods = 4;
constexpr std::uint32_t kFirstMethodType = 2;  // type and group name alternate
constexpr std::int64_t kServerGroupMethod = 5;
constexpr std::size_t kGroupSlots = 8;
constexpr std::uint32_t kGroupFirstAddress = 2;  // address and protocol alternate
constexpr std::int64_t kNoProtocol = 5;          // an empty slot: none(5)

constexpr std::uint32_t kServerPort = 3;
constexpr std::uint32_t kRadius = 4;
constexpr std::int64_t kRadiusPort = 1812;
constexpr std::int64_t kTacacsPort = 49;

// IP address (4 arcs) and protocol (1 arc) after the group name.
constexpr std::size_t kServerIndexArcs = 5;

bool WithinLimit(const RowPlace& place, const Oid& entry, const Oid& limit) {
    const MibValue* most = place.model.Find(limit);
    return most == nullptr ||
           RowsAfter(place, entry).size() <= static_cast<std::size_t>(most->number);
}

// A group name as the index of its row: the length, then the characters.
Oid GroupIndex(const std::string& name) {
    Oid index{static_cast<std::uint32_t>(name.size())};
    for (const char c : name) {
        index.push_back(static_cast<std::uint8_t>(c));
    }
    return index;
}

bool ListFits(const RowView& row, const RowPlace& place, const Oid& limit) {
    if (!WithinLimit(place, place.table.entry, limit)) {
        return false;
    }
    const auto groups = RowsAfter(place, kServerGroupEntry);
    for (std::uint32_t k = 0; k < kMethods; ++k) {
        const std::uint32_t type = kFirstMethodType + 2 * k;
        if (NumberIn(row, type) != kServerGroupMethod) {
            continue;
        }
        const std::string group = OctetsIn(row, type + 1).value_or("");
        if (group.empty() || groups.count(GroupIndex(group)) == 0) {
            return false;
        }
    }
    return true;
}

// The server index (address, protocol) at the end of a membership's index.
Oid ServerOf(const Oid& memberIndex) {
    return Oid(memberIndex.end() - static_cast<std::ptrdiff_t>(kServerIndexArcs),
               memberIndex.end());
}

Oid GroupOf(const Oid& memberIndex) {
    return Oid(memberIndex.begin(),
               memberIndex.end() - static_cast<std::ptrdiff_t>(kServerIndexArcs));
}

}  // namespace

const Oid kLoginListEntry = O("1.3.6.1.4.1.99917.12.5.3.1");
const Oid kEnableListEntry = O("1.3.6.1.4.1.99917.12.5.4.1");
const Oid kServerEntry = O("1.3.6.1.4.1.99917.12.5.10.1");
const Oid kServerGroupEntry = O("1.3.6.1.4.1.99917.12.5.9.1");
const Oid kGroupMemberEntry = O("1.3.6.1.4.1.99917.12.5.12.1");

bool LoginListFits(const RowView& row, const RowPlace& place) {
    return ListFits(row, place, kMaxLoginLists);
}

bool EnableListFits(const RowView& row, const RowPlace& place) {
    return ListFits(row, place, kMaxEnableLists);
}

bool ServerFits(const RowView&, const RowPlace& place) {
    return place.index.size() == kServerIndexArcs && IsHostIpv4(ArcOctets(place.index, 0, 4)) &&
           WithinLimit(place, kServerEntry, kMaxServers);
}

bool GroupMemberFits(const RowView&, const RowPlace& place) {
    if (place.index.size() <= kServerIndexArcs ||
        RowsAfter(place, kServerEntry).count(ServerOf(place.index)) == 0) {
        return false;
    }
    const Oid group = GroupOf(place.index);
    std::size_t members = 0;
    for (const auto& [index, member] : RowsAfter(place, kGroupMemberEntry)) {
        members += index.size() > kServerIndexArcs && GroupOf(index) == group ? 1 : 0;
    }
    return members <= kGroupSlots;
}

std::vector<ModelWrite> PublishServers(MibModel& model) {
    std::vector<ModelWrite> changes;
    const auto servers = RowsAfter(model, kServerEntry, {});
    for (const auto& [index, server] : servers) {
        if (index.size() == kServerIndexArcs && server.count(kServerPort) == 0) {
            const Oid port = Join(Join(kServerEntry, {kServerPort}), index);
            const MibValue value =
                MibValue::Integer(index.back() == kRadius ? kRadiusPort : kTacacsPort);
            model.Put(port, value);
            changes.push_back({port, value});
        }
    }
    std::map<Oid, std::vector<Oid>> members;  // group index -> server indexes
    for (const auto& [index, member] : RowsAfter(model, kGroupMemberEntry, {})) {
        if (index.size() <= kServerIndexArcs) {
            continue;
        }
        if (servers.count(ServerOf(index)) == 0) {
            for (const auto& [column, value] : member) {
                const Oid oid = Join(Join(kGroupMemberEntry, {column}), index);
                model.Erase(oid);
                changes.push_back({oid, std::nullopt});
            }
            continue;
        }
        members[GroupOf(index)].push_back(ServerOf(index));
    }
    const auto put = [&](const Oid& oid, const MibValue& value) {
        MibValue* current = model.FindMutable(oid);
        if (current != nullptr && *current != value) {
            *current = value;
            changes.push_back({oid, value});
        }
    };
    for (const auto& [group, row] : RowsAfter(model, kServerGroupEntry, {})) {
        const std::vector<Oid>& inGroup = members[group];
        for (std::size_t slot = 0; slot < kGroupSlots; ++slot) {
            const auto column = static_cast<std::uint32_t>(kGroupFirstAddress + 2 * slot);
            const bool used = slot < inGroup.size();
            const Oid server = used ? inGroup[slot] : Oid{};
            MibValue address = MibValue::Ip(0, 0, 0, 0);
            address.bytes = used ? ArcOctets(server, 0, 4) : address.bytes;
            put(Join(Join(kServerGroupEntry, {column}), group), address);
            put(Join(Join(kServerGroupEntry, {column + 1}), group),
                MibValue::Integer(used ? server[4] : kNoProtocol));
        }
    }
    return changes;
}

}  // namespace vsim::auth
