#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "BehaviourRules.h"
#include "LearnedAddresses.h"
#include "LiveValues.h"
#include "MibModel.h"
#include "PortModel.h"
#include "RmonSampling.h"
#include "SetTransaction.h"
#include "TrafficCounters.h"

namespace vsim {

// The live Vanta-A behind the model: it keeps the port states and writes
// what follows from them (LED strings, port information, interface and
// spanning-tree status, up-time) into the model, works out the standard
// statistics and protocol counters when they are read, lets the counters of
// the behaviour file grow, samples RMON's history and alarms, and answers to
// sets that change the device (port administration and speed, static VLANs
// and the tables that follow them, trunks, the IP access rules that take
// their profile's protocol, multicast forwarding lists, the order to clear
// the counters, server-group membership, released hosts, configuration
// images and probe restarts, static routes and the standard IP tables).
class VantaDevice {
public:
    using Clock = std::chrono::steady_clock;

    VantaDevice(MibModel& model, const BehaviourRules& rules, std::uint64_t seed);

    // Before Start: the switch has learned `count` addresses, which take the
    // place of the recorded forwarding databases.
    void SetLearnedAddresses(std::size_t count) { learnedCount_ = count; }

    // Takes the administrative settings from the model and publishes the
    // initial state.
    void Start(Clock::time_point now);
    // Brings the device up to `now`; cheap when no second has passed.
    void Advance(Clock::time_point now);
    // Reacts to the writes of a committed set; returns the settings it
    // changed in reaction (the two views of a port's administrative state).
    std::vector<SetTransaction::Write> Committed(const std::vector<SetTransaction::Write>& writes);

    // The device's own rules for rows, by the names the behaviour file uses.
    static RowChecks Checks();

    const PortModel& Ports() const { return ports_; }
    const TrafficCounters& Traffic() const { return traffic_; }
    // The value an instance reads now: counters and up-times are worked out
    // at the time of the last Advance, everything else is `stored`.
    MibValue Reading(const Oid& oid, const MibValue& stored) const {
        return live_.At(oid, stored, now_);
    }
    // nullptr without SetLearnedAddresses.
    const LearnedAddresses* Learned() const { return learned_.get(); }

private:
    void PublishPorts();
    void Tick();
    void PublishVlans();
    std::set<std::uint32_t> ActiveVlans() const;
    void PublishTrunks();
    void ClearCounters();
    void Refresh(const Oid& oid, const MibValue& value);
    SetTransaction::Write SetPortEnabled(int port, Medium medium, bool enabled);

    MibModel& model_;
    const BehaviourRules& rules_;
    PortModel ports_;
    TrafficCounters traffic_;
    LiveValues live_;
    RmonSampling rmon_;
    std::uint64_t seed_;
    std::mt19937_64 counters_;  // the growth of the ticking counters
    Clock::time_point start_;
    std::uint64_t steps_ = 0;
    std::uint32_t now_ = 0;                               // hundredths of a second since start
    std::map<std::uint32_t, std::uint32_t> vlanCreated_;  // VLAN -> time it became current
    std::uint32_t vlanDeletes_ = 0;
    std::optional<std::size_t> learnedCount_;
    std::unique_ptr<LearnedAddresses> learned_;
};

}  // namespace vsim
