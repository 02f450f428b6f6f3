#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "MibModel.h"

namespace vsim {

// One "OID|TAG|VALUE" record; nullopt with `reason` set when it is none.
std::optional<std::pair<Oid, MibValue>> ParseRecord(std::string_view line, std::string& reason);

// Reads a recording in snmpsim's .snmprec format: one "OID|TAG|VALUE" record
// a line, TAG the BER tag in decimal with an optional "x" suffix for a value
// written in hexadecimal. Blank lines and lines starting with "#" are skipped.
// Records outside `served` are ignored: they belong to net-snmp's own modules
// or to nobody. Every unreadable line is reported as "FILE:LINE: reason";
// readable records are loaded even when others fail.
std::vector<std::string> LoadSnmprec(const std::string& path, const std::vector<Oid>& served,
                                     MibModel& model);

// A recording or behaviour file followed by those of its areas beside it:
// "vanta-a.snmprec", then "vanta-a.AREA.snmprec" in name order.
std::vector<std::filesystem::path> WithAreaFiles(const std::filesystem::path& main);

}  // namespace vsim
