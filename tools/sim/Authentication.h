#pragma once

#include <vector>

#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::auth {

// How the switch authenticates its administrators: login and enable method
// lists, the TACACS and RADIUS servers, and the server groups they belong to.

extern const Oid kLoginListEntry;
extern const Oid kEnableListEntry;
extern const Oid kServerEntry;
extern const Oid kServerGroupEntry;
extern const Oid kGroupMemberEntry;

// A list stays within the switch's number of lists, and each of its
// server-group methods names a group that exists.
bool LoginListFits(const RowView& row, const RowPlace& place);
bool EnableListFits(const RowView& row, const RowPlace& place);
// A server has the address of one host and stays within the number of servers.
bool ServerFits(const RowView& row, const RowPlace& place);
// A group takes a server that exists, by address and protocol, and holds
// eight at most.
bool GroupMemberFits(const RowView& row, const RowPlace& place);

// A new server given no port listens on its protocol's own (49, RADIUS 1812);
// servers that are gone leave their groups, and each group shows its members
// in its address and protocol columns. Returns what it changed.
std::vector<ModelWrite> PublishServers(MibModel& model);

}  // namespace vsim::auth
