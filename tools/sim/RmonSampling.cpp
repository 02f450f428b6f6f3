#include "RmonSampling.h"

#include <algorithm>

#include "TableRows.h"

namespace vsim {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kHistoryControlEntry = O("1.3.6.1.2.1.16.2.1.1");
const Oid kEtherHistoryEntry = O("1.3.6.1.2.1.16.2.2.1");
const Oid kAlarmEntry = O("1.3.6.1.2.1.16.3.1.1");
const Oid kEventEntry = O("1.3.6.1.2.1.16.9.1.1");
const Oid kIfIndexColumn = O("1.3.6.1.2.1.2.2.1.1");

constexpr std::uint32_t kHistoryColumns = 15;
constexpr std::uint32_t kAlarmValue = 5;
constexpr std::uint32_t kEventLastTimeSent = 5;
constexpr std::int64_t kDeltaValue = 2;

// Frames on the wire carry 20 octets of preamble and gap besides their own.
constexpr std::uint64_t kFrameOverhead = 20;

std::uint64_t Since(std::uint64_t now, std::uint64_t then) {
    return now >= then ? now - then : now;  // counted again from zero meanwhile
}

MibValue Counter(std::uint64_t v) {
    return Counter32Of(v);
}

// A sampled value as an RMON alarm holds it.
std::int64_t Sampled(const MibValue& value) {
    return value.syntax == Syntax::Counter64 ? static_cast<std::int64_t>(value.counter64)
                                             : value.number;
}

}  // namespace

RmonSampling::RmonSampling(MibModel& model, const LiveValues& live, const TrafficCounters& traffic,
                           const PortModel& ports)
    : model_(model), live_(live), traffic_(traffic), ports_(ports) {}

void RmonSampling::Start() {
    for (const auto& [index, row] : RowsAfter(model_, kHistoryControlEntry, {})) {
        const auto source = row.find(2);
        if (index.size() != 1 || source == row.end() ||
            source->second.oid.size() != kIfIndexColumn.size() + 1 ||
            !IsPrefix(kIfIndexColumn, source->second.oid)) {
            continue;
        }
        const std::uint32_t port = source->second.oid.back();
        if (port < 1 || port > PortModel::kPorts || NumberIn(row, 5) <= 0) {
            continue;
        }
        History history;
        history.control = index[0];
        history.port = static_cast<int>(port);
        history.interval = static_cast<std::uint32_t>(NumberIn(row, 5));
        history.granted = static_cast<std::uint32_t>(std::max<std::int64_t>(NumberIn(row, 4), 1));
        history.sample = 1;
        history.opened = traffic_.At(history.port, 0);
        histories_.push_back(history);
        PublishBucket(history, 0, 0);
    }
    for (const auto& [index, row] : RowsAfter(model_, kAlarmEntry, {})) {
        const auto variable = row.find(3);
        if (index.size() != 1 || variable == row.end() || NumberIn(row, 2) <= 0) {
            continue;
        }
        Alarm alarm;
        alarm.index = index[0];
        alarm.interval = static_cast<std::uint32_t>(NumberIn(row, 2));
        alarm.variable = variable->second.oid;
        alarm.delta = NumberIn(row, 4) == kDeltaValue;
        alarm.rising = NumberIn(row, 7);
        alarm.falling = NumberIn(row, 8);
        alarm.risingEvent = static_cast<std::uint32_t>(NumberIn(row, 9));
        alarm.fallingEvent = static_cast<std::uint32_t>(NumberIn(row, 10));
        alarms_.push_back(alarm);
        Sample(alarms_.back(), 0);
    }
}

void RmonSampling::Step(std::uint32_t now) {
    for (History& history : histories_) {
        const std::uint32_t length = history.interval * 100;
        if (now % length == 0) {
            // The bucket in progress is complete; the next one opens, and the
            // oldest goes once more than were granted are kept.
            PublishBucket(history, now - length, now);
            history.opened = traffic_.At(history.port, now);
            ++history.sample;
            if (history.sample > history.granted) {
                for (std::uint32_t c = 1; c <= kHistoryColumns; ++c) {
                    model_.Erase(Join(kEtherHistoryEntry,
                                      {c, history.control, history.sample - history.granted}));
                }
            }
        }
        PublishBucket(history, now - now % length, now);
    }
    for (Alarm& alarm : alarms_) {
        if (now % (alarm.interval * 100) == 0) {
            Sample(alarm, now);
        }
    }
}

