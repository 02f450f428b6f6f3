#include "TableRows.h"

#include <algorithm>

namespace vsim {

std::set<Oid> RowIndexes(const MibModel& model, const TableRule& table) {
    std::set<Oid> rows;
    const std::size_t indexAt = table.entry.size() + 1;
    for (auto it = model.All().lower_bound(table.entry);
         it != model.All().end() && IsPrefix(table.entry, it->first); ++it) {
        if (it->first.size() > indexAt) {
            rows.emplace(it->first.begin() + static_cast<std::ptrdiff_t>(indexAt), it->first.end());
        }
    }
    return rows;
}

RowView ReadRow(const MibModel& model, const TableRule& table, const Oid& index) {
    RowView row;
    const std::size_t columnArc = table.entry.size();
    for (auto it = model.All().lower_bound(table.entry);
         it != model.All().end() && IsPrefix(table.entry, it->first); ++it) {
        const Oid& oid = it->first;
        if (oid.size() == columnArc + 1 + index.size() &&
            std::equal(index.begin(), index.end(), oid.begin() + columnArc + 1)) {
            row[oid[columnArc]] = it->second;
        }
    }
    return row;
}

std::map<Oid, RowView> RowsAfter(const MibModel& model, const Oid& entry,
                                 const std::vector<ModelWrite>& writes) {
    std::map<Oid, RowView> rows;
    const std::size_t indexAt = entry.size() + 1;
    const auto place = [&](const Oid& oid, const std::optional<MibValue>& value) {
        if (oid.size() <= indexAt || !IsPrefix(entry, oid)) {
            return;
        }
        const Oid index(oid.begin() + static_cast<std::ptrdiff_t>(indexAt), oid.end());
        if (value) {
            rows[index][oid[entry.size()]] = *value;
        } else if (const auto row = rows.find(index); row != rows.end()) {
            row->second.erase(oid[entry.size()]);
            if (row->second.empty()) {
                rows.erase(row);
            }
        }
    };
    for (auto it = model.All().lower_bound(entry);
         it != model.All().end() && IsPrefix(entry, it->first); ++it) {
        place(it->first, it->second);
    }
    for (const ModelWrite& write : writes) {
        place(write.oid, write.value);
    }
    return rows;
}

std::map<Oid, RowView> RowsAfter(const RowPlace& place, const Oid& entry) {
    return RowsAfter(place.model, entry, WritesOf(place));
}

const std::vector<ModelWrite>& WritesOf(const RowPlace& place) {
    static const std::vector<ModelWrite> kNone;
    return place.writes != nullptr ? *place.writes : kNone;
}

std::int64_t NumberIn(const RowView& row, std::uint32_t column) {
    const auto it = row.find(column);
    return it == row.end() ? 0 : it->second.number;
}

std::optional<std::string> OctetsIn(const RowView& row, std::uint32_t column) {
    const auto it = row.find(column);
    return it == row.end() ? std::nullopt : std::optional(it->second.bytes);
}

RowView RowAfter(const MibModel& model, const TableRule& table, const Oid& index,
                 const std::vector<ModelWrite>& writes) {
    RowView row = ReadRow(model, table, index);
    const std::size_t columnArc = table.entry.size();
    for (const ModelWrite& write : writes) {
        const Oid& oid = write.oid;
        if (oid.size() != columnArc + 1 + index.size() || !IsPrefix(table.entry, oid) ||
            !std::equal(index.begin(), index.end(), oid.begin() + columnArc + 1)) {
            continue;
        }
        if (write.value) {
            row[oid[columnArc]] = *write.value;
        } else {
            row.erase(oid[columnArc]);
        }
    }
    return row;
}

namespace {

// Key `k` of `index` as a value of `syntax`; nullopt when it is none.
std::optional<MibValue> KeyValue(const TableRule& table, const Oid& index, std::size_t k,
                                 Syntax syntax) {
    const auto parts = table.SplitIndex(index);
    if (!parts || k >= parts->size()) {
        return std::nullopt;
    }
    const Oid& part = (*parts)[k];
    const IndexKey key = table.keys[k];
    std::string bytes;
    const std::size_t first = key == IndexKey::String ? 1 : 0;
    for (std::size_t i = first; i < part.size(); ++i) {
        bytes += static_cast<char>(part[i]);
    }
    switch (syntax) {
        case Syntax::Integer:
        case Syntax::Gauge32:
            return key == IndexKey::Integer ? std::optional(MibValue::Numeric(syntax, part.front()))
                                            : std::nullopt;
        case Syntax::IpAddress: {
            MibValue value;
            value.syntax = syntax;
            value.bytes = bytes;
            return key == IndexKey::IpAddress ? std::optional(value) : std::nullopt;
        }
        case Syntax::OctetString:
            return key == IndexKey::Integer || key == IndexKey::Oid || key == IndexKey::ImpliedOid
                       ? std::nullopt
                       : std::optional(MibValue::Octets(bytes));
        case Syntax::ObjectId:
            return key == IndexKey::Oid
                       ? std::optional(MibValue::ObjectId(Oid(part.begin() + 1, part.end())))
                   : key == IndexKey::ImpliedOid ? std::optional(MibValue::ObjectId(part))
                                                 : std::nullopt;
        default:
            return std::nullopt;
    }
}

void EraseRow(MibModel& model, const TableRule& table, const Oid& index) {
    for (const auto& [column, value] : ReadRow(model, table, index)) {
        model.Erase(Join(Join(table.entry, {column}), index));
    }
}

}  // namespace

RowView NewRow(const BehaviourRules& rules, const TableRule& table, const Oid& index) {
    RowView row;
    for (const ObjectRule* column : rules.Columns(table)) {
        if (column->initial) {
            row[column->object.back()] = *column->initial;
        } else if (column->indexKey) {
            if (auto value = KeyValue(table, index, *column->indexKey, column->syntax)) {
                row[column->object.back()] = std::move(*value);
            }
        }
    }
    return row;
}

std::optional<Oid> ParentIndex(const TableRule& table, const TableRule& parent, const Oid& index) {
    const auto parts = table.SplitIndex(index);
    if (!parts || parts->size() < parent.keys.size()) {
        return std::nullopt;
    }
    Oid leading;
    for (std::size_t k = 0; k < parent.keys.size(); ++k) {
        leading.insert(leading.end(), (*parts)[k].begin(), (*parts)[k].end());
    }
    return leading;
}

bool SyncAugmentingTables(MibModel& model, const BehaviourRules& rules) {
    bool changed = false;
    for (const auto& [entry, table] : rules.Tables()) {
        const auto parent = rules.Tables().find(table.parent);
        if (table.parent.empty() || parent == rules.Tables().end()) {
            continue;
        }
        for (const Oid& index : RowIndexes(model, table)) {
            const auto leading = ParentIndex(table, parent->second, index);
            if (!leading || ReadRow(model, parent->second, *leading).empty()) {
                EraseRow(model, table, index);
                changed = true;
            }
        }
    }
    for (const auto& [entry, table] : rules.Tables()) {
        const auto base = rules.Tables().find(table.augments);
        if (table.augments.empty() || base == rules.Tables().end()) {
            continue;
        }
        const std::set<Oid> wanted = RowIndexes(model, base->second);
        const std::set<Oid> present = RowIndexes(model, table);
        for (const Oid& index : present) {
            if (wanted.count(index) == 0) {
                EraseRow(model, table, index);
                changed = true;
            }
        }
        for (const Oid& index : wanted) {
            if (present.count(index) != 0) {
                continue;
            }
            for (auto& [column, value] : NewRow(rules, table, index)) {
                model.Put(Join(Join(entry, {column}), index), std::move(value));
                changed = true;
            }
        }
    }
    return changed;
}

}  // namespace vsim
