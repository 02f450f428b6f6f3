#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MibValue.h"
#include "SimOid.h"

namespace vsim {

// One varbind of a SET as it came: its BER type tag (exceptions and types
// the model does not hold included) and its value.
struct SetLogVarbind {
    Oid oid;
    int tag = 0;
    MibValue value;  // numbers, octets (raw content for unknown tags), oid
};

// The words of the set log: the behaviour file's syntax names (integer,
// octets, ...), noSuchObject, noSuchInstance, endOfMibView, else the tag in
// hexadecimal ("0x78").
std::string SetLogTypeName(int tag);
// Numbers in decimal, octets in lowercase hexadecimal, an IpAddress dotted,
// an object identifier numeric; nothing for null and the exceptions.
std::string SetLogValueText(int tag, const MibValue& value);
// The error status as SNMP spells it ("noError", "notWritable", ...); a
// number beyond the protocol's in decimal.
std::string ErrorStatusName(long status);

// The lines of one answered SET request: request id, OID, type, value and
// the request's error status, tab-separated, one a varbind.
std::string FormatSetLogLines(long requestId, const std::vector<SetLogVarbind>& varbinds,
                              long status);

// --set-log FILE: appended to, flushed after every request so that a test
// reading it after the reply finds the request's lines.
class SetLog {
public:
    // Throws std::runtime_error when the file cannot be opened.
    explicit SetLog(const std::filesystem::path& file);

    // False when the lines could not be written.
    bool Write(long requestId, const std::vector<SetLogVarbind>& varbinds, long status);

private:
    std::ofstream out_;
};

}  // namespace vsim
