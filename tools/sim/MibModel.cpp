#include "MibModel.h"

#include <iterator>

namespace vsim {

const MibValue* MibModel::Find(const Oid& oid) const {
    const auto it = entries_.find(oid);
    return it == entries_.end() ? nullptr : &it->second;
}

MibValue* MibModel::FindMutable(const Oid& oid) {
    const auto it = entries_.find(oid);
    return it == entries_.end() ? nullptr : &it->second;
}

const MibModel::Entries::value_type* MibModel::Next(const Oid& from, bool inclusive,
                                                    const Oid& end) const {
    const auto it = inclusive ? entries_.lower_bound(from) : entries_.upper_bound(from);
    if (it == entries_.end() || (!end.empty() && !entries_.key_comp()(it->first, end))) {
        return nullptr;
    }
    return &*it;
}

bool MibModel::HasBelow(const Oid& prefix) const {
    const auto it = entries_.lower_bound(prefix);
    return it != entries_.end() && IsPrefix(prefix, it->first);
}

void MibModel::UpdateBelow(const Oid& prefix,
                           const std::function<void(const Oid&, MibValue&)>& change) {
    for (auto it = entries_.lower_bound(prefix);
         it != entries_.end() && IsPrefix(prefix, it->first); ++it) {
        change(it->first, it->second);
    }
}

void MibModel::Put(const Oid& oid, MibValue value) {
    entries_.insert_or_assign(oid, std::move(value));
}

void MibModel::PutAscending(std::vector<std::pair<Oid, MibValue>> instances) {
    auto hint = entries_.end();
    for (auto& [oid, value] : instances) {
        hint = std::next(entries_.insert_or_assign(hint, std::move(oid), std::move(value)));
    }
}

void MibModel::Erase(const Oid& oid) {
    entries_.erase(oid);
}

void MibModel::EraseBelow(const Oid& prefix) {
    auto end = entries_.lower_bound(prefix);
    while (end != entries_.end() && IsPrefix(prefix, end->first)) {
        ++end;
    }
    entries_.erase(entries_.lower_bound(prefix), end);
}

}  // namespace vsim
