#pragma once

#include <cstddef>
#include <string>

// The OID of the first varbind of an SNMPv3 message that carries a Report
// in clear text (not encrypted), as "1.3.6..."; empty for anything else.
// The library drops some Reports it cannot take (an engine whose boots went
// back, a changed engine id): read before it, they still say why.
std::string ClearReportOid(const unsigned char* data, std::size_t length);
