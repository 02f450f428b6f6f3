// Reports read off the wire before the library drops them: only a v3
// message in clear text whose PDU is a Report names its counter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClearReport.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Tlv(unsigned char tag, const Bytes& content) {
    Bytes out{tag};
    if (content.size() < 0x80) {
        out.push_back(static_cast<unsigned char>(content.size()));
    } else {
        out.push_back(0x81);
        out.push_back(static_cast<unsigned char>(content.size()));
    }
    out.insert(out.end(), content.begin(), content.end());
    return out;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// usmStatsNotInTimeWindows.0 is 1.3.6.1.6.3.15.1.1.2.0.
const Bytes kNotInTimeWindow = {0x2B, 6, 1, 6, 3, 15, 1, 1, 2, 0};

Bytes Message(int version, unsigned char flags, unsigned char pduTag, const Bytes& oid) {
    const Bytes integer = Tlv(0x02, {1});
    const Bytes varbind = Tlv(0x30, Cat({Tlv(0x06, oid), Tlv(0x41, {7})}));
    const Bytes pdu = Tlv(pduTag, Cat({integer, integer, integer, Tlv(0x30, varbind)}));
    const Bytes scoped = Tlv(0x30, Cat({Tlv(0x04, {0x80, 0, 0x63, 0xA5}), Tlv(0x04, {}), pdu}));
    const Bytes header =
        Tlv(0x30, Cat({integer, Tlv(0x02, {0x05, 0xDC}), Tlv(0x04, {flags}), Tlv(0x02, {3})}));
    return Tlv(0x30, Cat({Tlv(0x02, {static_cast<unsigned char>(version)}), header,
                          Tlv(0x04, Bytes(40, 0)), scoped}));
}

TEST(ClearReport, NamesTheCounterOfAClearV3ReportOnly) {
    struct Case {
        const char* Name;
        Bytes Packet;
        std::string Oid;
    };
    const Bytes report = Message(3, 0x00, 0xA8, kNotInTimeWindow);
    const Case cases[] = {
        {"report", report, "1.3.6.1.6.3.15.1.1.2.0"},
        {"authenticated report", Message(3, 0x01, 0xA8, kNotInTimeWindow),
         "1.3.6.1.6.3.15.1.1.2.0"},
        {"encrypted", Message(3, 0x03, 0xA8, kNotInTimeWindow), ""},
        {"response", Message(3, 0x00, 0xA2, kNotInTimeWindow), ""},
        {"version 2c", Message(1, 0x00, 0xA8, kNotInTimeWindow), ""},
        {"cut short", Bytes(report.begin(), report.end() - 5), ""},
        {"length past the end", Cat({Bytes{0x30, 0x84, 0x7F, 0xFF, 0xFF, 0xFF}, report}), ""},
        {"empty", {}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClearReportOid(c.Packet.data(), c.Packet.size()), c.Oid) << c.Name;
    }
}

}  // namespace
