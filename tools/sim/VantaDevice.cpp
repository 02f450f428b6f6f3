#include "VantaDevice.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <set>

#include "AccessControl.h"
#include "Authentication.h"
#include "Bridging.h"
#include "PortStatistics.h"
#include "Protection.h"
#include "ProtocolCounters.h"
#include "Routing.h"
#include "SecurityTables.h"
#include "StandardTables.h"
#include "SystemSettings.h"
#include "TableRows.h"

namespace vsim {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kSysUpTime = O("1.3.6.1.2.1.1.3.0");
const Oid kIfEntry = O("1.3.6.1.2.1.2.2.1");
const Oid kIfXEntry = O("1.3.6.1.2.1.31.1.1.1");
const Oid kVlanNumDeletes = O("1.3.6.1.2.1.17.7.1.4.1.0");
const Oid kNumVlans = O("1.3.6.1.2.1.17.7.1.1.4.0");
const Oid kVlanCurrentEntry = O("1.3.6.1.2.1.17.7.1.4.2.1");
const Oid kVlanStaticEntry = O("1.3.6.1.2.1.17.7.1.4.3.1");
const Oid kPortsInUse = O("1.3.6.1.4.1.99917.11.70.1.2.1.1.2.0");
const Oid kLedStatus = O("1.3.6.1.4.1.99917.11.70.1.2.1.1.6.0");
const Oid kUnitLedStatus = O("1.3.6.1.4.1.99917.12.11.1.9.5.1.6.1");
const Oid kPortInfoEntry = O("1.3.6.1.4.1.99917.11.70.1.2.3.1.1");
const Oid kPortCtrlEntry = O("1.3.6.1.4.1.99917.11.70.1.2.3.2.1");
const Oid kStpPortEntry = O("1.3.6.1.2.1.17.2.15.1");
const Oid kMstpPortEntry = O("1.3.6.1.4.1.99917.12.15.2.5.1");
const Oid kCurrentTimeText = O("1.3.6.1.4.1.99917.12.10.10.1.0");
const Oid kUpTimeText = O("1.3.6.1.4.1.99917.12.10.10.2.0");
const Oid kTrunkEntries = O("1.3.6.1.4.1.99917.11.70.1.2.9.2.0");
const Oid kTrunkEntry = O("1.3.6.1.4.1.99917.11.70.1.2.9.3.1");
const Oid kMirrorTarget = O("1.3.6.1.4.1.99917.11.70.1.2.10.1.0");
const Oid kClearCounters = O("1.3.6.1.4.1.99917.11.70.1.2.1.2.5.0");
const Oid kIfTableLastChange = O("1.3.6.1.2.1.31.1.5.0");

// Columns.
constexpr std::uint32_t kIfSpeed = 5;
constexpr std::uint32_t kIfAdminStatus = 7;
constexpr std::uint32_t kIfOperStatus = 8;
constexpr std::uint32_t kIfLastChange = 9;
constexpr std::uint32_t kIfCounterDiscontinuityTime = 19;
constexpr std::uint32_t kInfoLinkStatus = 5;
constexpr std::uint32_t kInfoNwayStatus = 6;
constexpr std::uint32_t kCtrlAdminState = 4;
constexpr std::uint32_t kCtrlNwayState = 5;
constexpr std::uint32_t kStaticEgress = 2;
constexpr std::uint32_t kStaticForbidden = 3;
constexpr std::uint32_t kStaticUntagged = 4;
constexpr std::uint32_t kStaticStatus = 5;
constexpr std::uint32_t kStpState = 3;
constexpr std::uint32_t kStpEnable = 4;
constexpr std::uint32_t kMstpStatus = 6;
constexpr std::uint32_t kTrunkMaster = 3;
constexpr std::uint32_t kTrunkMembers = 4;
constexpr std::uint32_t kTrunkFlooding = 5;
constexpr std::uint32_t kTrunkState = 7;
constexpr std::uint32_t kTrunkActive = 8;
constexpr std::uint32_t kMirrorTargetPort = 1;
constexpr std::uint32_t kMirrorIngress = 2;
constexpr std::uint32_t kMirrorEgress = 3;
constexpr std::uint32_t kStpMaxAge = 3;
constexpr std::uint32_t kStpHelloTime = 4;
constexpr std::uint32_t kStpForwardDelay = 5;

// Ports that trunks and mirroring may use: the 26 of the front panel as
// the management station counts them.
constexpr int kPanelPorts = 26;
constexpr std::size_t kMinTrunkMembers = 2;
constexpr std::size_t kMaxTrunkMembers = 8;

constexpr std::int64_t kEnabled = 3;
constexpr std::int64_t kDisabled = 2;
constexpr std::int64_t kLinkPass = 2;
constexpr std::int64_t kLinkFail = 3;
constexpr std::int64_t kCountersNormal = 1;
constexpr std::int64_t kCountersClear = 2;

MibValue Gauge(std::uint64_t v) {
    return MibValue::Numeric(Syntax::Gauge32, static_cast<std::int64_t>(v));
}

LinkSpeed SpeedOfNway(std::int64_t nway) {
    switch (nway) {
        case 3:
            return LinkSpeed::Half10;
        case 4:
            return LinkSpeed::Full10;
        case 5:
            return LinkSpeed::Half100;
        case 6:
            return LinkSpeed::Full100;
        case 8:
        case 9:
        case 10:
            return LinkSpeed::Full1000;
        default:
            return LinkSpeed::Auto;
    }
}

// swL2PortInfoNwayStatus of a medium.
std::int64_t NwayStatus(const Port& port, Medium medium) {
    if (port.ActiveMedium() != medium) {
        return 0;  // link-down
    }
    if (port.Gigabit()) {
        return 10;  // full-1Gigabps-none
    }
    const bool ten = port.forced == LinkSpeed::Half10 || port.forced == LinkSpeed::Full10;
    if (ten) {
        return port.FullDuplex() ? 2 : 4;
    }
    return port.FullDuplex() ? 6 : 8;
}

std::uint64_t SpeedBits(const Port& port) {
    if (port.Up() && !port.Gigabit()) {
        const bool ten = port.forced == LinkSpeed::Half10 || port.forced == LinkSpeed::Full10;
        return ten ? 10'000'000 : 100'000'000;
    }
    return 1'000'000'000;
}

std::string UpTimeText(std::uint32_t ticks) {
    const std::uint32_t seconds = ticks / 100;
    char text[48];
    std::snprintf(text, sizeof text, "%u days %02u:%02u:%02u", seconds / 86400, seconds / 3600 % 24,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

std::string WallClockText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

bool Overlaps(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if ((a[i] & b[i]) != 0) {
            return true;
        }
    }
    return false;
}

// The ports of a PortList (Q-BRIDGE-MIB): bit 7 of the first octet is port 1.
std::vector<int> PortsOf(const std::string& list) {
    std::vector<int> ports;
    for (std::size_t i = 0; i < list.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            if ((static_cast<unsigned char>(list[i]) & (0x80u >> bit)) != 0) {
                ports.push_back(static_cast<int>(i) * 8 + bit + 1);
            }
        }
    }
    return ports;
}

bool HasPort(const std::string& list, std::int64_t port) {
    if (port < 1 || static_cast<std::uint64_t>(port) > list.size() * 8) {
        return false;
    }
    const auto bit = static_cast<std::size_t>(port - 1);
    return (static_cast<unsigned char>(list[bit / 8]) & (0x80u >> (bit % 8))) != 0;
}

const MibValue* Column(const RowView& row, std::uint32_t column) {
    const auto it = row.find(column);
    return it == row.end() ? nullptr : &it->second;
}

std::int64_t NumberIn(const RowView& row, std::uint32_t column, std::int64_t otherwise) {
    const MibValue* value = Column(row, column);
    return value != nullptr ? value->number : otherwise;
}

std::string BytesIn(const RowView& row, std::uint32_t column) {
    const MibValue* value = Column(row, column);
    return value != nullptr ? value->bytes : std::string();
}

// An instance as the set being checked leaves it.
const MibValue* FindAfter(const RowPlace& place, const Oid& oid) {
    if (place.writes != nullptr) {
        for (auto it = place.writes->rbegin(); it != place.writes->rend(); ++it) {
            if (it->oid == oid) {
                return it->value ? &*it->value : nullptr;
            }
        }
    }
    return place.model.Find(oid);
}

std::map<Oid, RowView> TrunksAfter(const RowPlace& place) {
    static const std::vector<ModelWrite> kNone;
    return RowsAfter(place.model, kTrunkEntry, place.writes != nullptr ? *place.writes : kNone);
}

// A trunk has 2 to 8 members among the panel's ports, its master among
// them, no port of another trunk, and, while enabled, not the mirroring
// target (whose copies would be spread over the trunk). A row still missing
// columns (notReady) claims no ports until it is complete.
bool TrunkIsConsistent(const RowView& row, const RowPlace& place) {
    const std::int64_t state = NumberIn(row, kTrunkState, kNotReady);
    if (state == kNotReady) {
        return true;
    }
    const std::string members = BytesIn(row, kTrunkMembers);
    const std::vector<int> ports = PortsOf(members);
    if (ports.size() < kMinTrunkMembers || ports.size() > kMaxTrunkMembers ||
        ports.back() > kPanelPorts || !HasPort(members, NumberIn(row, kTrunkMaster, 0))) {
        return false;
    }
    for (const auto& [index, other] : TrunksAfter(place)) {
        if (index != place.index && NumberIn(other, kTrunkState, kNotReady) != kNotReady &&
            Overlaps(members, BytesIn(other, kTrunkMembers))) {
            return false;
        }
    }
    const MibValue* target = FindAfter(place, kMirrorTarget);
    return state != kActive || target == nullptr || !HasPort(members, target->number);
}

// The mirroring target takes the copies: it is none of the mirrored ports
// and no member of an enabled trunk.
bool MirrorIsConsistent(const RowView& row, const RowPlace& place) {
    const std::int64_t target = NumberIn(row, kMirrorTargetPort, 0);
    if (target == 0) {
        return true;
    }
    if (HasPort(BytesIn(row, kMirrorIngress), target) ||
        HasPort(BytesIn(row, kMirrorEgress), target)) {
        return false;
    }
    for (const auto& [index, trunk] : TrunksAfter(place)) {
        if (NumberIn(trunk, kTrunkState, kNotReady) == kActive &&
            HasPort(BytesIn(trunk, kTrunkMembers), target)) {
            return false;
        }
    }
    return true;
}

// IEEE 802.1D: 2 x (ForwardDelay - 1 s) >= MaxAge >= 2 x (HelloTime + 1 s),
// in hundredths of a second.
bool StpTimersAreConsistent(const RowView& row, const RowPlace&) {
    const MibValue* maxAge = Column(row, kStpMaxAge);
    const MibValue* hello = Column(row, kStpHelloTime);
    const MibValue* delay = Column(row, kStpForwardDelay);
    if (maxAge == nullptr || hello == nullptr || delay == nullptr) {
        return true;
    }
    return 2 * (delay->number - 100) >= maxAge->number &&
           maxAge->number >= 2 * (hello->number + 100);
}

}  // namespace

