#include "SavedChanges.h"

#include <fstream>
#include <set>
#include <system_error>

#include "SnmprecLoader.h"
#include "TableRows.h"

namespace vsim {

std::vector<std::string> SavedChanges::Load() {
    std::vector<std::string> problems;
    std::ifstream in(file_);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::string reason = "bad object identifier";
        if (line.ends_with("|-|")) {
            if (const auto oid = ParseOid(std::string_view(line).substr(0, line.size() - 3))) {
                changes_[*oid] = std::nullopt;
                continue;
            }
        } else if (auto record = ParseRecord(line, reason)) {
            changes_[record->first] = std::move(record->second);
            continue;
        }
        problems.push_back(file_.string() + ":" + std::to_string(number) + ": " + reason);
    }
    return problems;
}

void SavedChanges::ApplyTo(MibModel& model) const {
    for (const auto& [oid, value] : changes_) {
        if (value) {
            model.Put(oid, *value);
        } else {
            model.Erase(oid);
        }
    }
}

bool SavedChanges::Record(const std::vector<SetTransaction::Write>& writes, const MibModel& model,
                          const BehaviourRules& rules) {
    std::set<std::pair<const TableRule*, Oid>> rows;
    for (const auto& write : writes) {
        const Placement place = rules.Place(write.oid);
        if (place.table != nullptr) {
            rows.emplace(place.table, place.index);
        }
        changes_[write.oid] = write.value;
    }
    for (const auto& [table, index] : rows) {
        const RowView row = ReadRow(model, *table, index);
        const auto storage = table->storageColumn ? row.find(*table->storageColumn) : row.end();
        const bool lost = storage != row.end() && storage->second.number == kVolatile;
        for (const auto& [column, value] : row) {
            changes_[Join(Join(table->entry, {column}), index)] =
                lost ? std::nullopt : std::optional(value);
        }
    }

    std::filesystem::path temporary = file_;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [oid, value] : changes_) {
            out << FormatOid(oid) << '|' << (value ? FormatRecordValue(*value) : std::string("-|"))
                << '\n';
        }
        out.flush();
        if (!out) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file_, error);
    return !error;
}

}  // namespace vsim
