#pragma once

#include <filesystem>

namespace vsim {

// The default state folder, TMP/vanta-sim-PID-XXXXXX: the process id in its
// name lets a later start recognise the folder of a simulator that died
// without removing it. Throws std::runtime_error.
std::filesystem::path MakeTemporaryStateFolder(const std::filesystem::path& tmp);

// Removes the default state folders in `tmp` whose simulator no longer runs:
// only folders named as above, owned by this user, whose process is gone.
// Returns how many were removed.
int RemoveStaleStateFolders(const std::filesystem::path& tmp);

}  // namespace vsim