VantaDevice::VantaDevice(MibModel& model, const BehaviourRules& rules, std::uint64_t seed)
    : model_(model),
      rules_(rules),
      ports_(seed),
      traffic_(ports_, seed),
      rmon_(model_, live_, traffic_, ports_),
      seed_(seed),
      counters_(seed) {
    statistics::AddReaders(live_, traffic_, ports_);
    standard::AddReaders(live_);
    protocols::AddReaders(live_);
}

void VantaDevice::Start(Clock::time_point now) {
    start_ = now;
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        for (const Medium m : {kCopper, kFibre}) {
            const auto index = {static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(m + 1)};
            if (const MibValue* admin =
                    model_.Find(Join(Join(kPortCtrlEntry, {kCtrlAdminState}), index))) {
                SetPortEnabled(p, m, admin->number != kDisabled);
            }
            if (const MibValue* nway =
                    model_.Find(Join(Join(kPortCtrlEntry, {kCtrlNwayState}), index));
                nway && m == kCopper) {
                ports_.SetForced(p, SpeedOfNway(nway->number));
            }
        }
    }
    if (const MibValue* deletes = model_.Find(kVlanNumDeletes)) {
        vlanDeletes_ = static_cast<std::uint32_t>(deletes->number);
    }
    Refresh(kCurrentTimeText, MibValue::Octets(WallClockText()));
    PublishPorts();
    PublishVlans();
    PublishTrunks();
    SyncAugmentingTables(model_, rules_);
    acl::PublishIpRuleProtocols(model_);
    bridge::PublishForwarding(model_);
    bridge::PublishPvids(model_);
    if (learnedCount_) {
        learned_ = std::make_unique<LearnedAddresses>(
            model_, LearnAddresses(*learnedCount_, ActiveVlans(), PortModel::kPorts, seed_));
        learned_->Publish();
    }
    statistics::PublishRows(model_);
    standard::Publish(model_, now_, learned_ != nullptr);
    rmon_.Start();
}

