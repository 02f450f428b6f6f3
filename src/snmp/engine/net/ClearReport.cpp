#include "ClearReport.h"

#include <cstdint>
#include <optional>

namespace {

constexpr unsigned char kSequence = 0x30;
constexpr unsigned char kInteger = 0x02;
constexpr unsigned char kOctets = 0x04;
constexpr unsigned char kOid = 0x06;
constexpr unsigned char kReportPdu = 0xA8;
constexpr unsigned char kPrivFlag = 0x02;

// One BER element: its tag and where its content lies.
struct Element {
    unsigned char Tag = 0;
    std::size_t Begin = 0;
    std::size_t End = 0;
};

class Reader {
public:
    Reader(const unsigned char* data, std::size_t begin, std::size_t end)
        : FData(data), FPos(begin), FEnd(end) {}

    std::optional<Element> Next(unsigned char tag) {
        if (FPos + 2 > FEnd || FData[FPos] != tag) {
            return std::nullopt;
        }
        std::size_t pos = FPos + 1;
        std::size_t length = FData[pos++];
        if ((length & 0x80) != 0) {
            const std::size_t octets = length & 0x7F;
            if (octets == 0 || octets > 4 || pos + octets > FEnd) {
                return std::nullopt;
            }
            length = 0;
            for (std::size_t i = 0; i < octets; ++i) {
                length = (length << 8) | FData[pos++];
            }
        }
        if (length > FEnd - pos) {
            return std::nullopt;
        }
        FPos = pos + length;
        return Element{tag, pos, pos + length};
    }

private:
    const unsigned char* FData;
    std::size_t FPos;
    std::size_t FEnd;
};

std::string OidText(const unsigned char* data, const Element& oid) {
    if (oid.Begin == oid.End) {
        return {};
    }
    const unsigned first = data[oid.Begin];
    std::string text = std::to_string(first < 80 ? first / 40 : 2) + "." +
                       std::to_string(first < 80 ? first % 40 : first - 80);
    std::uint64_t arc = 0;
    for (std::size_t i = oid.Begin + 1; i < oid.End; ++i) {
        arc = (arc << 7) | (data[i] & 0x7F);
        if ((data[i] & 0x80) == 0) {
            text += "." + std::to_string(arc);
            arc = 0;
        } else if (arc > 0xFFFFFFFFu) {
            return {};
        }
    }
    return (data[oid.End - 1] & 0x80) == 0 ? text : std::string();
}

}  // namespace

std::string ClearReportOid(const unsigned char* data, std::size_t length) {
    Reader outer(data, 0, length);
    const auto message = outer.Next(kSequence);
    if (!message) {
        return {};
    }
    Reader fields(data, message->Begin, message->End);
    const auto version = fields.Next(kInteger);
    const auto header = fields.Next(kSequence);
    if (!version || version->End - version->Begin != 1 || data[version->Begin] != 3 || !header ||
        !fields.Next(kOctets)) {
        return {};
    }
    Reader global(data, header->Begin, header->End);
    const bool headerRead = global.Next(kInteger) && global.Next(kInteger);
    const auto flags = global.Next(kOctets);
    if (!headerRead || !flags || flags->End - flags->Begin != 1 ||
        (data[flags->Begin] & kPrivFlag) != 0) {
        return {};
    }
    const auto scoped = fields.Next(kSequence);
    if (!scoped) {
        return {};
    }
    Reader context(data, scoped->Begin, scoped->End);
    const bool named = context.Next(kOctets) && context.Next(kOctets);
    const auto pdu = context.Next(kReportPdu);
    if (!named || !pdu) {
        return {};
    }
    Reader report(data, pdu->Begin, pdu->End);
    const bool counted = report.Next(kInteger) && report.Next(kInteger) && report.Next(kInteger);
    const auto varbinds = report.Next(kSequence);
    if (!counted || !varbinds) {
        return {};
    }
    Reader list(data, varbinds->Begin, varbinds->End);
    const auto varbind = list.Next(kSequence);
    if (!varbind) {
        return {};
    }
    Reader first(data, varbind->Begin, varbind->End);
    const auto name = first.Next(kOid);
    return name ? OidText(data, *name) : std::string();
}
