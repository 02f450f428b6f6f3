#pragma once

#include <string_view>

struct snmp_pdu;

// How net-snmp's outcomes read as SNMP++-numbered results: library error
// codes (with the system errno of a failed send), and v3 Report PDUs by the
// statistics counter they carry.
int MapLibraryError(int libraryError, int systemError);
int MapReportOid(std::string_view reportOid);
