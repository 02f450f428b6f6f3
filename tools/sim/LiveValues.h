#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "MibValue.h"
#include "SimOid.h"

namespace vsim {

// Objects whose values are worked out when they are read: counters that
// grow with the time, up-times, ages. The model holds their instances, which
// keeps the walk order and what exists; a reader gives an instance's value
// at the moment of the request.
class LiveValues {
public:
    // `index` is the instance's arcs after the object, `stored` the model's
    // value, `now` hundredths of a second since start.
    using Reader =
        std::function<MibValue(const Oid& index, const MibValue& stored, std::uint32_t now)>;

    // Objects do not nest: none lies inside another.
    void Add(const Oid& object, Reader reader);
    // `stored` advanced by `rate` per 100 s since start.
    void AddGrowing(const Oid& object, std::uint64_t rate);

    // The value of `oid` at `now`: its reader's, `stored` for other objects.
    MibValue At(const Oid& oid, const MibValue& stored, std::uint32_t now) const;

private:
    std::map<Oid, Reader, OidLess> readers_;
};

// One step of a growing value: counters and time ticks wrap, gauges and
// integers stop at their largest value.
void Grow(MibValue& value, std::uint64_t step);

// The 32-bit and 64-bit counters of one count.
MibValue Counter32Of(std::uint64_t count);
MibValue Counter64Of(std::uint64_t count);

}  // namespace vsim