void VantaDevice::Advance(Clock::time_point now) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - start_);
    now_ = static_cast<std::uint32_t>(elapsed.count() / 10);
    if (MibValue* upTime = model_.FindMutable(kSysUpTime)) {
        upTime->number = now_;
    }
    const std::uint64_t target = now_ / 100;
    if (target == steps_) {
        return;
    }
    while (steps_ < target) {
        ++steps_;
        ports_.Step(static_cast<std::uint32_t>(steps_ * 100));
        traffic_.Track(ports_, static_cast<std::uint32_t>(steps_ * 100));
        Tick();
        rmon_.Step(static_cast<std::uint32_t>(steps_ * 100));
    }
    Refresh(kUpTimeText, MibValue::Octets(UpTimeText(now_)));
    Refresh(kCurrentTimeText, MibValue::Octets(WallClockText()));
    PublishPorts();
}

std::vector<SetTransaction::Write> VantaDevice::Committed(
    const std::vector<SetTransaction::Write>& writes) {
    std::vector<SetTransaction::Write> reactions;
    bool vlansChanged = false;
    bool trunksChanged = false;
    bool ipAclChanged = false;
    bool forwardingChanged = false;
    bool serversChanged = false;
    for (const auto& write : writes) {
        const Oid& oid = write.oid;
        const std::int64_t number = write.value ? write.value->number : 0;
        if (IsPrefix(kPortCtrlEntry, oid) && oid.size() == kPortCtrlEntry.size() + 3) {
            const int port = static_cast<int>(oid[oid.size() - 2]);
            const Medium medium = oid.back() == 2 ? kFibre : kCopper;
            if (port < 1 || port > PortModel::kPorts) {
                continue;
            }
            if (oid[kPortCtrlEntry.size()] == kCtrlAdminState) {
                reactions.push_back(SetPortEnabled(port, medium, number != kDisabled));
            } else if (oid[kPortCtrlEntry.size()] == kCtrlNwayState && medium == kCopper) {
                ports_.SetForced(port, SpeedOfNway(number));
            }
        } else if (IsPrefix(Join(kIfEntry, {kIfAdminStatus}), oid) &&
                   oid.size() == kIfEntry.size() + 2) {
            const int port = static_cast<int>(oid.back());
            if (port >= 1 && port <= PortModel::kPorts) {
                for (const Medium m : {kCopper, kFibre}) {
                    const Oid admin =
                        Join(Join(kPortCtrlEntry, {kCtrlAdminState}),
                             {static_cast<std::uint32_t>(port), static_cast<std::uint32_t>(m + 1)});
                    if (MibValue* value = model_.FindMutable(admin)) {
                        value->number = number == 1 ? kEnabled : kDisabled;
                        ports_.SetEnabled(port, m, number == 1, now_);
                        reactions.push_back({admin, *value});
                    }
                }
            }
        } else if (IsPrefix(kVlanStaticEntry, oid)) {
            vlansChanged = true;
        } else if (IsPrefix(kTrunkEntry, oid)) {
            trunksChanged = true;
        } else if (IsPrefix(acl::kIpProfileEntry, oid) || IsPrefix(acl::kIpRuleEntry, oid)) {
            ipAclChanged = true;
        } else if (IsPrefix(auth::kServerEntry, oid) || IsPrefix(auth::kGroupMemberEntry, oid) ||
                   IsPrefix(auth::kServerGroupEntry, oid)) {
            serversChanged = true;
        } else if (IsPrefix(bridge::kForwardAllEntry, oid) ||
                   IsPrefix(bridge::kForwardUnregisteredEntry, oid)) {
            forwardingChanged = true;
        } else if (oid == kClearCounters && number == kCountersClear) {
            // An order, not a setting: done at once, and it reads normal again.
            ClearCounters();
            Refresh(kClearCounters, MibValue::Integer(kCountersNormal));
            reactions.push_back({kClearCounters, MibValue::Integer(kCountersNormal)});
        }
    }
    PublishPorts();
    if (vlansChanged) {
        PublishVlans();
    }
    if (trunksChanged) {
        PublishTrunks();
    }
    SyncAugmentingTables(model_, rules_);
    if (ipAclChanged) {
        acl::PublishIpRuleProtocols(model_);
    }
    if (forwardingChanged || vlansChanged) {
        const auto filled = bridge::PublishForwarding(model_);
        reactions.insert(reactions.end(), filled.begin(), filled.end());
    }
    if (vlansChanged) {
        const auto moved = bridge::PublishPvids(model_);
        reactions.insert(reactions.end(), moved.begin(), moved.end());
    }
    if (serversChanged) {
        const auto servers = auth::PublishServers(model_);
        reactions.insert(reactions.end(), servers.begin(), servers.end());
    }
    if (standard::Follows(writes)) {
        standard::Publish(model_, now_, learned_ != nullptr);
    }
    if (const auto deleted = protect::OrderedDeletion(model_, writes)) {
        if (learned_) {
            learned_->Forget(*deleted);
        } else {
            ForgetAddress(model_, *deleted);
        }
    }
    for (const auto& done :
         {protect::CarryOut(model_, writes), settings::CarryOut(model_, writes)}) {
        reactions.insert(reactions.end(), done.begin(), done.end());
    }
    return reactions;
}

