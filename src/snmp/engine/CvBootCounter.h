#pragma once

#include <cstdint>
#include <string>

// The SNMPv3 engine boots counter file: one line "ENGINE-ID BOOTS" per
// engine id. Lines of other engine ids are kept when the file is rewritten.

// The counter of `engineId`: 0 when the file is missing or unreadable or has
// no line for it; false when its line is malformed.
bool LoadBootCounter(const std::string& fileName, const std::string& engineId,
                     std::uint32_t& boots);
// Writes the counter of `engineId`; false when the file cannot be written.
bool SaveBootCounter(const std::string& fileName, const std::string& engineId, std::uint32_t boots);