void RmonSampling::PublishBucket(const History& history, std::uint32_t start, std::uint32_t now) {
    const PortCounts counts = traffic_.At(history.port, now);
    const auto delta = [&](std::uint64_t current, std::uint64_t opened) {
        return Since(current, opened);
    };
    const std::uint64_t octets = delta(counts[Count::InOctets], history.opened[Count::InOctets]);
    const std::uint64_t frames = delta(counts.InPackets(), history.opened.InPackets());
    const std::uint64_t seconds = std::max<std::uint64_t>((now - start) / 100, 1);
    const std::uint64_t speed = ports_.At(history.port).Gigabit() ? 1'000'000'000 : 100'000'000;
    // Hundredths of a per cent of the line's capacity.
    const std::uint64_t utilization = std::min<std::uint64_t>(
        (octets + frames * kFrameOverhead) * 8 * 10000 / (seconds * speed), 10000);
    const std::uint32_t sample = history.sample;
    const auto cell = [&](std::uint32_t c) {
        return Join(kEtherHistoryEntry, {c, history.control, sample});
    };
    model_.Put(cell(1), MibValue::Integer(history.control));
    model_.Put(cell(2), MibValue::Integer(sample));
    model_.Put(cell(3), MibValue::Numeric(Syntax::TimeTicks, start));
    model_.Put(cell(4),
               Counter(delta(counts[Count::InDiscards], history.opened[Count::InDiscards])));
    model_.Put(cell(5), Counter(octets));
    model_.Put(cell(6), Counter(frames));
    model_.Put(cell(7),
               Counter(delta(counts[Count::InBroadcast], history.opened[Count::InBroadcast])));
    model_.Put(cell(8),
               Counter(delta(counts[Count::InMulticast], history.opened[Count::InMulticast])));
    model_.Put(cell(9), Counter(delta(counts[Count::FcsErrors] + counts[Count::AlignmentErrors],
                                      history.opened[Count::FcsErrors] +
                                          history.opened[Count::AlignmentErrors])));
    model_.Put(cell(10),
               Counter(delta(counts[Count::Undersize], history.opened[Count::Undersize])));
    model_.Put(cell(11),
               Counter(delta(counts[Count::FrameTooLongs], history.opened[Count::FrameTooLongs])));
    model_.Put(cell(12),
               Counter(delta(counts[Count::Fragments], history.opened[Count::Fragments])));
    model_.Put(cell(13), Counter(0));
    model_.Put(cell(14), Counter(0));
    model_.Put(cell(15), MibValue::Integer(static_cast<std::int64_t>(utilization)));
}

void RmonSampling::Sample(Alarm& alarm, std::uint32_t now) {
    const MibValue* stored = model_.Find(alarm.variable);
    if (stored == nullptr) {
        return;
    }
    const std::int64_t current = Sampled(live_.At(alarm.variable, *stored, now));
    std::int64_t value = current;
    if (alarm.delta) {
        // A 32-bit counter that wrapped still moved forward.
        value = static_cast<std::int64_t>(static_cast<std::uint32_t>(current - alarm.last));
    }
    const bool first = !alarm.sampled;
    alarm.last = current;
    alarm.sampled = true;
    if (first && alarm.delta) {
        return;  // a delta needs two samples
    }
    model_.Put(Join(kAlarmEntry, {kAlarmValue, alarm.index}),
               MibValue::Integer(static_cast<std::int32_t>(value)));
    if (value >= alarm.rising && alarm.risingArmed) {
        Fire(alarm.risingEvent, now);
        alarm.risingArmed = false;
        alarm.fallingArmed = true;
    } else if (value <= alarm.falling && alarm.fallingArmed) {
        Fire(alarm.fallingEvent, now);
        alarm.fallingArmed = false;
        alarm.risingArmed = true;
    }
}

void RmonSampling::Fire(std::uint32_t event, std::uint32_t now) {
    const Oid lastSent = Join(kEventEntry, {kEventLastTimeSent, event});
    if (model_.Find(lastSent) != nullptr) {
        model_.Put(lastSent, MibValue::Numeric(Syntax::TimeTicks, now));
    }
}

}  // namespace vsim
