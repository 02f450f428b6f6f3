#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

#include "MibModel.h"

namespace vsim {

// --fdb N: at most this many addresses, a large switch's forwarding database.
inline constexpr std::size_t kMaxLearnedAddresses = 100000;

// One address the switch learned: on which VLAN (its filtering database)
// and behind which port.
struct LearnedAddress {
    std::array<std::uint8_t, 6> mac{};
    std::uint32_t vlan = 0;
    std::uint32_t port = 0;

    bool operator==(const LearnedAddress&) const = default;
};

// `count` distinct locally administered addresses, 02:00:xx:xx:xx:xx, each on
// one of `vlans` (VLAN 1, the default one, when there is none) and one of the
// ports 1 to `ports`. The same seed learns the same addresses in the same
// places.
std::vector<LearnedAddress> LearnAddresses(std::size_t count, const std::set<std::uint32_t>& vlans,
                                           int ports, std::uint64_t seed);

// The forwarding databases forget `address`, if they hold it on its VLAN
// behind its port: its rows go, and a learned one leaves its VLAN's
// dot1qFdbDynamicCount one lower. Like all that is learned, this is not
// saved: a restart learns anew.
void ForgetAddress(MibModel& model, const LearnedAddress& address);

// True when `served` covers both forwarding databases below.
bool ServesForwardingDatabases(const std::vector<Oid>& served);

// The bridge's forwarding databases, dot1dTpFdbTable (one row an address)
// and dot1qTpFdbTable (one row an address on its VLAN), hold what the switch
// learned in place of the recorded rows; dot1qFdbDynamicCount of every VLAN
// that has one counts that VLAN's addresses.
class LearnedAddresses {
public:
    LearnedAddresses(MibModel& model, std::vector<LearnedAddress> learned);

    // Replaces the recorded rows with the learned ones.
    void Publish();
    // The VLANs that are gone take their addresses with them; the counts of
    // the VLANs that exist are written again.
    void KeepVlans(const std::set<std::uint32_t>& vlans);
    // The switch forgets one address, as ForgetAddress does.
    void Forget(const LearnedAddress& address);

    const std::vector<LearnedAddress>& All() const { return learned_; }

private:
    void PublishCounts();

    MibModel& model_;
    std::vector<LearnedAddress> learned_;
};

}  // namespace vsim
