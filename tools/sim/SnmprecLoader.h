#pragma once

#include <string>
#include <vector>

#include "MibModel.h"

namespace vsim {

// Reads a recording in snmpsim's .snmprec format: one "OID|TAG|VALUE" record
// a line, TAG the BER tag in decimal with an optional "x" suffix for a value
// written in hexadecimal. Blank lines and lines starting with "#" are skipped.
// Records outside `served` are ignored: they belong to net-snmp's own modules
// or to nobody. Every unreadable line is reported as "FILE:LINE: reason";
// readable records are loaded even when others fail.
std::vector<std::string> LoadSnmprec(const std::string& path, const std::vector<Oid>& served,
                                     MibModel& model);

}  // namespace vsim
