#pragma once

#include "LiveValues.h"

namespace vsim::protocols {

// The switch's own traffic and its routing protocols as they run: the IP,
// ICMP and UDP counters, the RIP, OSPF, multicast routing, DVMRP and PIM
// counters and up-times grow from their recorded values at steady rates;
// the link-state ages cycle as the LSAs are refreshed.
void AddReaders(LiveValues& live);

}  // namespace vsim::protocols
