#include "PortStatistics.h"

#include <functional>
#include <string>
#include <vector>

namespace vsim::statistics {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kIfEntry = O("1.3.6.1.2.1.2.2.1");
const Oid kIfXEntry = O("1.3.6.1.2.1.31.1.1.1");
const Oid kTpPortEntry = O("1.3.6.1.2.1.17.4.4.1");
const Oid kTpHcPortEntry = O("1.3.6.1.2.1.17.4.5.1");

constexpr std::uint32_t kDot3DuplexStatus = 19;
constexpr std::uint32_t kEtherStatsColumns = 21;
constexpr std::uint32_t kFirstEtherCounter = 3;
constexpr std::uint32_t kLastEtherCounter = 19;
constexpr std::int64_t kValid = 1;

using Tally = std::function<std::uint64_t(const PortCounts&)>;

struct Column {
    const Oid& entry;
    std::uint32_t column;
    Tally tally;
};

Tally Of(Count count) {
    return [count](const PortCounts& c) { return c[count]; };
}

Tally Sum(Count a, Count b) {
    return [a, b](const PortCounts& c) { return c[a] + c[b]; };
}

// The frame-size buckets of the RMON statistics, in per cent of the frames;
// the largest takes the rest.
constexpr std::uint64_t kSizeShares[] = {30, 22, 12, 9, 8};

Tally SizeBucket(std::size_t bucket) {
    return [bucket](const PortCounts& c) {
        const std::uint64_t frames = c.InPackets();
        if (bucket < std::size(kSizeShares)) {
            return frames * kSizeShares[bucket] / 100;
        }
        std::uint64_t rest = frames;
        for (const std::uint64_t share : kSizeShares) {
            rest -= frames * share / 100;
        }
        return rest;
    };
}

std::vector<Column> Columns() {
    const Tally inErrors = [](const PortCounts& c) { return c.InErrors(); };
    const Tally outErrors = [](const PortCounts& c) { return c.OutErrors(); };
    const Tally inFrames = [](const PortCounts& c) { return c.InPackets(); };
    const Tally outFrames = [](const PortCounts& c) { return c.OutPackets(); };
    std::vector<Column> columns = {
        {kIfEntry, 10, Of(Count::InOctets)},
        {kIfEntry, 11, Of(Count::InUnicast)},
        {kIfEntry, 12, Sum(Count::InMulticast, Count::InBroadcast)},
        {kIfEntry, 13, Of(Count::InDiscards)},
        {kIfEntry, 14, inErrors},
        {kIfEntry, 15, Of(Count::InUnknownProtos)},
        {kIfEntry, 16, Of(Count::OutOctets)},
        {kIfEntry, 17, Of(Count::OutUnicast)},
        {kIfEntry, 18, Sum(Count::OutMulticast, Count::OutBroadcast)},
        {kIfEntry, 19, Of(Count::OutDiscards)},
        {kIfEntry, 20, outErrors},
        {kIfXEntry, 2, Of(Count::InMulticast)},
        {kIfXEntry, 3, Of(Count::InBroadcast)},
        {kIfXEntry, 4, Of(Count::OutMulticast)},
        {kIfXEntry, 5, Of(Count::OutBroadcast)},
        {kIfXEntry, 6, Of(Count::InOctets)},
        {kIfXEntry, 7, Of(Count::InUnicast)},
        {kIfXEntry, 8, Of(Count::InMulticast)},
        {kIfXEntry, 9, Of(Count::InBroadcast)},
        {kIfXEntry, 10, Of(Count::OutOctets)},
        {kIfXEntry, 11, Of(Count::OutUnicast)},
        {kIfXEntry, 12, Of(Count::OutMulticast)},
        {kIfXEntry, 13, Of(Count::OutBroadcast)},
        {kDot3StatsEntry, 2, Of(Count::AlignmentErrors)},
        {kDot3StatsEntry, 3, Of(Count::FcsErrors)},
        {kDot3StatsEntry, 8, Of(Count::LateCollisions)},
        {kDot3StatsEntry, 10, Of(Count::InternalMacTransmitErrors)},
        {kDot3StatsEntry, 11, Of(Count::CarrierSenseErrors)},
        {kDot3StatsEntry, 13, Of(Count::FrameTooLongs)},
        {kDot3StatsEntry, 16, Of(Count::InternalMacReceiveErrors)},
        {kDot3StatsEntry, 18, Of(Count::SymbolErrors)},
        {kEtherStatsEntry, 3, Of(Count::InDiscards)},
        {kEtherStatsEntry, 4, Of(Count::InOctets)},
        {kEtherStatsEntry, 5, inFrames},
        {kEtherStatsEntry, 6, Of(Count::InBroadcast)},
        {kEtherStatsEntry, 7, Of(Count::InMulticast)},
        {kEtherStatsEntry, 8, Sum(Count::FcsErrors, Count::AlignmentErrors)},
        {kEtherStatsEntry, 9, Of(Count::Undersize)},
        {kEtherStatsEntry, 10, Of(Count::FrameTooLongs)},
        {kEtherStatsEntry, 11, Of(Count::Fragments)},
        {kTpPortEntry, 3, inFrames},
        {kTpPortEntry, 4, outFrames},
        {kTpPortEntry, 5, Of(Count::InDiscards)},
        {kTpHcPortEntry, 1, inFrames},
        {kTpHcPortEntry, 2, outFrames},
        {kTpHcPortEntry, 3, Of(Count::InDiscards)},
    };
    for (std::size_t bucket = 0; bucket <= std::size(kSizeShares); ++bucket) {
        columns.push_back(
            {kEtherStatsEntry, 14 + static_cast<std::uint32_t>(bucket), SizeBucket(bucket)});
    }
    return columns;
}

std::optional<int> PortOf(const Oid& index) {
    if (index.size() != 1 || index[0] < 1 || index[0] > PortModel::kPorts) {
        return std::nullopt;
    }
    return static_cast<int>(index[0]);
}

// A port, or the management interface the interface tables also list.
std::optional<int> InterfaceOf(const Oid& index) {
    if (index.size() == 1 && index[0] == TrafficCounters::kManagementInterface) {
        return TrafficCounters::kManagementInterface;
    }
    return PortOf(index);
}

void PutMissing(MibModel& model, const Oid& oid, MibValue value) {
    if (model.Find(oid) == nullptr) {
        model.Put(oid, std::move(value));
    }
}

}  // namespace

