#include "AccessControl.h"

#include <algorithm>
#include <vector>

#include "TableRows.h"

namespace vsim::acl {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

// A rule's column and the values of its profile's column under which the
// profile examines that field.
struct Field {
    std::uint32_t ruleColumn;
    std::uint32_t profileColumn;
    std::vector<std::int64_t> examinedWhen;
};

struct List {
    const Oid& profileEntry;
    const Oid& ruleEntry;
    std::vector<Field> fields;
};

// Profile columns.
constexpr std::uint32_t kEthUseVlan = 2;
constexpr std::uint32_t kEthMacMaskState = 3;
constexpr std::uint32_t kEthUse8021p = 6;
constexpr std::uint32_t kEthUseEtherType = 7;
constexpr std::uint32_t kIpAddrMaskState = 3;
constexpr std::uint32_t kIpUseDscp = 6;
constexpr std::uint32_t kIpProtocol = 7;
constexpr std::uint32_t kIpv6Class = 2;
constexpr std::uint32_t kIpv6FlowLabel = 3;
constexpr std::uint32_t kIpv6AddrMaskState = 4;
// The IP rule's copy of its profile's protocol.
constexpr std::uint32_t kIpRuleProtocol = 7;

constexpr std::int64_t kEnabled = 1;
// Address mask states: other(1), dst(2), src(3), dst-src(4).
constexpr std::int64_t kMaskOther = 1;
constexpr std::int64_t kMaskDst = 2;
constexpr std::int64_t kMaskSrc = 3;
constexpr std::int64_t kMaskDstSrc = 4;
// IP protocol types.
constexpr std::int64_t kIcmp = 2;
constexpr std::int64_t kIgmp = 3;
constexpr std::int64_t kTcp = 4;
constexpr std::int64_t kUdp = 5;
constexpr std::int64_t kProtocolId = 6;

const List& Ethernet() {
    static const List list{kEthernetProfileEntry,
                           kEthernetRuleEntry,
                           {
                               {3, kEthUseVlan, {kEnabled}},                    // VLAN name
                               {4, kEthMacMaskState, {kMaskSrc, kMaskDstSrc}},  // source MAC
                               {5, kEthMacMaskState, {kMaskDst, kMaskDstSrc}},  // destination MAC
                               {6, kEthUse8021p, {kEnabled}},                   // 802.1p
                               {7, kEthUseEtherType, {kEnabled}},               // Ethernet type
                           }};
    return list;
}

const List& Ip() {
    static const List list{kIpProfileEntry,
                           kIpRuleEntry,
                           {
                               {4, kIpAddrMaskState, {kMaskSrc, kMaskDstSrc}},  // source address
                               {5, kIpAddrMaskState, {kMaskDst, kMaskDstSrc}},  // destination
                               {6, kIpUseDscp, {kEnabled}},                     // DSCP
                               {8, kIpProtocol, {kIcmp}},                       // ICMP
                               {9, kIpProtocol, {kIgmp}},                       // IGMP
                               {10, kIpProtocol, {kTcp, kUdp}},                 // source port
                               {11, kIpProtocol, {kTcp, kUdp}},                 // destination port
                               {12, kIpProtocol, {kTcp}},                       // TCP flag bits
                               {13, kIpProtocol, {kProtocolId}},                // protocol id
                               {14, kIpProtocol, {kProtocolId}},                // user mask
                           }};
    return list;
}

const List& Ipv6() {
    static const List list{kIpv6ProfileEntry,
                           kIpv6RuleEntry,
                           {
                               {3, kIpv6Class, {kEnabled}},          // class
                               {4, kIpv6FlowLabel, {kEnabled}},      // flow label
                               {5, kIpv6AddrMaskState, {kMaskSrc}},  // source address
                               {6, kIpv6AddrMaskState, {kMaskDst}},  // destination address
                           }};
    return list;
}

// The table of `entry` as the rules declare it; a bare one without them.
TableRule Declared(const RowPlace& place, const Oid& entry) {
    if (place.rules != nullptr) {
        if (const auto it = place.rules->Tables().find(entry); it != place.rules->Tables().end()) {
            return it->second;
        }
    }
    TableRule table;
    table.entry = entry;
    return table;
}

bool Written(const RowPlace& place, const Oid& instance) {
    return place.requested != nullptr &&
           std::any_of(place.requested->begin(), place.requested->end(),
                       [&](const auto& varbind) { return varbind.first == instance; });
}

// A rule fits when its profile, as the set leaves it, examines every field
// the rule matches.
bool RuleFits(const List& list, const RowView& row, const RowPlace& place) {
    if (place.index.size() != 2) {
        return false;
    }
    const RowView profile = RowAfter(place.model, Declared(place, list.profileEntry),
                                     {place.index.front()}, WritesOf(place));
    if (profile.empty()) {
        return false;
    }
    const RowView fresh =
        place.rules != nullptr ? NewRow(*place.rules, place.table, place.index) : RowView{};
    for (const Field& field : list.fields) {
        const auto value = row.find(field.ruleColumn);
        const auto initial = fresh.find(field.ruleColumn);
        const bool matched =
            Written(place, Join(Join(list.ruleEntry, {field.ruleColumn}), place.index)) ||
            (value != row.end() && initial != fresh.end() && value->second != initial->second);
        const std::int64_t examining = NumberIn(profile, field.profileColumn);
        if (matched && std::find(field.examinedWhen.begin(), field.examinedWhen.end(), examining) ==
                           field.examinedWhen.end()) {
            return false;
        }
    }
    return true;
}

// Every rule of the profile, as the set leaves them, still fits it.
bool RulesOfProfileFit(const List& list, const RowPlace& place) {
    if (place.index.size() != 1) {
        return false;
    }
    const TableRule rules = Declared(place, list.ruleEntry);
    for (const auto& [index, rule] : RowsAfter(place.model, list.ruleEntry, WritesOf(place))) {
        if (index.size() == 2 && index.front() == place.index.front() &&
            !RuleFits(
                list, rule,
                RowPlace{place.model, rules, index, place.writes, place.requested, place.rules})) {
            return false;
        }
    }
    return true;
}

}  // namespace