void VantaDevice::Tick() {
    for (const TickRule& tick : rules_.Ticks()) {
        const std::size_t portArc = tick.object.size();
        model_.UpdateBelow(tick.object, [&](const Oid& oid, MibValue& value) {
            if (tick.linked) {
                const std::uint32_t port = oid.size() > portArc ? oid[portArc] : 0;
                if (port < 1 || port > PortModel::kPorts ||
                    !ports_.At(static_cast<int>(port)).Up()) {
                    return;
                }
            }
            const auto span = static_cast<std::uint64_t>(tick.step.high - tick.step.low) + 1;
            Grow(value, static_cast<std::uint64_t>(tick.step.low) + counters_() % span);
        });
    }
}

SetTransaction::Write VantaDevice::SetPortEnabled(int port, Medium medium, bool enabled) {
    ports_.SetEnabled(port, medium, enabled, now_);
    const Port& p = ports_.At(port);
    const bool anyEnabled = p.enabled[kCopper] || (p.combo && p.enabled[kFibre]);
    const Oid ifAdmin = Join(kIfEntry, {kIfAdminStatus, static_cast<std::uint32_t>(port)});
    Refresh(ifAdmin, MibValue::Integer(anyEnabled ? 1 : 2));
    return {ifAdmin, MibValue::Integer(anyEnabled ? 1 : 2)};
}