const Oid kEtherStatsEntry = O("1.3.6.1.2.1.16.1.1.1");
const Oid kDot3StatsEntry = O("1.3.6.1.2.1.10.7.2.1");

void PublishRows(MibModel& model) {
    for (std::uint32_t port = 1; port <= PortModel::kPorts; ++port) {
        const auto cell = [&](std::uint32_t column) {
            return Join(kEtherStatsEntry, {column, port});
        };
        PutMissing(model, cell(1), MibValue::Integer(port));
        PutMissing(model, cell(2), MibValue::ObjectId(Join(kIfEntry, {1, port})));
        for (std::uint32_t c = kFirstEtherCounter; c <= kLastEtherCounter; ++c) {
            PutMissing(model, cell(c), Counter32Of(0));
        }
        PutMissing(model, cell(kEtherStatsColumns - 1), MibValue::Octets("monitor"));
        PutMissing(model, cell(kEtherStatsColumns), MibValue::Integer(kValid));
    }
    std::vector<std::uint32_t> rows;
    const Oid indexColumn = Join(kDot3StatsEntry, {1});
    for (auto it = model.All().lower_bound(indexColumn);
         it != model.All().end() && IsPrefix(indexColumn, it->first); ++it) {
        if (it->first.size() == indexColumn.size() + 1) {
            rows.push_back(it->first.back());
        }
    }
    for (const std::uint32_t row : rows) {
        for (const std::uint32_t c : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16, 18}) {
            PutMissing(model, Join(kDot3StatsEntry, {c, row}), Counter32Of(0));
        }
        PutMissing(model, Join(kDot3StatsEntry, {kDot3DuplexStatus, row}), MibValue::Integer(1));
    }
}

void AddReaders(LiveValues& live, const TrafficCounters& traffic, const PortModel& ports) {
    for (Column& column : Columns()) {
        const bool interfaces = &column.entry == &kIfEntry || &column.entry == &kIfXEntry;
        live.Add(Join(column.entry, {column.column}),
                 [&traffic, interfaces, tally = std::move(column.tally)](
                     const Oid& index, const MibValue& stored, std::uint32_t now) {
                     const auto port = interfaces ? InterfaceOf(index) : PortOf(index);
                     if (!port) {
                         return stored;
                     }
                     const std::uint64_t count = tally(traffic.At(*port, now));
                     return stored.syntax == Syntax::Counter64 ? Counter64Of(count)
                                                               : Counter32Of(count);
                 });
    }
    // unknown(1) without a link, else half(2) or full(3) duplex.
    live.Add(Join(kDot3StatsEntry, {kDot3DuplexStatus}),
             [&ports](const Oid& index, const MibValue& stored, std::uint32_t) {
                 const auto port = PortOf(index);
                 if (!port) {
                     return stored;
                 }
                 const Port& p = ports.At(*port);
                 return MibValue::Integer(!p.Up() ? 1 : p.FullDuplex() ? 3 : 2);
             });
}

}  // namespace vsim::statistics
