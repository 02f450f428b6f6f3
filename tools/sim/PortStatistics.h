#pragma once

#include "LiveValues.h"
#include "MibModel.h"
#include "PortModel.h"
#include "TrafficCounters.h"

namespace vsim::statistics {

// The ports' statistics in the standard MIBs (interfaces, Ethernet-like,
// RMON statistics, the bridge's port frames), all read from the ports'
// traffic so that they agree with each other.

extern const Oid kEtherStatsEntry;
extern const Oid kDot3StatsEntry;

// Rows of the RMON statistics table, one a port with the port's interface
// as data source, and the Ethernet statistics of every port the recording
// lists; what the recording already holds stays.
void PublishRows(MibModel& model);

// Readers of the counters of ports 1 to 24 and of their duplex status.
void AddReaders(LiveValues& live, const TrafficCounters& traffic, const PortModel& ports);

}  // namespace vsim::statistics
