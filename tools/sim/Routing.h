#pragma once

#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::routing {

// Static routes and static IPv6 neighbours of the switch's router.

extern const Oid kIpInterfaceEntry;
extern const Oid kIpv4RouteEntry;
extern const Oid kIpv6RouteEntry;
extern const Oid kIpv6NeighbourEntry;

// An IPv4 route's next hop is a neighbour on the subnet of an IP interface
// (as the set leaves the interfaces), and no route of the other backup state
// to the same destination goes through the same next hop.
bool Ipv4RouteFits(const RowView& row, const RowPlace& place);
// An IPv6 route has a prefix mask and a next hop that is one host, not its
// own destination.
bool Ipv6RouteFits(const RowView& row, const RowPlace& place);
// A static neighbour is one host at one station's MAC address.
bool Ipv6NeighbourFits(const RowView& row, const RowPlace& place);

}  // namespace vsim::routing
