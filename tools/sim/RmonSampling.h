#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "LiveValues.h"
#include "MibModel.h"
#include "PortModel.h"
#include "TrafficCounters.h"

namespace vsim {

// The RMON probe's sampling: the history buckets of each history control
// row (its last bucket the one in progress) and the alarms, each sampling
// its variable every interval and dating the events it triggers.
class RmonSampling {
public:
    RmonSampling(MibModel& model, const LiveValues& live, const TrafficCounters& traffic,
                 const PortModel& ports);

    // Reads the control and alarm rows and opens the first buckets.
    void Start();
    // One whole second `now` (hundredths since start) has come.
    void Step(std::uint32_t now);

private:
    struct History {
        std::uint32_t control = 0;
        int port = 0;
        std::uint32_t interval = 0;  // seconds
        std::uint32_t granted = 0;
        std::uint32_t sample = 0;  // the bucket in progress
        PortCounts opened;         // the counts when it started
    };
    struct Alarm {
        std::uint32_t index = 0;
        std::uint32_t interval = 0;  // seconds
        Oid variable;
        bool delta = false;
        std::int64_t rising = 0;
        std::int64_t falling = 0;
        std::uint32_t risingEvent = 0;
        std::uint32_t fallingEvent = 0;
        std::int64_t last = 0;
        bool sampled = false;
        bool risingArmed = true;
        bool fallingArmed = true;
    };

    void PublishBucket(const History& history, std::uint32_t start, std::uint32_t now);
    void Sample(Alarm& alarm, std::uint32_t now);
    void Fire(std::uint32_t event, std::uint32_t now);

    MibModel& model_;
    const LiveValues& live_;
    const TrafficCounters& traffic_;
    const PortModel& ports_;
    std::vector<History> histories_;
    std::vector<Alarm> alarms_;
};

}  // namespace vsim