RowChecks VantaDevice::Checks() {
    RowChecks checks;
    // A port cannot be both a member of a VLAN and forbidden from it.
    checks["vlan-ports"] = [](const RowView& row, const RowPlace&) {
        const auto egress = row.find(kStaticEgress);
        const auto forbidden = row.find(kStaticForbidden);
        return egress == row.end() || forbidden == row.end() ||
               !Overlaps(egress->second.bytes, forbidden->second.bytes);
    };
    checks["trunk"] = TrunkIsConsistent;
    checks["mirror"] = MirrorIsConsistent;
    checks["stp-timers"] = StpTimersAreConsistent;
    checks["usm-user"] = security::UserRowIsConsistent;
    checks["community"] = security::CommunityRowIsConsistent;
    checks["acl-ethernet-profile"] = acl::EthernetProfileFits;
    checks["acl-ethernet-rule"] = acl::EthernetRuleFits;
    checks["acl-ip-profile"] = acl::IpProfileFits;
    checks["acl-ip-rule"] = acl::IpRuleFits;
    checks["acl-ipv6-profile"] = acl::Ipv6ProfileFits;
    checks["acl-ipv6-rule"] = acl::Ipv6RuleFits;
    checks["router-ports"] = bridge::RouterPortsAreConsistent;
    checks["static-multicast-ports"] = bridge::StaticMulticastPortsAreConsistent;
    checks["garp-timers"] = bridge::GarpTimersAreConsistent;
    checks["pvid"] = bridge::PvidNamesVlan;
    checks["login-method-list"] = auth::LoginListFits;
    checks["enable-method-list"] = auth::EnableListFits;
    checks["aaa-server"] = auth::ServerFits;
    checks["aaa-group-member"] = auth::GroupMemberFits;
    checks["ipv4-static-route"] = routing::Ipv4RouteFits;
    checks["ipv6-static-route"] = routing::Ipv6RouteFits;
    checks["ipv6-neighbour"] = routing::Ipv6NeighbourFits;
    checks["ip-mac-binding"] = protect::BindingFits;
    checks["port-security-delete"] = protect::PortSecurityDeleteFits;
    checks["bulwark-thresholds"] = protect::BulwarkThresholdsFit;
    checks["summer-time"] = settings::SummerTimeFits;
    checks["config-image"] = settings::ConfigImageFits;
    return checks;
}

