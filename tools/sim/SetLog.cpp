#include "SetLog.h"

#include <stdexcept>

namespace vsim {

namespace {

constexpr int kNoSuchObject = 0x80;
constexpr int kNoSuchInstance = 0x81;
constexpr int kEndOfMibView = 0x82;

std::string Hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        hex += kDigits[static_cast<unsigned char>(c) >> 4];
        hex += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    return hex;
}

}  // namespace

std::string SetLogTypeName(int tag) {
    switch (tag) {
        case static_cast<int>(Syntax::Integer):
            return "integer";
        case static_cast<int>(Syntax::OctetString):
            return "octets";
        case static_cast<int>(Syntax::Null):
            return "null";
        case static_cast<int>(Syntax::ObjectId):
            return "oid";
        case static_cast<int>(Syntax::IpAddress):
            return "ipaddress";
        case static_cast<int>(Syntax::Counter32):
            return "counter32";
        case static_cast<int>(Syntax::Gauge32):
            return "gauge32";
        case static_cast<int>(Syntax::TimeTicks):
            return "timeticks";
        case static_cast<int>(Syntax::Opaque):
            return "opaque";
        case static_cast<int>(Syntax::Counter64):
            return "counter64";
        case kNoSuchObject:
            return "noSuchObject";
        case kNoSuchInstance:
            return "noSuchInstance";
        case kEndOfMibView:
            return "endOfMibView";
        default: {
            static constexpr char kDigits[] = "0123456789abcdef";
            const auto byte = static_cast<unsigned>(tag) & 0xFFu;
            return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
        }
    }
}

std::string SetLogValueText(int tag, const MibValue& value) {
    switch (tag) {
        case static_cast<int>(Syntax::Integer):
        case static_cast<int>(Syntax::Counter32):
        case static_cast<int>(Syntax::Gauge32):
        case static_cast<int>(Syntax::TimeTicks):
            return std::to_string(value.number);
        case static_cast<int>(Syntax::Counter64):
            return std::to_string(value.counter64);
        case static_cast<int>(Syntax::ObjectId):
            return FormatOid(value.oid);
        case static_cast<int>(Syntax::IpAddress):
            if (value.bytes.size() == 4) {
                std::string dotted;
                for (const char c : value.bytes) {
                    dotted +=
                        (dotted.empty() ? "" : ".") + std::to_string(static_cast<unsigned char>(c));
                }
                return dotted;
            }
            return Hex(value.bytes);
        case static_cast<int>(Syntax::Null):
        case kNoSuchObject:
        case kNoSuchInstance:
        case kEndOfMibView:
            return "";
        default:
            return Hex(value.bytes);
    }
}

std::string ErrorStatusName(long status) {
    static constexpr const char* kNames[] = {
        "noError",
        "tooBig",
        "noSuchName",
        "badValue",
        "readOnly",
        "genErr",
        "noAccess",
        "wrongType",
        "wrongLength",
        "wrongEncoding",
        "wrongValue",
        "noCreation",
        "inconsistentValue",
        "resourceUnavailable",
        "commitFailed",
        "undoFailed",
        "authorizationError",
        "notWritable",
        "inconsistentName",
    };
    if (status >= 0 && static_cast<std::size_t>(status) < std::size(kNames)) {
        return kNames[status];
    }
    return std::to_string(status);
}

std::string FormatSetLogLines(long requestId, const std::vector<SetLogVarbind>& varbinds,
                              long status) {
    const std::string id = std::to_string(requestId);
    const std::string statusName = ErrorStatusName(status);
    std::string lines;
    for (const SetLogVarbind& varbind : varbinds) {
        lines += id + '\t' + FormatOid(varbind.oid) + '\t' + SetLogTypeName(varbind.tag) + '\t' +
                 SetLogValueText(varbind.tag, varbind.value) + '\t' + statusName + '\n';
    }
    return lines;
}

SetLog::SetLog(const std::filesystem::path& file) : out_(file, std::ios::app) {
    if (!out_) {
        throw std::runtime_error("cannot open the set log " + file.string());
    }
}

bool SetLog::Write(long requestId, const std::vector<SetLogVarbind>& varbinds, long status) {
    out_ << FormatSetLogLines(requestId, varbinds, status) << std::flush;
    return static_cast<bool>(out_);
}

}  // namespace vsim
