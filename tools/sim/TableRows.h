#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim {

// The rows of a table in the model, each as the index that follows the
// column arc.
std::set<Oid> RowIndexes(const MibModel& model, const TableRule& table);

RowView ReadRow(const MibModel& model, const TableRule& table, const Oid& index);

// Every row of the table at `entry` as a set leaves it: its writes, in their
// order, over the model. Rows by their index (what follows the column arc).
std::map<Oid, RowView> RowsAfter(const MibModel& model, const Oid& entry,
                                 const std::vector<ModelWrite>& writes);

// One row as a set leaves it: its writes, in their order, over the model.
RowView RowAfter(const MibModel& model, const TableRule& table, const Oid& index,
                 const std::vector<ModelWrite>& writes);

// The same for the set a device rule checks: its writes when known.
std::map<Oid, RowView> RowsAfter(const RowPlace& place, const Oid& entry);
const std::vector<ModelWrite>& WritesOf(const RowPlace& place);

// A column of a row: its number (0 when the row has none) or its octets.
std::int64_t NumberIn(const RowView& row, std::uint32_t column);
std::optional<std::string> OctetsIn(const RowView& row, std::uint32_t column);

// A new row's columns before a manager writes any: the defaults, and the
// columns that repeat a key of the index.
RowView NewRow(const BehaviourRules& rules, const TableRule& table, const Oid& index);

// The index of the parent row of a row: its leading keys.
std::optional<Oid> ParentIndex(const TableRule& table, const TableRule& parent, const Oid& index);

// Brings every table that augments another to exactly that table's rows
// (new rows get their columns' defaults, rows whose base row is gone are
// removed), and removes the rows whose parent row is gone. Returns whether
// anything changed.
bool SyncAugmentingTables(MibModel& model, const BehaviourRules& rules);

}  // namespace vsim
