#pragma once

#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim::acl {

// The switch's access control lists: Ethernet, IP and IPv6 profiles say
// which fields of a frame their rules compare, and each rule (a profile's
// access id) may match only those fields.

extern const Oid kEthernetProfileEntry;
extern const Oid kEthernetRuleEntry;
extern const Oid kIpProfileEntry;
extern const Oid kIpRuleEntry;
extern const Oid kIpv6ProfileEntry;
extern const Oid kIpv6RuleEntry;

// A rule matches a field when the set writes the field's column or leaves it
// other than a new rule's; its profile as the set leaves it must examine it.
bool EthernetRuleFits(const RowView& row, const RowPlace& place);
bool IpRuleFits(const RowView& row, const RowPlace& place);
bool Ipv6RuleFits(const RowView& row, const RowPlace& place);

// A profile changed under its rules still examines every field they match.
// An IPv6 profile examines the class and flow label or the addresses, never
// both.
bool EthernetProfileFits(const RowView& row, const RowPlace& place);
bool IpProfileFits(const RowView& row, const RowPlace& place);
bool Ipv6ProfileFits(const RowView& row, const RowPlace& place);

// An IP rule's protocol is its profile's: written into every IP rule whose
// profile says otherwise. Returns whether anything changed.
bool PublishIpRuleProtocols(MibModel& model);

}  // namespace vsim::acl
