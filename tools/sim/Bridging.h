#pragma once

#include <set>

#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::bridge {

// The bridge's port settings beyond the VLANs themselves: router ports of
// IGMP and MLD snooping, GARP timers, PVIDs, multicast forwarding by VLAN,
// static filtering entries and PAUSE control.

extern const Oid kForwardAllEntry;
extern const Oid kForwardUnregisteredEntry;
extern const Oid kPortVlanEntry;
extern const Oid kPauseEntry;

// A port is never both a static and a forbidden router port.
bool RouterPortsAreConsistent(const RowView& row, const RowPlace& place);
// A static multicast entry's egress and forbidden ports never overlap.
bool StaticMulticastPortsAreConsistent(const RowView& row, const RowPlace& place);
// IEEE 802.1D: Leave >= 2 x Join and LeaveAll > Leave.
bool GarpTimersAreConsistent(const RowView& row, const RowPlace& place);
// A port's PVID names a VLAN that exists as the set leaves the VLANs.
bool PvidNamesVlan(const RowView& row, const RowPlace& place);

// Multicast forwarding lists stay 96 octets (a shorter one written is filled
// up with zeros; the filled lists are returned), and a VLAN forwards to all
// of its static ports. Returns what it wrote for the manager's columns.
std::vector<ModelWrite> PublishForwarding(MibModel& model);
// Ports whose VLAN is gone take VLAN 1 again.
std::vector<ModelWrite> PublishPvids(MibModel& model);
// The PAUSE mode in force: the administrative one over a link, disabled
// without.
void PublishPauseModes(MibModel& model, const std::set<int>& linkedPorts);

}  // namespace vsim::bridge
