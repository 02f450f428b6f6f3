#include "StandardTables.h"

#include <map>
#include <optional>
#include <set>
#include <string>

#include "Addresses.h"
#include "Protection.h"
#include "Routing.h"
#include "TableRows.h"

namespace vsim::standard {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kQTpFdbEntry = O("1.3.6.1.2.1.17.7.1.2.2.1");
const Oid kQStaticUnicastEntry = O("1.3.6.1.2.1.17.7.1.3.1.1");
const Oid kQStaticMulticastEntry = O("1.3.6.1.2.1.17.7.1.3.2.1");
const Oid kCidrRouteNumber = O("1.3.6.1.2.1.4.24.3.0");
const Oid kNoInfo = O("0.0");

// Columns of the switch's own tables.
constexpr std::uint32_t kInterfaceIfIndex = 2;
constexpr std::uint32_t kInterfaceMask = 4;
constexpr std::uint32_t kInterfaceStatus = 8;
constexpr std::uint32_t kRouteDest = 1;
constexpr std::uint32_t kRouteMask = 2;
constexpr std::uint32_t kRouteNextHop = 4;
constexpr std::uint32_t kRouteMetric = 5;
constexpr std::uint32_t kRouteStatus = 6;
constexpr std::uint32_t kBindingAddress = 1;
constexpr std::uint32_t kBindingMac = 2;
constexpr std::uint32_t kQFdbPort = 2;
constexpr std::uint32_t kQFdbStatus = 3;
constexpr std::uint32_t kQUnicastAllowed = 3;
constexpr std::uint32_t kQUnicastStatus = 4;
constexpr std::uint32_t kQMulticastEgress = 3;
constexpr std::uint32_t kQMulticastStatus = 5;
constexpr std::uint32_t kRouteAgeColumn = 10;
constexpr std::uint32_t kCidrAgeColumn = 8;

constexpr std::int64_t kActiveRow = 1;
constexpr std::int64_t kValidRoute = 3;
constexpr std::int64_t kLearned = 3;
constexpr std::int64_t kDynamicArp = 3;

std::uint32_t Ipv4(const std::string& octets) {
    std::uint32_t value = 0;
    for (const char octet : octets) {
        value = (value << 8) | static_cast<std::uint8_t>(octet);
    }
    return value;
}

std::string Octets(std::uint32_t address) {
    return {static_cast<char>(address >> 24), static_cast<char>(address >> 16),
            static_cast<char>(address >> 8), static_cast<char>(address)};
}

MibValue Ip(std::uint32_t address) {
    MibValue value = MibValue::Octets(Octets(address));
    value.syntax = Syntax::IpAddress;
    return value;
}

Oid Arcs(const std::string& octets) {
    Oid arcs;
    for (const char octet : octets) {
        arcs.push_back(static_cast<std::uint8_t>(octet));
    }
    return arcs;
}

struct Interface {
    std::uint32_t address;
    std::uint32_t mask;
    std::uint32_t ifIndex;
};

struct Route {
    std::uint32_t dest;
    std::uint32_t mask;
    std::uint32_t nextHop;
    std::uint32_t ifIndex;
    std::int64_t metric;
    bool connected;
};

std::vector<Interface> Interfaces(const MibModel& model) {
    std::vector<Interface> interfaces;
    for (const auto& [index, row] : RowsAfter(model, routing::kIpInterfaceEntry, {})) {
        if (index.size() == 4 && NumberIn(row, kInterfaceStatus) == kActiveRow) {
            interfaces.push_back({Ipv4(ArcOctets(index, 0, 4)),
                                  Ipv4(OctetsIn(row, kInterfaceMask).value_or("")),
                                  static_cast<std::uint32_t>(NumberIn(row, kInterfaceIfIndex))});
        }
    }
    return interfaces;
}

std::optional<Interface> InterfaceFor(const std::vector<Interface>& interfaces,
                                      std::uint32_t host) {
    for (const Interface& i : interfaces) {
        if (IsNeighbourIpv4(Octets(host), Octets(i.address), Octets(i.mask))) {
            return i;
        }
    }
    return std::nullopt;
}

// The connected subnets, then the valid static routes whose next hop lies on
// one of them.
std::vector<Route> Routes(const MibModel& model, const std::vector<Interface>& interfaces) {
    std::vector<Route> routes;
    for (const Interface& i : interfaces) {
        routes.push_back({i.address & i.mask, i.mask, i.address, i.ifIndex, 0, /*connected=*/true});
    }
    for (const auto& [index, row] : RowsAfter(model, routing::kIpv4RouteEntry, {})) {
        const std::uint32_t nextHop = Ipv4(OctetsIn(row, kRouteNextHop).value_or(""));
        const auto via = InterfaceFor(interfaces, nextHop);
        if (NumberIn(row, kRouteStatus) != kValidRoute || !via) {
            continue;
        }
        routes.push_back({Ipv4(OctetsIn(row, kRouteDest).value_or("")),
                          Ipv4(OctetsIn(row, kRouteMask).value_or("")), nextHop, via->ifIndex,
                          NumberIn(row, kRouteMetric), /*connected=*/false});
    }
    return routes;
}

// The first `count` MAC addresses the bridge learned, in order: the hosts
// behind the routes' next hops are among them. The database may hold
// thousands; only its status column is read, and only as far as needed.
std::vector<std::string> LearnedMacs(const MibModel& model, std::size_t count) {
    std::vector<std::string> macs;
    const Oid status = Join(kTpFdbEntry, {3});
    for (auto it = model.All().lower_bound(status);
         macs.size() < count && it != model.All().end() && IsPrefix(status, it->first); ++it) {
        if (it->first.size() == status.size() + 6 && it->second.number == kLearned) {
            macs.push_back(ArcOctets(it->first, status.size(), 6));
        }
    }
    return macs;
}

void ReplaceBelow(MibModel& model, const Oid& entry, std::vector<std::pair<Oid, MibValue>> cells) {
    model.EraseBelow(entry);
    for (auto& [oid, value] : cells) {
        model.Put(oid, std::move(value));
    }
}

void PublishAddresses(MibModel& model, const std::vector<Interface>& interfaces) {
    std::vector<std::pair<Oid, MibValue>> cells;
    for (const Interface& i : interfaces) {
        const Oid index = Arcs(Octets(i.address));
        const auto cell = [&](std::uint32_t c) { return Join(Join(kIpAddrEntry, {c}), index); };
        cells.emplace_back(cell(1), Ip(i.address));
        cells.emplace_back(cell(2), MibValue::Integer(i.ifIndex));
        cells.emplace_back(cell(3), Ip(i.mask));
        cells.emplace_back(cell(4), MibValue::Integer(1));  // broadcasts end in ones
        cells.emplace_back(cell(5), MibValue::Integer(65535));
    }
    ReplaceBelow(model, kIpAddrEntry, std::move(cells));
}

// A route keeps its age base when it stays; one that appears now is dated now.
MibValue AgeBase(const MibModel& model, const Oid& ageCell, std::uint32_t now) {
    if (const MibValue* kept = model.Find(ageCell)) {
        return *kept;
    }
    return MibValue::Integer(-static_cast<std::int64_t>(now / 100));
}

void PublishRoutes(MibModel& model, const std::vector<Route>& routes, std::uint32_t now) {
    std::vector<std::pair<Oid, MibValue>> plain;
    std::vector<std::pair<Oid, MibValue>> cidr;
    std::set<std::uint32_t> destinations;
    for (const Route& r : routes) {
        const std::int64_t type = r.connected ? 3 : 4;   // direct, indirect / local, remote
        const std::int64_t proto = r.connected ? 2 : 3;  // local, netmgmt
        const std::int64_t metric = r.connected ? 0 : r.metric;
        // One route a destination in the old table: the first, the primary.
        if (destinations.insert(r.dest).second) {
            const Oid index = Arcs(Octets(r.dest));
            const auto cell = [&](std::uint32_t c) {
                return Join(Join(kIpRouteEntry, {c}), index);
            };
            const MibValue age = AgeBase(model, cell(kRouteAgeColumn), now);
            const std::vector<std::pair<std::uint32_t, MibValue>> columns = {
                {1, Ip(r.dest)},
                {2, MibValue::Integer(r.ifIndex)},
                {3, MibValue::Integer(metric)},
                {4, MibValue::Integer(-1)},
                {5, MibValue::Integer(-1)},
                {6, MibValue::Integer(-1)},
                {7, Ip(r.nextHop)},
                {8, MibValue::Integer(type)},
                {9, MibValue::Integer(proto)},
                {kRouteAgeColumn, age},
                {11, Ip(r.mask)},
                {12, MibValue::Integer(-1)},
                {13, MibValue::ObjectId(kNoInfo)},
            };
            for (const auto& [c, value] : columns) {
                plain.emplace_back(cell(c), value);
            }
        }
        Oid index = Arcs(Octets(r.dest) + Octets(r.mask));
        index.push_back(0);
        index = Join(index, Arcs(Octets(r.nextHop)));
        const auto cell = [&](std::uint32_t c) {
            return Join(Join(kIpCidrRouteEntry, {c}), index);
        };
        const MibValue age = AgeBase(model, cell(kCidrAgeColumn), now);
        const std::vector<std::pair<std::uint32_t, MibValue>> columns = {
            {1, Ip(r.dest)},
            {2, Ip(r.mask)},
            {3, MibValue::Integer(0)},
            {4, Ip(r.nextHop)},
            {5, MibValue::Integer(r.ifIndex)},
            {6, MibValue::Integer(type)},
            {7, MibValue::Integer(proto)},
            {kCidrAgeColumn, age},
            {9, MibValue::ObjectId(kNoInfo)},
            {10, MibValue::Integer(0)},
            {11, MibValue::Integer(metric)},
            {12, MibValue::Integer(-1)},
            {13, MibValue::Integer(-1)},
            {14, MibValue::Integer(-1)},
            {15, MibValue::Integer(-1)},
            {16, MibValue::Integer(kActiveRow)},
        };
        for (const auto& [c, value] : columns) {
            cidr.emplace_back(cell(c), value);
        }
    }
    ReplaceBelow(model, kIpRouteEntry, std::move(plain));
    ReplaceBelow(model, kIpCidrRouteEntry, std::move(cidr));
    model.Put(kCidrRouteNumber,
              MibValue::Numeric(Syntax::Gauge32, static_cast<std::int64_t>(routes.size())));
}

// The hosts the switch talks to on its subnets: the routes' next hops, at
// addresses the bridge learned, and the bound hosts at their bound address.
void PublishArpCache(MibModel& model, const std::vector<Interface>& interfaces,
                     const std::vector<Route>& routes) {
    std::map<std::uint32_t, std::string> hosts;
    const std::vector<std::string> learned = LearnedMacs(model, routes.size());
    for (const Route& r : routes) {
        if (!r.connected && hosts.count(r.nextHop) == 0) {
            const std::size_t n = hosts.size();
            // Without learned addresses, one of the locally administered kind.
            hosts[r.nextHop] = n < learned.size() ? learned[n]
                                                  : std::string("\x02\x00\x00\x00\x00", 5) +
                                                        static_cast<char>(r.nextHop & 0xFF);
        }
    }
    for (const auto& [index, row] : RowsAfter(model, protect::kBindingEntry, {})) {
        const auto address = OctetsIn(row, kBindingAddress);
        const auto mac = OctetsIn(row, kBindingMac);
        if (address && address->size() == 4 && mac && mac->size() == 6) {
            hosts[Ipv4(*address)] = *mac;
        }
    }
    std::vector<std::pair<Oid, MibValue>> cells;
    for (const auto& [host, mac] : hosts) {
        const auto via = InterfaceFor(interfaces, host);
        if (!via) {
            continue;
        }
        Oid index{via->ifIndex};
        index = Join(index, Arcs(Octets(host)));
        const auto cell = [&](std::uint32_t c) {
            return Join(Join(kIpNetToMediaEntry, {c}), index);
        };
        cells.emplace_back(cell(1), MibValue::Integer(via->ifIndex));
        cells.emplace_back(cell(2), MibValue::Octets(mac));
        cells.emplace_back(cell(3), Ip(host));
        cells.emplace_back(cell(4), MibValue::Integer(kDynamicArp));
    }
    ReplaceBelow(model, kIpNetToMediaEntry, std::move(cells));
}

// Every address of the VLAN-aware database once, on the port of its first
// VLAN.
void PublishForwarding(MibModel& model) {
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> addresses;
    for (const auto& [index, row] : RowsAfter(model, kQTpFdbEntry, {})) {
        if (index.size() == 7) {
            addresses.emplace(ArcOctets(index, 1, 6),
                              std::pair(NumberIn(row, kQFdbPort), NumberIn(row, kQFdbStatus)));
        }
    }
    std::vector<std::pair<Oid, MibValue>> cells;
    for (const auto& [mac, place] : addresses) {
        const Oid index = Arcs(mac);
        const auto cell = [&](std::uint32_t c) { return Join(Join(kTpFdbEntry, {c}), index); };
        cells.emplace_back(cell(1), MibValue::Octets(mac));
        cells.emplace_back(cell(2), MibValue::Integer(place.first));
        cells.emplace_back(cell(3), MibValue::Integer(place.second));
    }
    ReplaceBelow(model, kTpFdbEntry, std::move(cells));
}

// The static unicast and multicast filters of every VLAN, by address and
// receiving port: where frames may go, and for how long the entry lives.
void PublishStaticFilters(MibModel& model) {
    struct Source {
        const Oid& entry;
        std::uint32_t ports;
        std::uint32_t status;
    };
    const Source sources[] = {{kQStaticUnicastEntry, kQUnicastAllowed, kQUnicastStatus},
                              {kQStaticMulticastEntry, kQMulticastEgress, kQMulticastStatus}};
    std::map<Oid, RowView> rows;
    for (const Source& source : sources) {
        for (const auto& [index, row] : RowsAfter(model, source.entry, {})) {
            if (index.size() != 8) {
                continue;
            }
            const Oid key(index.begin() + 1, index.end());  // address, receiving port
            rows.emplace(key,
                         RowView{{3, MibValue::Octets(OctetsIn(row, source.ports).value_or(""))},
                                 {4, MibValue::Integer(NumberIn(row, source.status))}});
        }
    }
    std::vector<std::pair<Oid, MibValue>> cells;
    for (const auto& [key, row] : rows) {
        const auto cell = [&](std::uint32_t c) { return Join(Join(kStaticEntry, {c}), key); };
        cells.emplace_back(cell(1), MibValue::Octets(ArcOctets(key, 0, 6)));
        cells.emplace_back(cell(2), MibValue::Integer(key[6]));
        cells.emplace_back(cell(3), row.at(3));
        cells.emplace_back(cell(4), row.at(4));
    }
    ReplaceBelow(model, kStaticEntry, std::move(cells));
}

}  // namespace

