#pragma once

#include <cstdint>
#include <vector>

#include "LiveValues.h"
#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::standard {

// The standard MIB tables that show what the switch's own tables hold: the
// IP addresses of its interfaces, its routes (the connected subnets and the
// static routes), the ARP cache of the hosts it talks to, the bridge's
// forwarding database and its static filters.

extern const Oid kIpAddrEntry;
extern const Oid kIpRouteEntry;
extern const Oid kIpNetToMediaEntry;
extern const Oid kIpCidrRouteEntry;
extern const Oid kTpFdbEntry;
extern const Oid kStaticEntry;

// True when a write touches a table these follow.
bool Follows(const std::vector<ModelWrite>& writes);

// Writes the tables anew from the switch's own; `now` (hundredths since
// start) dates the routes that appear. The forwarding database is taken
// from the VLAN-aware one unless `learned` says it is written already.
void Publish(MibModel& model, std::uint32_t now, bool learned);

// The routes' ages, in seconds since each appeared.
void AddReaders(LiveValues& live);

}  // namespace vsim::standard
