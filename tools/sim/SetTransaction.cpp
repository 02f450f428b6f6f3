#include "SetTransaction.h"

#include <algorithm>

#include "TableRows.h"
#include "ValueFormats.h"

namespace vsim {

namespace {

bool IsNumeric(Syntax syntax) {
    return syntax == Syntax::Integer || syntax == Syntax::Counter32 || syntax == Syntax::Gauge32 ||
           syntax == Syntax::TimeTicks;
}

SetResult Fail(SetStatus status, std::size_t index) {
    return SetResult{status, index};
}

}  // namespace

SetTransaction::SetTransaction(MibModel& model, const BehaviourRules& rules,
                               const RowChecks& checks)
    : model_(model), rules_(rules), checks_(checks) {}

SetResult SetTransaction::CheckValue(std::size_t i, const ObjectRule& rule, bool isStatus) const {
    const MibValue& value = varbinds_[i].second;
    if (value.syntax != rule.syntax) {
        return Fail(SetStatus::WrongType, i);
    }
    if (value.syntax == Syntax::IpAddress && value.bytes.size() != 4) {
        return Fail(SetStatus::WrongLength, i);
    }
    const auto length = static_cast<std::int64_t>(value.bytes.size());
    if (!rule.sizes.empty() && std::none_of(rule.sizes.begin(), rule.sizes.end(),
                                            [&](const Range& r) { return r.Contains(length); })) {
        return Fail(SetStatus::WrongLength, i);
    }
    if (!rule.format.empty() && !FitsFormat(rule.format, value.bytes)) {
        return Fail(SetStatus::WrongValue, i);
    }
    if (isStatus) {
        // notReady is reported by the agent, never requested.
        const bool settable =
            value.number >= kActive && value.number <= kDestroy && value.number != kNotReady;
        return settable ? SetResult{} : Fail(SetStatus::WrongValue, i);
    }
    if (IsNumeric(value.syntax) && !rule.values.empty() &&
        std::none_of(rule.values.begin(), rule.values.end(),
                     [&](const Range& r) { return r.Contains(value.number); })) {
        return Fail(SetStatus::WrongValue, i);
    }
    return {};
}

SetResult SetTransaction::Prepare(const std::vector<std::pair<Oid, MibValue>>& varbinds) {
    varbinds_ = varbinds;
    writes_.clear();
    journal_.clear();
    rowChecks_.clear();
    parentChecks_.clear();
    destroyed_.clear();
    SetResult result = PrepareWrites();
    if (result.status == SetStatus::NoError) {
        result = CheckRows();
    }
    if (result.status != SetStatus::NoError) {
        writes_.clear();
    }
    return result;
}

SetResult SetTransaction::PrepareWrites() {
    std::vector<RowWork> rows;
    for (std::size_t i = 0; i < varbinds_.size(); ++i) {
        const Oid& oid = varbinds_[i].first;
        const Placement place = rules_.Place(oid);
        const ObjectRule* rule = rules_.Object(place.object);
        if (rule == nullptr || !rule->writable) {
            return Fail(SetStatus::NotWritable, i);
        }
        const TableRule* table = place.table;
        const bool isStatus =
            table != nullptr && table->statusColumn && place.object.back() == *table->statusColumn;
        if (const auto result = CheckValue(i, *rule, isStatus);
            result.status != SetStatus::NoError) {
            return result;
        }
        if (table == nullptr) {
            if (const auto result = PrepareScalar(i, *rule); result.status != SetStatus::NoError) {
                return result;
            }
            continue;
        }
        if (!table->SplitIndex(place.index)) {
            return Fail(SetStatus::NoCreation, i);
        }
        auto row = std::find_if(rows.begin(), rows.end(), [&](const RowWork& r) {
            return r.table == table && r.index == place.index;
        });
        if (row == rows.end()) {
            rows.push_back(RowWork{table, place.index, {}, std::nullopt});
            row = rows.end() - 1;
        }
        const bool isValid = table->validColumn && place.object.back() == *table->validColumn;
        if (isStatus || isValid) {
            if (row->status) {
                return Fail(SetStatus::InconsistentValue, i);
            }
            row->status = i;
        } else {
            row->varbinds.push_back(i);
        }
    }
    for (const auto& row : rows) {
        const auto result = row.table->statusColumn  ? PrepareRow(row)
                            : row.table->validColumn ? PrepareValidRow(row)
                                                     : PrepareRowWithoutStatus(row);
        if (result.status != SetStatus::NoError) {
            return result;
        }
    }
    // Parents are looked for as the whole set leaves them: a parent row may
    // be created in the same set as its rows, in any order, but not
    // destroyed in the set that writes one of them.
    if (const auto result = CheckParents(); result.status != SetStatus::NoError) {
        return result;
    }
    RemoveChildren();
    return {};
}

SetResult SetTransaction::PrepareScalar(std::size_t i, const ObjectRule& rule) {
    const Oid& oid = varbinds_[i].first;
    const MibValue* current = model_.Find(oid);
    if (current == nullptr) {
        return Fail(SetStatus::NoCreation, i);
    }
    if (!rule.testAndIncr) {
        writes_.push_back({oid, varbinds_[i].second});
        return {};
    }
    // TestAndIncr (RFC 2579): only the value read last is accepted, and the
    // lock moves on, wrapping to 0 after 2147483647.
    const auto pending = std::find_if(writes_.rbegin(), writes_.rend(),
                                      [&](const Write& w) { return w.oid == oid; });
    const std::int64_t value = pending != writes_.rend() ? pending->value->number : current->number;
    if (varbinds_[i].second.number != value) {
        return Fail(SetStatus::InconsistentValue, i);
    }
    writes_.push_back({oid, MibValue::Integer(value == 2147483647 ? 0 : value + 1)});
    return {};
}

SetResult SetTransaction::PrepareRowWithoutStatus(const RowWork& row) {
    RowView view = ReadRow(model_, *row.table, row.index);
    for (const auto i : row.varbinds) {
        if (model_.Find(varbinds_[i].first) == nullptr) {
            return Fail(SetStatus::NoCreation, i);
        }
        view[varbinds_[i].first[row.table->entry.size()]] = varbinds_[i].second;
    }
    if (!row.table->parent.empty()) {
        parentChecks_.push_back({row.table, row.index, {}, row.varbinds.front()});
    }
    CheckLater(*row.table, row.index, view, row.varbinds.front());
    for (const auto i : row.varbinds) {
        writes_.push_back({varbinds_[i].first, varbinds_[i].second});
    }
    return {};
}

// The older convention of some of the switch's tables: valid(3) (or, in the
// static filtering tables, permanent(3), deleteOnReset(4), deleteOnTimeout(5))
// creates or keeps the row, invalid(2) removes it.
SetResult SetTransaction::PrepareValidRow(const RowWork& row) {
    constexpr std::int64_t kInvalid = 2;
    constexpr std::int64_t kValid = 3;
    const TableRule& table = *row.table;
    RowView view = ReadRow(model_, table, row.index);
    const bool exists = !view.empty();
    const std::optional<std::int64_t> requested =
        row.status ? std::optional(varbinds_[*row.status].second.number) : std::nullopt;
    const std::size_t blame = row.status ? *row.status : row.varbinds.front();
    if (requested == kInvalid) {
        if (!row.varbinds.empty()) {
            return Fail(SetStatus::InconsistentValue, row.varbinds.front());
        }
        if (exists && (!Creatable(table, row.index) || table.Keeps(row.index))) {
            return Fail(SetStatus::InconsistentValue, blame);
        }
        if (!exists && table.missing != MissingAnswer::NoError) {
            return Fail(table.missing == MissingAnswer::NoCreation ? SetStatus::NoCreation
                                                                   : SetStatus::InconsistentValue,
                        blame);
        }
        for (const auto& [column, value] : view) {
            writes_.push_back({Join(Join(table.entry, {column}), row.index), std::nullopt});
        }
        if (exists) {
            destroyed_.emplace_back(&table, row.index);
        }
        return {};
    }
    if (!exists) {
        if (!requested) {
            return Fail(SetStatus::InconsistentName, blame);
        }
        if (!Creatable(table, row.index)) {
            return Fail(SetStatus::NoCreation, blame);
        }
        view = NewRow(rules_, table, row.index);
    }
    for (const auto i : row.varbinds) {
        view[varbinds_[i].first[table.entry.size()]] = varbinds_[i].second;
    }
    // A column that also says how long the row lives (permanent, deleteOnReset,
    // ...) keeps the kind asked for, or the row's own when none is.
    if (requested) {
        view[*table.validColumn] = MibValue::Integer(*requested);
    } else {
        view.try_emplace(*table.validColumn, MibValue::Integer(kValid));
    }
    if (!Complete(table, view)) {
        return Fail(SetStatus::InconsistentValue, blame);
    }
    if (!table.parent.empty()) {
        parentChecks_.push_back({&table, row.index, {}, blame});
    }
    CheckLater(table, row.index, view, blame);
    WriteRow(table, row.index, view);
    return {};
}

SetResult SetTransaction::PrepareRow(const RowWork& row) {
    const TableRule& table = *row.table;
    const std::uint32_t statusColumn = *table.statusColumn;
    const std::size_t columnArc = table.entry.size();
    RowView view = ReadRow(model_, table, row.index);
    const auto current = view.find(statusColumn);
    const bool exists = current != view.end();
    const std::optional<std::int64_t> requested =
        row.status ? std::optional(varbinds_[*row.status].second.number) : std::nullopt;
    const std::size_t blame = row.status ? *row.status : row.varbinds.front();

    const auto applyColumns = [&](RowView& target) {
        for (const auto i : row.varbinds) {
            target[varbinds_[i].first[columnArc]] = varbinds_[i].second;
        }
    };

    if (!exists) {
        if (!requested) {
            return Fail(SetStatus::InconsistentName, blame);
        }
        if (*requested == kDestroy) {
            // Destroying a row that is not there is no error, but its other
            // columns have nowhere to go.
            return row.varbinds.empty() ? SetResult{}
                                        : Fail(SetStatus::InconsistentName, row.varbinds.front());
        }
        if (*requested != kCreateAndGo && *requested != kCreateAndWait) {
            return Fail(SetStatus::InconsistentValue, blame);
        }
        if (!Creatable(table, row.index)) {
            return Fail(SetStatus::NoCreation, blame);
        }
        if (!table.parent.empty()) {
            parentChecks_.push_back({&table, row.index, {}, blame});
        }
        RowView created = NewRow(rules_, table, row.index);
        applyColumns(created);
        const bool complete = Complete(table, created);
        if (*requested == kCreateAndGo && !complete) {
            return Fail(SetStatus::InconsistentValue, blame);
        }
        created[statusColumn] = MibValue::Integer(*requested == kCreateAndGo ? kActive
                                                  : complete                 ? kNotInService
                                                                             : kNotReady);
        CheckLater(table, row.index, created, blame);
        WriteRow(table, row.index, created);
        return {};
    }

    const std::int64_t status = current->second.number;
    const auto storage = table.storageColumn ? view.find(*table.storageColumn) : view.end();
    const std::int64_t kept = storage != view.end() ? storage->second.number : kNonVolatile;
    if (kept == kReadOnly) {
        return Fail(SetStatus::NotWritable,
                    row.varbinds.empty() ? blame : std::min(blame, row.varbinds.front()));
    }
    if (requested == kCreateAndGo || requested == kCreateAndWait) {
        return Fail(SetStatus::InconsistentValue, blame);
    }
    if (requested == kDestroy) {
        if (!Creatable(table, row.index) || kept == kPermanent || table.Keeps(row.index)) {
            return Fail(SetStatus::InconsistentValue, blame);
        }
        for (const auto& [column, value] : view) {
            writes_.push_back({Join(Join(table.entry, {column}), row.index), std::nullopt});
        }
        destroyed_.emplace_back(&table, row.index);
        return {};
    }
    if (!table.parent.empty()) {
        parentChecks_.push_back({&table, row.index, {}, blame});
    }
    applyColumns(view);
    const bool complete = Complete(table, view);
    std::int64_t next = status;
    if (requested) {
        if (!complete) {
            return Fail(SetStatus::InconsistentValue, blame);
        }
        next = *requested;
    } else if (status == kNotReady && complete) {
        next = kNotInService;
    }
    view[statusColumn] = MibValue::Integer(next);
    CheckLater(table, row.index, view, blame);
    for (const auto i : row.varbinds) {
        writes_.push_back({varbinds_[i].first, varbinds_[i].second});
    }
    if (next != status || requested) {
        writes_.push_back(
            {Join(Join(table.entry, {statusColumn}), row.index), MibValue::Integer(next)});
    }
    return {};
}

bool SetTransaction::Creatable(const TableRule& table, const Oid& index) const {
    const auto parts = table.SplitIndex(index);
    if (table.creatable.empty() || !parts) {
        return parts.has_value();
    }
    for (std::size_t k = 0; k < parts->size() && k < table.creatable.size(); ++k) {
        const Oid& part = (*parts)[k];
        std::int64_t measure = 0;
        switch (table.keys[k]) {
            case IndexKey::Integer:
                measure = part.front();
                break;
            case IndexKey::String:
            case IndexKey::Oid:
                measure = static_cast<std::int64_t>(part.size()) - 1;
                break;
            case IndexKey::ImpliedString:
            case IndexKey::ImpliedOid:
                measure = static_cast<std::int64_t>(part.size());
                break;
            case IndexKey::IpAddress:
            case IndexKey::MacAddress:
            case IndexKey::Ipv6Address:
                continue;  // every address may be used
        }
        if (!table.creatable[k].Contains(measure)) {
            return false;
        }
    }
    return true;
}

SetResult SetTransaction::CheckParents() const {
    for (const RowCheck& pending : parentChecks_) {
        const TableRule& table = *pending.table;
        const auto parent = rules_.Tables().find(table.parent);
        if (parent == rules_.Tables().end()) {
            continue;
        }
        const auto leading = ParentIndex(table, parent->second, pending.index);
        if (!leading || RowAfter(model_, parent->second, *leading, writes_).empty()) {
            return Fail(table.orphan == OrphanAnswer::InconsistentValue
                            ? SetStatus::InconsistentValue
                            : SetStatus::InconsistentName,
                        pending.blame);
        }
    }
    return {};
}

// A destroyed row takes the rows under it along, in the same set, so that
// the set's writes (and what a kept state folder records of them) say so.
void SetTransaction::RemoveChildren() {
    for (std::size_t next = 0; next < destroyed_.size(); ++next) {
        const auto [parent, parentIndex] = destroyed_[next];
        for (const auto& [entry, table] : rules_.Tables()) {
            if (table.parent != parent->entry) {
                continue;
            }
            for (const auto& [index, row] : RowsAfter(model_, entry, writes_)) {
                if (ParentIndex(table, *parent, index) != parentIndex) {
                    continue;
                }
                for (const auto& [column, value] : row) {
                    writes_.push_back({Join(Join(entry, {column}), index), std::nullopt});
                }
                destroyed_.emplace_back(&table, index);
            }
        }
    }
}

bool SetTransaction::Complete(const TableRule& table, const RowView& row) const {
    for (const ObjectRule* column : rules_.Columns(table)) {
        if (column->required && row.count(column->object.back()) == 0) {
            return false;
        }
    }
    return true;
}

void SetTransaction::CheckLater(const TableRule& table, const Oid& index, const RowView& row,
                                std::size_t blame) {
    if (!table.check.empty()) {
        rowChecks_.push_back({&table, index, row, blame});
    }
}

// The device rules run once every write of the set is known, so that a rule
// looking at other rows (or, for a group, at other tables) sees them as the
// whole set leaves them, whatever the order of the varbinds.
SetResult SetTransaction::CheckRows() const {
    for (const RowCheck& pending : rowChecks_) {
        const auto check = checks_.find(pending.table->check);
        if (check != checks_.end() &&
            !check->second(pending.row, RowPlace{model_, *pending.table, pending.index, &writes_,
                                                 &varbinds_, &rules_})) {
            return Fail(SetStatus::InconsistentValue, pending.blame);
        }
    }
    return {};
}

void SetTransaction::WriteRow(const TableRule& table, const Oid& index, const RowView& row) {
    for (const auto& [column, value] : row) {
        writes_.push_back({Join(Join(table.entry, {column}), index), value});
    }
}

void SetTransaction::Apply() {
    journal_.clear();
    for (const auto& write : writes_) {
        const MibValue* previous = model_.Find(write.oid);
        journal_.push_back(
            {write.oid, previous ? std::optional<MibValue>(*previous) : std::nullopt});
        if (write.value) {
            model_.Put(write.oid, *write.value);
        } else {
            model_.Erase(write.oid);
        }
    }
}

void SetTransaction::Undo() {
    for (auto it = journal_.rbegin(); it != journal_.rend(); ++it) {
        if (it->value) {
            model_.Put(it->oid, *it->value);
        } else {
            model_.Erase(it->oid);
        }
    }
    journal_.clear();
}

}  // namespace vsim
