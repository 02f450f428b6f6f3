#include "Protection.h"

#include <algorithm>

#include "Addresses.h"
#include "TableRows.h"

namespace vsim::protect {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kVlanStaticEntry = O("1.3.6.1.2.1.17.7.1.4.3.1");

// Columns.
constexpr std::uint32_t kBindingAddress = 1;
constexpr std::uint32_t kBindingMac = 2;
constexpr std::uint32_t kBlockedType = 5;
constexpr std::uint32_t kDeleteVlanName = 1;
constexpr std::uint32_t kDeletePort = 2;
constexpr std::uint32_t kDeleteMac = 3;
constexpr std::uint32_t kDeleteActivity = 4;
constexpr std::uint32_t kVlanName = 1;
constexpr std::uint32_t kRising = 1;
constexpr std::uint32_t kFalling = 2;

constexpr std::int64_t kReleaseBlocked = 3;
constexpr std::int64_t kActivityNone = 1;
constexpr std::int64_t kActivityStart = 2;

}  // namespace

const Oid kBindingEntry = O("1.3.6.1.4.1.99917.12.23.4.1.1");
const Oid kBlockedEntry = O("1.3.6.1.4.1.99917.12.23.4.2.1");
const Oid kPortSecurityDelete = O("1.3.6.1.4.1.99917.11.70.1.2.7.2");

bool BindingFits(const RowView& row, const RowPlace& place) {
    const auto mac = OctetsIn(row, kBindingMac);
    if (!IsHostIpv4(OctetsIn(row, kBindingAddress).value_or("")) ||
        !IsStationMac(mac.value_or(""))) {
        return false;
    }
    const auto bindings = RowsAfter(place, kBindingEntry);
    return std::none_of(bindings.begin(), bindings.end(), [&](const auto& binding) {
        return binding.first != place.index && OctetsIn(binding.second, kBindingMac) == mac;
    });
}

bool PortSecurityDeleteFits(const RowView& row, const RowPlace& place) {
    if (NumberIn(row, kDeleteActivity) != kActivityStart) {
        return true;
    }
    const auto name = OctetsIn(row, kDeleteVlanName);
    const auto vlans = RowsAfter(place, kVlanStaticEntry);
    return std::any_of(vlans.begin(), vlans.end(),
                       [&](const auto& vlan) { return OctetsIn(vlan.second, kVlanName) == name; });
}

bool BulwarkThresholdsFit(const RowView& row, const RowPlace&) {
    return NumberIn(row, kFalling) <= NumberIn(row, kRising);
}

std::optional<LearnedAddress> OrderedDeletion(const MibModel& model,
                                              const std::vector<ModelWrite>& writes) {
    const Oid activity = Join(kPortSecurityDelete, {kDeleteActivity, 0});
    if (std::none_of(writes.begin(), writes.end(), [&](const ModelWrite& write) {
            return write.oid == activity && write.value && write.value->number == kActivityStart;
        })) {
        return std::nullopt;
    }
    TableRule group;
    group.entry = kPortSecurityDelete;
    const RowView order = ReadRow(model, group, {0});
    const std::string mac = OctetsIn(order, kDeleteMac).value_or("");
    const auto name = OctetsIn(order, kDeleteVlanName);
    for (const auto& [index, vlan] : RowsAfter(model, kVlanStaticEntry, {})) {
        if (index.size() == 1 && mac.size() == 6 && OctetsIn(vlan, kVlanName) == name) {
            LearnedAddress address;
            std::copy(mac.begin(), mac.end(), address.mac.begin());
            address.vlan = index[0];
            address.port = static_cast<std::uint32_t>(NumberIn(order, kDeletePort));
            return address;
        }
    }
    return std::nullopt;
}

std::vector<ModelWrite> CarryOut(MibModel& model, const std::vector<ModelWrite>& writes) {
    std::vector<ModelWrite> changes;
    const Oid blockedType = Join(kBlockedEntry, {kBlockedType});
    const Oid activity = Join(kPortSecurityDelete, {kDeleteActivity, 0});
    for (const ModelWrite& write : writes) {
        if (!write.value) {
            continue;
        }
        if (IsPrefix(blockedType, write.oid) && write.value->number == kReleaseBlocked) {
            TableRule blocked;
            blocked.entry = kBlockedEntry;
            const Oid index(write.oid.begin() + static_cast<std::ptrdiff_t>(blockedType.size()),
                            write.oid.end());
            for (const auto& [column, value] : ReadRow(model, blocked, index)) {
                const Oid oid = Join(Join(kBlockedEntry, {column}), index);
                model.Erase(oid);
                changes.push_back({oid, std::nullopt});
            }
        } else if (write.oid == activity && write.value->number == kActivityStart) {
            const MibValue none = MibValue::Integer(kActivityNone);
            model.Put(activity, none);
            changes.push_back({activity, none});
        }
    }
    return changes;
}

}  // namespace vsim::protect
