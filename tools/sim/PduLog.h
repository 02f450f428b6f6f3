#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

namespace vsim {

enum class PduType { Get, GetNext, GetBulk, Set };

// One request PDU as it came.
struct PduLogEntry {
    long requestId = 0;
    PduType type = PduType::Get;
    std::size_t varbinds = 0;
    long nonRepeaters = 0;  // getbulk only
    long maxRepetitions = 0;
};

// "get", "getnext", "getbulk", "set".
std::string PduTypeName(PduType type);

// REQUEST-ID TYPE VARBINDS NON-REPEATERS MAX-REPETITIONS STATUS, tab-separated,
// the repetition fields empty but for getbulk; the status as in the set log.
std::string FormatPduLogLine(const PduLogEntry& entry, long status);

// --pdu-log FILE: appended to, flushed after every line so that a test
// reading it after the reply finds the request's line.
class PduLog {
public:
    // Throws std::runtime_error when the file cannot be opened.
    explicit PduLog(const std::filesystem::path& file);

    // False when the line could not be written.
    bool Write(const PduLogEntry& entry, long status);

private:
    std::ofstream out_;
};

}  // namespace vsim
