#include "PduLog.h"

#include <stdexcept>

#include "SetLog.h"

namespace vsim {

std::string PduTypeName(PduType type) {
    switch (type) {
        case PduType::Get:
            return "get";
        case PduType::GetNext:
            return "getnext";
        case PduType::GetBulk:
            return "getbulk";
        case PduType::Set:
            return "set";
    }
    return "";
}

std::string FormatPduLogLine(const PduLogEntry& entry, long status) {
    const bool bulk = entry.type == PduType::GetBulk;
    return std::to_string(entry.requestId) + '\t' + PduTypeName(entry.type) + '\t' +
           std::to_string(entry.varbinds) + '\t' +
           (bulk ? std::to_string(entry.nonRepeaters) : "") + '\t' +
           (bulk ? std::to_string(entry.maxRepetitions) : "") + '\t' + ErrorStatusName(status) +
           '\n';
}

PduLog::PduLog(const std::filesystem::path& file) : out_(file, std::ios::app) {
    if (!out_) {
        throw std::runtime_error("cannot open the PDU log " + file.string());
    }
}

bool PduLog::Write(const PduLogEntry& entry, long status) {
    out_ << FormatPduLogLine(entry, status) << std::flush;
    return static_cast<bool>(out_);
}

}  // namespace vsim
