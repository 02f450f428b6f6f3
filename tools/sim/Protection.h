#pragma once

#include <optional>
#include <vector>

#include "LearnedAddresses.h"
#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::protect {

// Protection of the switch and its ports: IP-MAC bindings and the hosts they
// block, deleting addresses learned by port security, the Bulwark CPU
// protection engine.

extern const Oid kBindingEntry;
extern const Oid kBlockedEntry;
extern const Oid kPortSecurityDelete;

// A binding ties one host's address to one station's MAC address, which no
// other binding has.
bool BindingFits(const RowView& row, const RowPlace& place);
// Starting a deletion names a VLAN that exists.
bool PortSecurityDeleteFits(const RowView& row, const RowPlace& place);
// The falling threshold is not above the rising one.
bool BulwarkThresholdsFit(const RowView& row, const RowPlace& place);

// The address a port-security deletion started among the writes names: on
// the VLAN of the group's name, behind its port. Nothing when no deletion
// starts or the VLAN is unknown.
std::optional<LearnedAddress> OrderedDeletion(const MibModel& model,
                                              const std::vector<ModelWrite>& writes);

// Orders among the writes, carried out: a blocked host released with
// delete(3) is gone, a port-security deletion started reads none(1) again.
// Returns what it changed.
std::vector<ModelWrite> CarryOut(MibModel& model, const std::vector<ModelWrite>& writes);

}  // namespace vsim::protect