void VantaDevice::Refresh(const Oid& oid, const MibValue& value) {
    if (MibValue* current = model_.FindMutable(oid)) {
        *current = value;
    }
}

void VantaDevice::PublishPorts() {
    traffic_.Track(ports_, now_);
    const std::string leds = ports_.LedString();
    Refresh(kLedStatus, MibValue::Octets(leds));
    Refresh(kUnitLedStatus, MibValue::Octets(leds));
    int inUse = 0;
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        const Port& port = ports_.At(p);
        const auto ifIndex = static_cast<std::uint32_t>(p);
        inUse += port.Up() ? 1 : 0;
        for (const Medium m : {kCopper, kFibre}) {
            const std::initializer_list<std::uint32_t> index = {ifIndex,
                                                                static_cast<std::uint32_t>(m + 1)};
            Refresh(Join(Join(kPortInfoEntry, {kInfoLinkStatus}), index),
                    MibValue::Integer(port.LinkUp(m) ? kLinkPass : kLinkFail));
            Refresh(Join(Join(kPortInfoEntry, {kInfoNwayStatus}), index),
                    MibValue::Integer(NwayStatus(port, m)));
        }
        const auto column = [&](const Oid& entry, std::uint32_t c) {
            return Join(entry, {c, ifIndex});
        };
        Refresh(column(kIfEntry, kIfSpeed), Gauge(SpeedBits(port)));
        Refresh(column(kIfEntry, kIfOperStatus), MibValue::Integer(port.Up() ? 1 : 2));
        Refresh(column(kIfEntry, kIfLastChange),
                MibValue::Numeric(Syntax::TimeTicks, port.lastChange));
        Refresh(column(kIfXEntry, 15), Gauge(SpeedBits(port) / 1'000'000));
        // Spanning tree: a port without a link takes no part in it.
        const MibValue* stpEnable = model_.Find(column(kStpPortEntry, kStpEnable));
        const bool stpForwards = port.Up() && (stpEnable == nullptr || stpEnable->number == 1);
        Refresh(column(kStpPortEntry, kStpState), MibValue::Integer(stpForwards ? 5 : 1));
        model_.UpdateBelow(Join(kMstpPortEntry, {kMstpStatus, ifIndex}),
                           [&](const Oid&, MibValue& value) { value.number = port.Up() ? 5 : 2; });
    }
    Refresh(kPortsInUse, MibValue::Integer(inUse));
    std::uint32_t lastChange = 0;
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        lastChange = std::max(lastChange, ports_.At(p).lastChange);
    }
    Refresh(kIfTableLastChange, MibValue::Numeric(Syntax::TimeTicks, lastChange));
    std::set<int> linked;
    for (int p = 1; p <= PortModel::kPorts; ++p) {
        if (ports_.At(p).Up()) {
            linked.insert(p);
        }
    }
    bridge::PublishPauseModes(model_, linked);
}

// The port statistics start again from zero: the ports' traffic and the
// counters that grow over a link.
void VantaDevice::ClearCounters() {
    traffic_.Clear(now_);
    // Managers learn from this that the counters started again.
    for (std::uint32_t p = 1; p <= PortModel::kPorts; ++p) {
        Refresh(Join(kIfXEntry, {kIfCounterDiscontinuityTime, p}),
                MibValue::Numeric(Syntax::TimeTicks, now_));
    }
    for (const TickRule& tick : rules_.Ticks()) {
        if (tick.linked) {
            model_.UpdateBelow(tick.object, [](const Oid&, MibValue& value) {
                value.number = 0;
                value.counter64 = 0;
            });
        }
    }
    PublishPorts();
}

