#include "Bridging.h"

#include "TableRows.h"

namespace vsim::bridge {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kVlanStaticEntry = O("1.3.6.1.2.1.17.7.1.4.3.1");

// Columns.
constexpr std::uint32_t kRouterStatic = 2;
constexpr std::uint32_t kRouterForbidden = 4;
constexpr std::uint32_t kMulticastEgress = 3;
constexpr std::uint32_t kMulticastForbidden = 4;
constexpr std::uint32_t kGarpJoin = 1;
constexpr std::uint32_t kGarpLeave = 2;
constexpr std::uint32_t kGarpLeaveAll = 3;
constexpr std::uint32_t kPvid = 1;
constexpr std::uint32_t kVlanStatus = 5;
constexpr std::uint32_t kForwardAllPorts = 1;
constexpr std::uint32_t kForwardStatic = 2;
constexpr std::uint32_t kForwardForbidden = 3;
constexpr std::uint32_t kPauseAdmin = 1;
constexpr std::uint32_t kPauseOper = 2;

// Twelve units of 64 ports.
constexpr std::size_t kForwardingListSize = 96;
constexpr std::int64_t kPauseDisabled = 1;
constexpr std::uint32_t kDefaultVlan = 1;

bool Overlap(const RowView& row, std::uint32_t a, std::uint32_t b) {
    const auto first = row.find(a);
    const auto second = row.find(b);
    if (first == row.end() || second == row.end()) {
        return false;
    }
    const std::string& x = first->second.bytes;
    const std::string& y = second->second.bytes;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if ((x[i] & y[i]) != 0) {
            return true;
        }
    }
    return false;
}

const MibValue* Column(const RowView& row, std::uint32_t column) {
    const auto it = row.find(column);
    return it == row.end() ? nullptr : &it->second;
}

// Every row of a table in the model, by index, with one column.
std::map<Oid, MibValue> ColumnValues(const MibModel& model, const Oid& entry,
                                     std::uint32_t column) {
    std::map<Oid, MibValue> values;
    const Oid prefix = Join(entry, {column});
    for (auto it = model.All().lower_bound(prefix);
         it != model.All().end() && IsPrefix(prefix, it->first); ++it) {
        values.emplace(
            Oid(it->first.begin() + static_cast<std::ptrdiff_t>(prefix.size()), it->first.end()),
            it->second);
    }
    return values;
}

}  // namespace

const Oid kForwardAllEntry = O("1.3.6.1.2.1.17.7.1.2.4.1");
const Oid kForwardUnregisteredEntry = O("1.3.6.1.2.1.17.7.1.2.5.1");
const Oid kPortVlanEntry = O("1.3.6.1.2.1.17.7.1.4.5.1");
const Oid kPauseEntry = O("1.3.6.1.2.1.10.7.10.1");

bool RouterPortsAreConsistent(const RowView& row, const RowPlace&) {
    return !Overlap(row, kRouterStatic, kRouterForbidden);
}

bool StaticMulticastPortsAreConsistent(const RowView& row, const RowPlace&) {
    return !Overlap(row, kMulticastEgress, kMulticastForbidden);
}

bool GarpTimersAreConsistent(const RowView& row, const RowPlace&) {
    const MibValue* join = Column(row, kGarpJoin);
    const MibValue* leave = Column(row, kGarpLeave);
    const MibValue* leaveAll = Column(row, kGarpLeaveAll);
    if (join == nullptr || leave == nullptr || leaveAll == nullptr) {
        return true;
    }
    return leave->number >= 2 * join->number && leaveAll->number > leave->number;
}

bool PvidNamesVlan(const RowView& row, const RowPlace& place) {
    const MibValue* pvid = Column(row, kPvid);
    if (pvid == nullptr) {
        return true;
    }
    static const std::vector<ModelWrite> kNone;
    TableRule vlans;
    vlans.entry = kVlanStaticEntry;
    const RowView vlan = RowAfter(place.model, vlans, {static_cast<std::uint32_t>(pvid->number)},
                                  place.writes != nullptr ? *place.writes : kNone);
    return vlan.count(kVlanStatus) != 0;
}

std::vector<ModelWrite> PublishForwarding(MibModel& model) {
    std::vector<ModelWrite> filled;
    for (const Oid& entry : {kForwardAllEntry, kForwardUnregisteredEntry}) {
        for (const std::uint32_t column : {kForwardStatic, kForwardForbidden}) {
            for (const auto& [index, value] : ColumnValues(model, entry, column)) {
                if (value.bytes.size() < kForwardingListSize) {
                    MibValue full = value;
                    full.bytes.resize(kForwardingListSize, '\0');
                    const Oid oid = Join(Join(entry, {column}), index);
                    model.Put(oid, full);
                    filled.push_back({oid, full});
                }
            }
        }
        for (const auto& [index, value] : ColumnValues(model, entry, kForwardStatic)) {
            model.Put(Join(Join(entry, {kForwardAllPorts}), index), value);
        }
    }
    return filled;
}

std::vector<ModelWrite> PublishPvids(MibModel& model) {
    std::vector<ModelWrite> moved;
    for (const auto& [index, value] : ColumnValues(model, kPortVlanEntry, kPvid)) {
        const Oid vlan =
            Join(kVlanStaticEntry, {kVlanStatus, static_cast<std::uint32_t>(value.number)});
        if (model.Find(vlan) == nullptr) {
            MibValue fallback = value;
            fallback.number = kDefaultVlan;
            const Oid oid = Join(Join(kPortVlanEntry, {kPvid}), index);
            model.Put(oid, fallback);
            moved.push_back({oid, fallback});
        }
    }
    return moved;
}

void PublishPauseModes(MibModel& model, const std::set<int>& linkedPorts) {
    for (const auto& [index, admin] : ColumnValues(model, kPauseEntry, kPauseAdmin)) {
        const bool linked =
            index.size() == 1 && linkedPorts.count(static_cast<int>(index.front())) != 0;
        if (MibValue* oper = model.FindMutable(Join(Join(kPauseEntry, {kPauseOper}), index))) {
            oper->number = linked ? admin.number : kPauseDisabled;
        }
    }
}

}  // namespace vsim::bridge
