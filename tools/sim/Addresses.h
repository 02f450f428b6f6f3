#pragma once

#include <cstddef>
#include <string>

#include "SimOid.h"

namespace vsim {

// Addresses as the octets of their values (IpAddress, MAC and IPv6 octet
// strings): which ones a host may have.

// An IPv4 address one host may have: not 0.0.0.0, not the broadcast, not
// loopback and not multicast.
bool IsHostIpv4(const std::string& octets);
// `host` on the subnet of `address`/`mask`, and neither that address nor the
// subnet's own network or broadcast address.
bool IsNeighbourIpv4(const std::string& host, const std::string& address, const std::string& mask);
// A MAC address of one station: not all zero, not a group address.
bool IsStationMac(const std::string& octets);
// 16 octets, not the unspecified address and not multicast.
bool IsHostIpv6(const std::string& octets);
// Leading one bits followed only by zero bits.
bool IsMask(const std::string& octets);
// 16 octets of leading one bits followed only by zero bits.
bool IsIpv6Mask(const std::string& octets);
// No bit of `address` set outside `mask`, both of one length: the address
// names the network itself, as a route's destination must.
bool IsNetworkOf(const std::string& address, const std::string& mask);

// `count` arcs of an index from `from` on, each one octet of an address;
// shorter when the index ends before.
std::string ArcOctets(const Oid& arcs, std::size_t from, std::size_t count);

}  // namespace vsim
