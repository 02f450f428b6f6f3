#pragma once

#include <cstdint>
#include <string>

// The SNMPv3 engine boots counter file: one line "ENGINE-ID BOOTS" per
// engine id. Lines of other engine ids are kept when the file is rewritten.
// A symbolic link in the file's place is never followed.

// The counter of `engineId`: 0 when the file is missing, unreadable, not a
// regular file, or has no line for it; false when its line is malformed.
bool LoadBootCounter(const std::string& fileName, const std::string& engineId,
                     std::uint32_t& boots);
// Writes the counter of `engineId` by replacing the file whole (a new file
// in the same folder, renamed over it); false when that cannot be done.
bool SaveBootCounter(const std::string& fileName, const std::string& engineId, std::uint32_t boots);