const Oid kIpAddrEntry = O("1.3.6.1.2.1.4.20.1");
const Oid kIpRouteEntry = O("1.3.6.1.2.1.4.21.1");
const Oid kIpNetToMediaEntry = O("1.3.6.1.2.1.4.22.1");
const Oid kIpCidrRouteEntry = O("1.3.6.1.2.1.4.24.4.1");
const Oid kTpFdbEntry = O("1.3.6.1.2.1.17.4.3.1");
const Oid kStaticEntry = O("1.3.6.1.2.1.17.5.1.1");

bool Follows(const std::vector<ModelWrite>& writes) {
    for (const ModelWrite& write : writes) {
        for (const Oid* entry :
             {&routing::kIpInterfaceEntry, &routing::kIpv4RouteEntry, &protect::kBindingEntry,
              &kQStaticUnicastEntry, &kQStaticMulticastEntry}) {
            if (IsPrefix(*entry, write.oid)) {
                return true;
            }
        }
    }
    return false;
}

void Publish(MibModel& model, std::uint32_t now, bool learned) {
    if (!learned) {
        PublishForwarding(model);
    }
    PublishStaticFilters(model);
    const std::vector<Interface> interfaces = Interfaces(model);
    const std::vector<Route> routes = Routes(model, interfaces);
    PublishAddresses(model, interfaces);
    PublishRoutes(model, routes, now);
    PublishArpCache(model, interfaces, routes);
}

void AddReaders(LiveValues& live) {
    for (const Oid& age :
         {Join(kIpRouteEntry, {kRouteAgeColumn}), Join(kIpCidrRouteEntry, {kCidrAgeColumn})}) {
        live.AddGrowing(age, 100);
    }
}

}  // namespace vsim::standard
