#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"

namespace vsim {

// Error statuses of a set, numbered as on the wire (SNMPv2).
enum class SetStatus : int {
    NoError = 0,
    WrongType = 7,
    WrongLength = 8,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    NotWritable = 17,
    InconsistentName = 18,
};

struct SetResult {
    SetStatus status = SetStatus::NoError;
    std::size_t index = 0;  // 0-based position of the varbind at fault
};

// A row as column number -> value.
using RowView = std::map<std::uint32_t, MibValue>;

// One change a set makes to the model.
struct ModelWrite {
    Oid oid;
    std::optional<MibValue> value;  // nullopt: the instance is removed
};

// Where a changed row sits, for the rules that look beyond the row itself:
// the model as it was before the set and, when known, all the set's writes
// (RowsAfter in TableRows.h gives the other rows as the set leaves them),
// the varbinds the manager sent and the rules (a new row's defaults).
struct RowPlace {
    const MibModel& model;
    const TableRule& table;
    const Oid& index;
    const std::vector<ModelWrite>* writes = nullptr;
    const std::vector<std::pair<Oid, MibValue>>* requested = nullptr;
    const BehaviourRules* rules = nullptr;
};
// Device rules a changed row must satisfy, by the name a table's "check" gives.
using RowChecks = std::map<std::string, std::function<bool(const RowView&, const RowPlace&)>>;

enum RowStatusValue : std::int64_t {
    kActive = 1,
    kNotInService = 2,
    kNotReady = 3,
    kCreateAndGo = 4,
    kCreateAndWait = 5,
    kDestroy = 6,
};

// StorageType (RFC 2579): a permanent row cannot be destroyed, a readOnly
// one cannot be written at all, and only volatile rows are lost in a restart.
enum StorageTypeValue : std::int64_t {
    kVolatile = 2,
    kNonVolatile = 3,
    kPermanent = 4,
    kReadOnly = 5,
};

// One set request, all or nothing: Prepare checks every varbind and works out
// the resulting writes without touching the model; Apply performs them and
// keeps what they replaced, so Undo restores the model exactly.
class SetTransaction {
public:
    using Write = ModelWrite;

    SetTransaction(MibModel& model, const BehaviourRules& rules, const RowChecks& checks);

    SetResult Prepare(const std::vector<std::pair<Oid, MibValue>>& varbinds);
    void Apply();
    void Undo();

    const std::vector<Write>& Writes() const { return writes_; }

private:
    struct RowWork {
        const TableRule* table = nullptr;
        Oid index;
        std::vector<std::size_t> varbinds;
        std::optional<std::size_t> status;
    };
    // A changed row awaiting its device rule until all writes are known.
    struct RowCheck {
        const TableRule* table = nullptr;
        Oid index;
        RowView row;
        std::size_t blame = 0;
    };

    SetResult PrepareWrites();
    SetResult CheckValue(std::size_t i, const ObjectRule& rule, bool isStatus) const;
    SetResult PrepareRow(const RowWork& row);
    SetResult PrepareRowWithoutStatus(const RowWork& row);
    SetResult PrepareValidRow(const RowWork& row);
    SetResult PrepareScalar(std::size_t i, const ObjectRule& rule);
    bool Creatable(const TableRule& table, const Oid& index) const;
    SetResult CheckParents() const;
    void RemoveChildren();
    bool Complete(const TableRule& table, const RowView& row) const;
    void CheckLater(const TableRule& table, const Oid& index, const RowView& row,
                    std::size_t blame);
    SetResult CheckRows() const;
    void WriteRow(const TableRule& table, const Oid& index, const RowView& row);

    MibModel& model_;
    const BehaviourRules& rules_;
    const RowChecks& checks_;
    std::vector<std::pair<Oid, MibValue>> varbinds_;
    std::vector<Write> writes_;
    std::vector<Write> journal_;
    std::vector<RowCheck> rowChecks_;
    std::vector<RowCheck> parentChecks_;  // rows kept or created under a parent row
    std::vector<std::pair<const TableRule*, Oid>> destroyed_;
};

}  // namespace vsim
