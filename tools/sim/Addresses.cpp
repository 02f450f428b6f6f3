#include "Addresses.h"

#include <algorithm>
#include <cstdint>

namespace vsim {

namespace {

std::uint32_t Ipv4(const std::string& octets) {
    std::uint32_t value = 0;
    for (const char octet : octets) {
        value = (value << 8) | static_cast<std::uint8_t>(octet);
    }
    return value;
}

}  // namespace

bool IsHostIpv4(const std::string& octets) {
    if (octets.size() != 4) {
        return false;
    }
    const std::uint32_t address = Ipv4(octets);
    const std::uint32_t first = address >> 24;
    return address != 0 && address != 0xffffffffU && first != 127 && first < 224;
}

bool IsNeighbourIpv4(const std::string& host, const std::string& address, const std::string& mask) {
    if (host.size() != 4 || address.size() != 4 || mask.size() != 4) {
        return false;
    }
    const std::uint32_t h = Ipv4(host);
    const std::uint32_t m = Ipv4(mask);
    if ((h & m) != (Ipv4(address) & m) || h == Ipv4(address)) {
        return false;
    }
    // On /31 and /32 subnets there is no network or broadcast address.
    const std::uint32_t hostPart = h & ~m;
    return ~m <= 1 || (hostPart != 0 && hostPart != ~m);
}

bool IsStationMac(const std::string& octets) {
    return octets.size() == 6 && (static_cast<std::uint8_t>(octets[0]) & 0x01) == 0 &&
           std::any_of(octets.begin(), octets.end(), [](char c) { return c != 0; });
}

bool IsHostIpv6(const std::string& octets) {
    return octets.size() == 16 && static_cast<std::uint8_t>(octets[0]) != 0xff &&
           std::any_of(octets.begin(), octets.end(), [](char c) { return c != 0; });
}

bool IsMask(const std::string& octets) {
    bool ones = true;
    for (const char c : octets) {
        const auto octet = static_cast<std::uint8_t>(c);
        for (int bit = 7; bit >= 0; --bit) {
            const bool set = ((octet >> bit) & 1) != 0;
            if (set && !ones) {
                return false;
            }
            ones = ones && set;
        }
    }
    return true;
}

bool IsIpv6Mask(const std::string& octets) {
    return octets.size() == 16 && IsMask(octets);
}

bool IsNetworkOf(const std::string& address, const std::string& mask) {
    if (address.size() != mask.size()) {
        return false;
    }
    for (std::size_t i = 0; i < address.size(); ++i) {
        if ((static_cast<std::uint8_t>(address[i]) & ~static_cast<std::uint8_t>(mask[i])) != 0) {
            return false;
        }
    }
    return true;
}

std::string ArcOctets(const Oid& arcs, std::size_t from, std::size_t count) {
    std::string octets;
    for (std::size_t i = from; i < arcs.size() && i < from + count; ++i) {
        octets.push_back(static_cast<char>(arcs[i]));
    }
    return octets;
}

}  // namespace vsim
