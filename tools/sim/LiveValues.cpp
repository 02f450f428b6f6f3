#include "LiveValues.h"

#include <algorithm>

#include "TrafficCounters.h"

namespace vsim {

void LiveValues::Add(const Oid& object, Reader reader) {
    readers_[object] = std::move(reader);
}

void LiveValues::AddGrowing(const Oid& object, std::uint64_t rate) {
    Add(object, [rate](const Oid&, const MibValue& stored, std::uint32_t now) {
        MibValue value = stored;
        Grow(value, Scaled(rate, now));
        return value;
    });
}

MibValue LiveValues::At(const Oid& oid, const MibValue& stored, std::uint32_t now) const {
    // The object holding `oid` is the last one not after it, when it is a
    // prefix: anything between an object and its instances lies inside it.
    auto it = readers_.upper_bound(oid);
    if (it == readers_.begin()) {
        return stored;
    }
    --it;
    if (oid.size() <= it->first.size() || !IsPrefix(it->first, oid)) {
        return stored;
    }
    const Oid index(oid.begin() + static_cast<std::ptrdiff_t>(it->first.size()), oid.end());
    return it->second(index, stored, now);
}

void Grow(MibValue& value, std::uint64_t step) {
    switch (value.syntax) {
        case Syntax::Counter32:
        case Syntax::TimeTicks:
            value.number = static_cast<std::int64_t>(
                (static_cast<std::uint64_t>(value.number) + step) & 0xFFFFFFFFu);
            break;
        case Syntax::Gauge32:
            value.number = static_cast<std::int64_t>(std::min<std::uint64_t>(
                static_cast<std::uint64_t>(value.number) + step, 0xFFFFFFFFu));
            break;
        case Syntax::Integer:
            value.number =
                std::min<std::int64_t>(value.number + static_cast<std::int64_t>(step), 2147483647);
            break;
        case Syntax::Counter64:
            value.counter64 += step;
            break;
        default:
            break;
    }
}

MibValue Counter32Of(std::uint64_t count) {
    return MibValue::Numeric(Syntax::Counter32, static_cast<std::int64_t>(count & 0xFFFFFFFFu));
}

MibValue Counter64Of(std::uint64_t count) {
    return MibValue::Big(count);
}

}  // namespace vsim