void VantaDevice::PublishVlans() {
    // The current table mirrors the active static VLANs (permanent entries,
    // time mark 0, one filtering database per VLAN); a VLAN leaving it counts
    // as a deletion.
    std::map<std::uint32_t, std::uint32_t> current;
    const Oid statusColumn = Join(kVlanStaticEntry, {kStaticStatus});
    for (auto it = model_.All().lower_bound(statusColumn);
         it != model_.All().end() && IsPrefix(statusColumn, it->first); ++it) {
        if (it->first.size() == statusColumn.size() + 1 && it->second.number == kActive) {
            const std::uint32_t vlan = it->first.back();
            const auto known = vlanCreated_.find(vlan);
            current[vlan] = known == vlanCreated_.end() ? now_ : known->second;
        }
    }
    for (const auto& [vlan, created] : vlanCreated_) {
        vlanDeletes_ += current.count(vlan) == 0 ? 1 : 0;
    }
    vlanCreated_ = std::move(current);
    if (learned_) {
        // A VLAN that is no longer active takes its addresses with it.
        learned_->KeepVlans(ActiveVlans());
    }

    std::vector<Oid> stale;
    for (auto it = model_.All().lower_bound(kVlanCurrentEntry);
         it != model_.All().end() && IsPrefix(kVlanCurrentEntry, it->first); ++it) {
        stale.push_back(it->first);
    }
    for (const auto& oid : stale) {
        model_.Erase(oid);
    }
    const MibValue noPorts = MibValue::Octets(std::string(8, '\0'));
    for (const auto& [vlan, created] : vlanCreated_) {
        const MibValue* egress = model_.Find(Join(kVlanStaticEntry, {kStaticEgress, vlan}));
        const MibValue* untagged = model_.Find(Join(kVlanStaticEntry, {kStaticUntagged, vlan}));
        const auto column = [&](std::uint32_t c) { return Join(kVlanCurrentEntry, {c, 0, vlan}); };
        model_.Put(column(3), MibValue::Numeric(Syntax::Gauge32, vlan));
        model_.Put(column(4), egress ? *egress : noPorts);
        model_.Put(column(5), untagged ? *untagged : noPorts);
        model_.Put(column(6), MibValue::Integer(2));  // permanent
        model_.Put(column(7), MibValue::Numeric(Syntax::TimeTicks, created));
    }
    if (model_.Find(kNumVlans) != nullptr) {
        model_.Put(kNumVlans, Gauge(vlanCreated_.size()));
    }
    if (model_.Find(kVlanNumDeletes) != nullptr) {
        model_.Put(kVlanNumDeletes, Counter32Of(vlanDeletes_));
    }
}

std::set<std::uint32_t> VantaDevice::ActiveVlans() const {
    std::set<std::uint32_t> vlans;
    for (const auto& [vlan, created] : vlanCreated_) {
        vlans.insert(vlan);
    }
    return vlans;
}

// The trunk table's flooding port is the master's, and its active ports are
// the members of an enabled trunk; the trunks are counted.
void VantaDevice::PublishTrunks() {
    const Oid stateColumn = Join(kTrunkEntry, {kTrunkState});
    std::vector<std::pair<std::uint32_t, std::int64_t>> trunks;
    for (auto it = model_.All().lower_bound(stateColumn);
         it != model_.All().end() && IsPrefix(stateColumn, it->first); ++it) {
        if (it->first.size() == stateColumn.size() + 1) {
            trunks.emplace_back(it->first.back(), it->second.number);
        }
    }
    for (const auto& [trunk, state] : trunks) {
        const MibValue* master = model_.Find(Join(kTrunkEntry, {kTrunkMaster, trunk}));
        const MibValue* members = model_.Find(Join(kTrunkEntry, {kTrunkMembers, trunk}));
        const std::string none(8, '\0');
        model_.Put(Join(kTrunkEntry, {kTrunkFlooding, trunk}),
                   MibValue::Integer(master != nullptr ? master->number : 0));
        model_.Put(
            Join(kTrunkEntry, {kTrunkActive, trunk}),
            MibValue::Octets(state == kActive && members != nullptr ? members->bytes : none));
    }
    Refresh(kTrunkEntries, MibValue::Integer(static_cast<std::int64_t>(trunks.size())));
}

}  // namespace vsim
