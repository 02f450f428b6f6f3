#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim {

// What the switch keeps across a restart, like a configuration saved to
// flash: every instance that sets changed or removed since the seed, in one
// file of the state folder. A table row is kept whole, and a row whose
// storage type is volatile is kept as removed.
class SavedChanges {
public:
    explicit SavedChanges(std::filesystem::path file) : file_(std::move(file)) {}

    // Reads the file; a missing file is nothing saved. Problems come back as
    // "FILE:LINE: reason".
    std::vector<std::string> Load();
    void ApplyTo(MibModel& model) const;
    // Notes the writes of a committed set, read back from the model that
    // holds them, and replaces the file. False when it cannot be written.
    bool Record(const std::vector<SetTransaction::Write>& writes, const MibModel& model,
                const BehaviourRules& rules);

private:
    std::filesystem::path file_;
    std::map<Oid, std::optional<MibValue>> changes_;  // nullopt: removed
};

}  // namespace vsim
