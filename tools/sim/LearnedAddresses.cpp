#include "LearnedAddresses.h"

#include <algorithm>
#include <map>
#include <optional>
#include <random>

namespace vsim {

namespace {

const Oid kTpFdbEntry{1, 3, 6, 1, 2, 1, 17, 4, 3, 1};         // dot1dTpFdbEntry
const Oid kQTpFdbEntry{1, 3, 6, 1, 2, 1, 17, 7, 1, 2, 2, 1};  // dot1qTpFdbEntry
const Oid kQFdbDynamicCount{1, 3, 6, 1, 2, 1, 17, 7, 1, 2, 1, 1, 2};

constexpr std::uint32_t kAddress = 1;
constexpr std::uint32_t kPort = 2;
constexpr std::uint32_t kStatus = 3;
constexpr std::int64_t kLearned = 3;
constexpr std::uint32_t kDefaultVlan = 1;

// A bijection of 32-bit numbers that scatters neighbours: distinct inputs
// stay distinct addresses.
std::uint32_t Scatter(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

// ENTRY.COLUMN[.VLAN].MAC, built in place: a hundred thousand rows are
// built at start.
Oid RowOid(const Oid& entry, std::uint32_t column, std::optional<std::uint32_t> vlan,
           const std::array<std::uint8_t, 6>& mac) {
    Oid oid(entry.size() + (vlan ? 8 : 7));
    std::uint32_t* arc = std::copy(entry.begin(), entry.end(), oid.data());
    *arc++ = column;
    if (vlan) {
        *arc++ = *vlan;
    }
    std::copy(mac.begin(), mac.end(), arc);
    return oid;
}

}  // namespace

std::vector<LearnedAddress> LearnAddresses(std::size_t count, const std::set<std::uint32_t>& vlans,
                                           int ports, std::uint64_t seed) {
    // Its own stream, so that the ports' life of the same seed stays as it was.
    std::mt19937_64 random(seed ^ 0x6664622d6c656172u);
    const std::vector<std::uint32_t> onVlans =
        vlans.empty() ? std::vector<std::uint32_t>{kDefaultVlan}
                      : std::vector<std::uint32_t>(vlans.begin(), vlans.end());
    const auto offset = static_cast<std::uint32_t>(random());
    std::vector<LearnedAddress> learned(count);
    for (std::size_t i = 0; i < learned.size(); ++i) {
        const std::uint32_t low = Scatter(static_cast<std::uint32_t>(i) + offset);
        LearnedAddress& address = learned[i];
        address.mac = {0x02,
                       0x00,
                       static_cast<std::uint8_t>(low >> 24),
                       static_cast<std::uint8_t>(low >> 16),
                       static_cast<std::uint8_t>(low >> 8),
                       static_cast<std::uint8_t>(low)};
        address.vlan = onVlans[random() % onVlans.size()];
        address.port = ports > 0 ? static_cast<std::uint32_t>(1 + random() % ports) : 0;
    }
    return learned;
}

void ForgetAddress(MibModel& model, const LearnedAddress& address) {
    const auto behindItsPort = [&](std::optional<std::uint32_t> vlan) {
        const MibValue* port =
            model.Find(RowOid(vlan ? kQTpFdbEntry : kTpFdbEntry, kPort, vlan, address.mac));
        return port != nullptr && port->number == address.port;
    };
    if (!behindItsPort(address.vlan)) {
        return;
    }
    const MibValue* status = model.Find(RowOid(kQTpFdbEntry, kStatus, address.vlan, address.mac));
    if (status != nullptr && status->number == kLearned) {
        Oid count = kQFdbDynamicCount;
        count.push_back(address.vlan);
        if (MibValue* learned = model.FindMutable(count);
            learned != nullptr && learned->number > 0) {
            --learned->number;
        }
    }
    for (const std::uint32_t column : {kPort, kStatus}) {
        model.Erase(RowOid(kQTpFdbEntry, column, address.vlan, address.mac));
    }
    if (behindItsPort(std::nullopt)) {
        for (const std::uint32_t column : {kAddress, kPort, kStatus}) {
            model.Erase(RowOid(kTpFdbEntry, column, std::nullopt, address.mac));
        }
    }
}

bool ServesForwardingDatabases(const std::vector<Oid>& served) {
    const auto covered = [&](const Oid& entry) {
        return std::any_of(served.begin(), served.end(),
                           [&](const Oid& root) { return IsPrefix(root, entry); });
    };
    return covered(kTpFdbEntry) && covered(kQTpFdbEntry);
}

LearnedAddresses::LearnedAddresses(MibModel& model, std::vector<LearnedAddress> learned)
    : model_(model), learned_(std::move(learned)) {}

void LearnedAddresses::Publish() {
    model_.EraseBelow(kTpFdbEntry);
    model_.EraseBelow(kQTpFdbEntry);
    std::vector<const LearnedAddress*> byMac;
    byMac.reserve(learned_.size());
    for (const LearnedAddress& address : learned_) {
        byMac.push_back(&address);
    }
    std::sort(byMac.begin(), byMac.end(),
              [](const auto* a, const auto* b) { return a->mac < b->mac; });
    std::vector<const LearnedAddress*> byVlan = byMac;
    std::stable_sort(byVlan.begin(), byVlan.end(),
                     [](const auto* a, const auto* b) { return a->vlan < b->vlan; });

    // In SNMP order, column by column, so that every row goes in after the
    // one before.
    for (const std::uint32_t column : {kAddress, kPort, kStatus}) {
        std::vector<std::pair<Oid, MibValue>> rows;
        rows.reserve(byMac.size());
        for (const LearnedAddress* a : byMac) {
            rows.emplace_back(RowOid(kTpFdbEntry, column, std::nullopt, a->mac),
                              column == kAddress
                                  ? MibValue::Octets(std::string(a->mac.begin(), a->mac.end()))
                                  : MibValue::Integer(column == kPort ? a->port : kLearned));
        }
        model_.PutAscending(std::move(rows));
    }
    // The Q-BRIDGE address column is not-accessible: it is the index.
    for (const std::uint32_t column : {kPort, kStatus}) {
        std::vector<std::pair<Oid, MibValue>> rows;
        rows.reserve(byVlan.size());
        for (const LearnedAddress* a : byVlan) {
            rows.emplace_back(RowOid(kQTpFdbEntry, column, a->vlan, a->mac),
                              MibValue::Integer(column == kPort ? a->port : kLearned));
        }
        model_.PutAscending(std::move(rows));
    }
    PublishCounts();
}

void LearnedAddresses::KeepVlans(const std::set<std::uint32_t>& vlans) {
    const auto gone = [&](const LearnedAddress& a) { return vlans.count(a.vlan) == 0; };
    for (const LearnedAddress& address : learned_) {
        if (gone(address)) {
            for (const std::uint32_t column : {kAddress, kPort, kStatus}) {
                model_.Erase(RowOid(kTpFdbEntry, column, std::nullopt, address.mac));
            }
            for (const std::uint32_t column : {kPort, kStatus}) {
                model_.Erase(RowOid(kQTpFdbEntry, column, address.vlan, address.mac));
            }
        }
    }
    std::erase_if(learned_, gone);
    PublishCounts();
}

void LearnedAddresses::Forget(const LearnedAddress& address) {
    const auto it = std::find(learned_.begin(), learned_.end(), address);
    if (it != learned_.end()) {
        learned_.erase(it);
        ForgetAddress(model_, address);
    }
}

void LearnedAddresses::PublishCounts() {
    std::map<std::uint32_t, std::uint32_t> counts;
    for (const LearnedAddress& address : learned_) {
        ++counts[address.vlan];
    }
    model_.UpdateBelow(kQFdbDynamicCount, [&](const Oid& oid, MibValue& value) {
        if (oid.size() == kQFdbDynamicCount.size() + 1) {
            const auto it = counts.find(oid.back());
            value.number = it == counts.end() ? 0 : it->second;
        }
    });
}

}  // namespace vsim
