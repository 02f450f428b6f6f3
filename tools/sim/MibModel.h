#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "MibValue.h"
#include "SimOid.h"

namespace vsim {

// Every instance the simulated switch serves, in SNMP order.
class MibModel {
public:
    using Entries = std::map<Oid, MibValue, OidLess>;

    const MibValue* Find(const Oid& oid) const;
    MibValue* FindMutable(const Oid& oid);

    // The first instance after `from` (or at it, when `inclusive`) that lies
    // before `end`; an empty `end` means no bound. nullptr when there is none.
    const Entries::value_type* Next(const Oid& from, bool inclusive, const Oid& end) const;

    // True when some instance lies inside the subtree `prefix`.
    bool HasBelow(const Oid& prefix) const;

    // Calls `change` on every instance inside the subtree `prefix`.
    void UpdateBelow(const Oid& prefix, const std::function<void(const Oid&, MibValue&)>& change);

    void Put(const Oid& oid, MibValue value);
    // Puts instances given in SNMP order, each next to the one before at
    // constant cost (a search each when out of order).
    void PutAscending(std::vector<std::pair<Oid, MibValue>> instances);
    void Erase(const Oid& oid);
    void EraseBelow(const Oid& prefix);

    const Entries& All() const { return entries_; }
    std::size_t Size() const { return entries_.size(); }

private:
    Entries entries_;
};

}  // namespace vsim
