#include "Routing.h"

#include "Addresses.h"
#include "TableRows.h"

namespace vsim::routing {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

// Columns.
constexpr std::uint32_t kInterfaceMask = 4;
constexpr std::uint32_t kRouteDest = 1;
constexpr std::uint32_t kRouteMask = 2;
constexpr std::uint32_t kRouteNextHop = 4;
constexpr std::uint32_t kRoute6Dest = 1;
constexpr std::uint32_t kRoute6Mask = 2;
constexpr std::uint32_t kRoute6NextHop = 3;
constexpr std::uint32_t kNeighbourAddress = 2;
constexpr std::uint32_t kNeighbourMac = 3;

constexpr std::size_t kIpv4Octets = 4;

}  // namespace

const Oid kIpInterfaceEntry = O("1.3.6.1.4.1.99917.11.55.2.3.2.1.1.1");
const Oid kIpv4RouteEntry = O("1.3.6.1.4.1.99917.11.70.1.3.2.5.1");
const Oid kIpv6RouteEntry = O("1.3.6.1.4.1.99917.12.26.3.1.1");
const Oid kIpv6NeighbourEntry = O("1.3.6.1.4.1.99917.12.26.4.7.1");

bool Ipv4RouteFits(const RowView& row, const RowPlace& place) {
    const std::string nextHop = OctetsIn(row, kRouteNextHop).value_or("");
    const std::string mask = OctetsIn(row, kRouteMask).value_or("");
    if (mask.size() != kIpv4Octets || !IsMask(mask) ||
        !IsNetworkOf(OctetsIn(row, kRouteDest).value_or(""), mask)) {
        return false;
    }
    bool onSubnet = false;
    for (const auto& [index, interface] : RowsAfter(place, kIpInterfaceEntry)) {
        onSubnet = onSubnet || (index.size() == kIpv4Octets &&
                                IsNeighbourIpv4(nextHop, ArcOctets(index, 0, kIpv4Octets),
                                                OctetsIn(interface, kInterfaceMask).value_or("")));
    }
    if (!onSubnet) {
        return false;
    }
    for (const auto& [index, route] : RowsAfter(place, kIpv4RouteEntry)) {
        if (index != place.index && OctetsIn(route, kRouteDest) == OctetsIn(row, kRouteDest) &&
            OctetsIn(route, kRouteMask) == OctetsIn(row, kRouteMask) &&
            OctetsIn(route, kRouteNextHop) == nextHop) {
            return false;
        }
    }
    return true;
}

bool Ipv6RouteFits(const RowView& row, const RowPlace&) {
    const std::string nextHop = OctetsIn(row, kRoute6NextHop).value_or("");
    const std::string mask = OctetsIn(row, kRoute6Mask).value_or("");
    const std::string dest = OctetsIn(row, kRoute6Dest).value_or("");
    return IsIpv6Mask(mask) && IsNetworkOf(dest, mask) && IsHostIpv6(nextHop) && nextHop != dest;
}

bool Ipv6NeighbourFits(const RowView& row, const RowPlace&) {
    return IsHostIpv6(OctetsIn(row, kNeighbourAddress).value_or("")) &&
           IsStationMac(OctetsIn(row, kNeighbourMac).value_or(""));
}

}  // namespace vsim::routing