const Oid kEthernetProfileEntry = O("1.3.6.1.4.1.99917.12.9.2.1.1");
const Oid kEthernetRuleEntry = O("1.3.6.1.4.1.99917.12.9.3.1.1");
const Oid kIpProfileEntry = O("1.3.6.1.4.1.99917.12.9.2.2.1");
const Oid kIpRuleEntry = O("1.3.6.1.4.1.99917.12.9.3.2.1");
const Oid kIpv6ProfileEntry = O("1.3.6.1.4.1.99917.12.9.2.4.1");
const Oid kIpv6RuleEntry = O("1.3.6.1.4.1.99917.12.9.3.4.1");

bool EthernetRuleFits(const RowView& row, const RowPlace& place) {
    return RuleFits(Ethernet(), row, place);
}

bool IpRuleFits(const RowView& row, const RowPlace& place) {
    return RuleFits(Ip(), row, place);
}

bool Ipv6RuleFits(const RowView& row, const RowPlace& place) {
    return RuleFits(Ipv6(), row, place);
}

bool EthernetProfileFits(const RowView&, const RowPlace& place) {
    return RulesOfProfileFit(Ethernet(), place);
}

bool IpProfileFits(const RowView&, const RowPlace& place) {
    return RulesOfProfileFit(Ip(), place);
}

bool Ipv6ProfileFits(const RowView& row, const RowPlace& place) {
    const bool headerFields =
        NumberIn(row, kIpv6Class) == kEnabled || NumberIn(row, kIpv6FlowLabel) == kEnabled;
    const std::int64_t state = NumberIn(row, kIpv6AddrMaskState);
    if (headerFields && state != kMaskOther) {
        return false;
    }
    return RulesOfProfileFit(Ipv6(), place);
}

bool PublishIpRuleProtocols(MibModel& model) {
    TableRule rules;
    rules.entry = kIpRuleEntry;
    bool changed = false;
    for (const Oid& index : RowIndexes(model, rules)) {
        const MibValue* profile =
            index.size() == 2 ? model.Find(Join(kIpProfileEntry, {kIpProtocol, index.front()}))
                              : nullptr;
        MibValue* protocol = model.FindMutable(Join(Join(kIpRuleEntry, {kIpRuleProtocol}), index));
        if (profile != nullptr && protocol != nullptr && protocol->number != profile->number) {
            protocol->number = profile->number;
            changed = true;
        }
    }
    return changed;
}

}  // namespace vsim::acl
