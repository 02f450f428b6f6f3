#include <gtest/gtest.h>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvOptionList.h"
#include "CvValueConversion.h"
#include "TestSupport.h"

namespace {

SnmpVarBind Signed(std::int64_t v) {
    SnmpVarBind vb;
    vb.Tag = AsnTag::Integer;
    vb.Integer = v;
    return vb;
}

SnmpVarBind Unsigned(std::uint8_t tag, std::uint64_t v) {
    SnmpVarBind vb;
    vb.Tag = tag;
    vb.Unsigned = v;
    return vb;
}

SnmpVarBind Octets(const std::string& bytes, std::uint8_t tag = AsnTag::OctetString) {
    SnmpVarBind vb;
    vb.Tag = tag;
    vb.Bytes = bytes;
    return vb;
}

SnmpVarBind Oid(const std::string& oid) {
    SnmpVarBind vb;
    vb.Tag = AsnTag::ObjectId;
    vb.ObjectId = oid;
    return vb;
}

SnmpVarBind Exception(std::uint8_t tag) {
    SnmpVarBind vb;
    vb.Tag = tag;
    return vb;
}

CvSNMPVar Item(std::uint32_t syntax, const CvOptionList* options = nullptr) {
    CvSNMPVar item;
    item.Oid = "1.3.6.1.4.1.99917.1";
    item.Syntax = syntax;
    item.Access = CvAccess::readwrite;
    item.Options = options;
    return item;
}

std::string Shown(std::uint32_t syntax, const SnmpVarBind& vb) {
    CvSNMPVar item = Item(syntax);
    VbToText(item, vb);
    return item.Value;
}

SnmpVarBind Sent(std::uint32_t syntax, const std::string& text,
                 const CvOptionList* options = nullptr) {
    CvSNMPVar item = Item(syntax, options);
    item.Value = text;
    SnmpVarBind vb;
    vb.Oid = "1.3.6.1.4.1.99917.1.0";
    TextToVb(item, vb);
    EXPECT_EQ(vb.Oid, "1.3.6.1.4.1.99917.1.0");
    return vb;
}

const CvIntOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList kStates(kStatePairs);

}  // namespace

struct ShowCase {
    std::uint32_t Syntax;
    SnmpVarBind Vb;
    const char* Text;
};

class AgentValueText : public testing::TestWithParam<ShowCase> {};

TEST_P(AgentValueText, Shows) {
    EXPECT_EQ(Shown(GetParam().Syntax, GetParam().Vb), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    EverySyntax, AgentValueText,
    testing::Values(
        ShowCase{CvSyntax::boolean, Signed(7), "true"},
        ShowCase{CvSyntax::boolean, Signed(0), "false"},
        ShowCase{CvSyntax::integer, Signed(-2147483648LL), "-2147483648"},
        ShowCase{CvSyntax::integer, Unsigned(AsnTag::Gauge32, 5), "5"},
        ShowCase{CvSyntax::bitstr, Octets(Bytes({0xC0, 0x40})), "C040"},
        ShowCase{CvSyntax::octetstr, Octets(""), ""},
        ShowCase{CvSyntax::octetstr, Exception(AsnTag::NoSuchInstance), ""},
        ShowCase{CvSyntax::opaque, Octets(Bytes({1}), AsnTag::Opaque), "01"},
        ShowCase{CvSyntax::null, Exception(AsnTag::Null), "(NULL)"},
        ShowCase{CvSyntax::objectid, Oid("1.3.6.1.4.1.99917"), "1.3.6.1.4.1.99917"},
        ShowCase{CvSyntax::ipaddress, Octets(Bytes({10, 0, 0, 254}), AsnTag::IpAddress),
                 "10.0.0.254"},
        ShowCase{CvSyntax::nsapaddr, Octets(Bytes({1, 2, 3, 4}), AsnTag::IpAddress), "1.2.3.4"},
        ShowCase{CvSyntax::counter, Unsigned(AsnTag::Counter32, 4294967295u), "4294967295"},
        ShowCase{CvSyntax::guage, Unsigned(AsnTag::Gauge32, 0), "0"},
        ShowCase{CvSyntax::timeticks, Unsigned(AsnTag::TimeTicks, 8640001), "1 day 0:00:00.01"},
        ShowCase{CvSyntax::counter64, Unsigned(AsnTag::Counter64, 18446744073709551615u),
                 "18446744073709551615"},
        ShowCase{CvSyntax::uinteger, Unsigned(AsnTag::UInteger32, 12), "12"},
        ShowCase{CvSyntax::double_, Octets(Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})), "1.5"},
        ShowCase{CvSyntax::macaddress, Octets(Bytes({0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC})),
                 "001122AABBCC"},
        ShowCase{CvSyntax::datetime, Octets(Bytes({0x07, 0xD6, 5, 17, 13, 30, 15, 0, '+', 2, 0})),
                 "2006-5-17,13:30:15.0,+2:0"},
        ShowCase{CvSyntax::bcdatetime, Octets(Bytes({0, 0, 0, 0, 0xC0, 0xF8, 0xE2, 0x40})),
                 "2006/05/17 12:00:00 am"},
        ShowCase{CvSyntax::displaystr, Octets("Vanta-A"), "Vanta-A"},
        ShowCase{CvSyntax::ipv6address,
                 Octets(Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})),
                 "FE800000000000000000000000000001"}),
    [](const auto& info) {
        return CaseName(info.index,
                        "syntax " + std::to_string(info.param.Syntax) + " " + info.param.Text);
    });

// Values without a printable form show as "(NULL)", or empty for display
// strings; the hexadecimal syntaxes show what bytes there are.
INSTANTIATE_TEST_SUITE_P(
    NoValue, AgentValueText,
    testing::Values(ShowCase{CvSyntax::integer, Exception(AsnTag::NoSuchObject), "(NULL)"},
                    ShowCase{CvSyntax::timeticks, Exception(AsnTag::Null), "(NULL)"},
                    ShowCase{CvSyntax::objectid, Oid(""), "(NULL)"},
                    ShowCase{CvSyntax::ipaddress, Exception(AsnTag::EndOfMibView), "(NULL)"},
                    ShowCase{CvSyntax::datetime, Octets(""), "(NULL)"},
                    ShowCase{CvSyntax::displaystr, Octets(""), ""},
                    ShowCase{CvSyntax::displaystr, Exception(AsnTag::NoSuchInstance), ""},
                    ShowCase{CvSyntax::macaddress, Exception(AsnTag::NoSuchInstance), ""},
                    // a value of another kind than the item's
                    ShowCase{CvSyntax::integer, Octets("12"), "(NULL)"},
                    ShowCase{CvSyntax::ipaddress, Octets("abc"), "(NULL)"},
                    ShowCase{CvSyntax::objectid, Signed(1), "(NULL)"}),
    [](const auto& info) {
        return CaseName(info.index,
                        "syntax " + std::to_string(info.param.Syntax) + " " + info.param.Text);
    });

// The kind check behind "(NULL)": what the command line refuses in a read.
TEST(AgentValueText, FitsTheSyntaxWhenShownAsAValue) {
    EXPECT_TRUE(VbFitsSyntax(CvSyntax::integer, Unsigned(AsnTag::Gauge32, 5)));
    EXPECT_TRUE(VbFitsSyntax(CvSyntax::displaystr, Octets("")));
    EXPECT_TRUE(VbFitsSyntax(CvSyntax::octetstr, Octets("", AsnTag::IpAddress)));
    EXPECT_TRUE(VbFitsSyntax(CvSyntax::null, Exception(AsnTag::Null)));
    EXPECT_FALSE(VbFitsSyntax(CvSyntax::integer, Octets("12")));
    EXPECT_FALSE(VbFitsSyntax(CvSyntax::displaystr, Signed(3)));
    EXPECT_FALSE(VbFitsSyntax(CvSyntax::displaystr, Exception(AsnTag::NoSuchObject)));
    EXPECT_FALSE(VbFitsSyntax(CvSyntax::timeticks, Exception(AsnTag::NoSuchInstance)));
    EXPECT_FALSE(VbFitsSyntax(CvSyntax::ipaddress, Octets("abc", AsnTag::IpAddress)));
    EXPECT_FALSE(VbFitsSyntax(CvSyntax::objectid, Oid("")));
}

TEST(AgentValueText, OptionListTurnsValuesIntoLabels) {
    CvSNMPVar item = Item(CvSyntax::integer, &kStates);
    VbToText(item, Signed(2));
    EXPECT_EQ(item.Value, "disabled");
    VbToText(item, Signed(3));
    EXPECT_EQ(item.Value, "3");
    VbToText(item, Exception(AsnTag::NoSuchInstance));
    EXPECT_EQ(item.Value, "(NULL)");
}

TEST(AgentValueText, ShortDoublesAreBadValues) {
    EXPECT_CV_CODE(Shown(CvSyntax::double_, Octets("abc")), kErrBadPartialValue);
    EXPECT_CV_CODE(Shown(CvSyntax::bcdatetime, Octets("abc")), kErrBadPartialValue);
}

// A DateAndTime needs at least its 8 bytes up to the deci-seconds; shorter
// values are refused rather than shown with invented fields.
TEST(AgentValueText, ShortDateAndTimeIsABadValue) {
    const std::string full = Bytes({0x07, 0xD6, 5, 17, 13, 30, 15, 0, '+', 2, 0});
    for (std::size_t size = 1; size < 8; ++size) {
        EXPECT_CV_CODE(Shown(CvSyntax::datetime, Octets(full.substr(0, size))),
                       kErrBadPartialValue);
    }
    EXPECT_EQ(Shown(CvSyntax::datetime, Octets(full.substr(0, 8))), "2006-5-17,13:30:15.0");
}

TEST(AgentValueText, UnknownSyntaxIsRejected) {
    for (const std::uint32_t syntax : {0u, 7u, 63u, 78u, 0xC1u, 0xC6u, 1000u}) {
        CvSNMPVar item = Item(syntax);
        item.Value = "1";
        try {
            VbToText(item, Signed(1));
            ADD_FAILURE() << syntax;
        } catch (const CvException& e) {
            EXPECT_EQ(e.Code(), kErrBadSyntax);
            EXPECT_EQ(e.Message(), "(CvSNMP++) Bad SNMP syntax!");
        }
        SnmpVarBind vb;
        EXPECT_CV_CODE(TextToVb(item, vb), kErrBadSyntax);
    }
}

TEST(TextToAgentValue, NumbersAndBooleans) {
    EXPECT_EQ(Sent(CvSyntax::boolean, "true").Integer, 1);
    EXPECT_EQ(Sent(CvSyntax::boolean, "false").Integer, 0);
    EXPECT_CV_CODE(Sent(CvSyntax::boolean, "TRUE"), kErrBadPartialValue);  // only "true" counts
    const SnmpVarBind i = Sent(CvSyntax::integer, " -42 ");
    EXPECT_EQ(i.Tag, AsnTag::Integer);
    EXPECT_EQ(i.Integer, -42);
    // A typo is refused, not written as the number of its leading digits.
    for (const char* typo : {"-42abc", "x", "", "99999999999", "30 000", "+5", "0x1"}) {
        SCOPED_TRACE(typo);
        EXPECT_CV_CODE(Sent(CvSyntax::integer, typo), -kMsgRange);
    }
    EXPECT_EQ(Sent(CvSyntax::counter, "7").Tag, AsnTag::Counter32);
    EXPECT_EQ(Sent(CvSyntax::guage, "7").Tag, AsnTag::Gauge32);
    EXPECT_EQ(Sent(CvSyntax::uinteger, "7").Tag, AsnTag::UInteger32);
    EXPECT_EQ(Sent(CvSyntax::counter, "4294967295").Unsigned, 4294967295u);
    EXPECT_CV_CODE(Sent(CvSyntax::counter, "4294967296"), -kMsgRange);
    EXPECT_CV_CODE(Sent(CvSyntax::guage, "-1"), -kMsgRange);
    const SnmpVarBind t = Sent(CvSyntax::timeticks, "1 day 0:00:00.01");
    EXPECT_EQ(t.Tag, AsnTag::TimeTicks);
    EXPECT_EQ(t.Unsigned, 8640001u);
    const SnmpVarBind c = Sent(CvSyntax::counter64, "18446744073709551615");
    EXPECT_EQ(c.Tag, AsnTag::Counter64);
    EXPECT_EQ(c.Unsigned, 18446744073709551615u);
}

TEST(TextToAgentValue, HexadecimalTextIsLenientAboutCaseAndBlanks) {
    const std::string mac = Bytes({0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC});
    EXPECT_EQ(Sent(CvSyntax::macaddress, "001122AABBCC").Bytes, mac);
    EXPECT_EQ(Sent(CvSyntax::macaddress, "001122aabbcc").Bytes, mac);
    EXPECT_EQ(Sent(CvSyntax::macaddress, "00 11 22 AA BB CC").Bytes, mac);
    EXPECT_EQ(Sent(CvSyntax::octetstr, "ABC").Bytes, Bytes({0x0A, 0xBC}));
    EXPECT_EQ(Sent(CvSyntax::opaque, "01").Tag, AsnTag::Opaque);
    EXPECT_EQ(Sent(CvSyntax::bitstr, "").Bytes, "");
    EXPECT_CV_CODE(Sent(CvSyntax::octetstr, "00:11"), kErrBadPartialValue);
}

TEST(TextToAgentValue, AddressesAndIdentifiersAreChecked) {
    const SnmpVarBind ip = Sent(CvSyntax::ipaddress, "192.168.0.1");
    EXPECT_EQ(ip.Tag, AsnTag::IpAddress);
    EXPECT_EQ(ip.Bytes, Bytes({192, 168, 0, 1}));
    EXPECT_EQ(Sent(CvSyntax::nsapaddr, "1.2.3.4").Tag, AsnTag::IpAddress);
    // Refused with the messages an address edit gives: the count of numbers, or their range.
    for (const char* bad : {"1.2.3", "1.2.3.4.5", "10.0.0"}) {
        SCOPED_TRACE(bad);
        EXPECT_CV_CODE(Sent(CvSyntax::ipaddress, bad), -kMsgNumberCount);
    }
    for (const char* bad : {"", "256.1.1.1", "a.b.c.d", "1..2.3", ".1.2.3", "1.2.3.4."}) {
        SCOPED_TRACE(bad);
        EXPECT_CV_CODE(Sent(CvSyntax::ipaddress, bad), -kMsgListRange);
    }
    const SnmpVarBind oid = Sent(CvSyntax::objectid, ".1.3.6.1");
    EXPECT_EQ(oid.Tag, AsnTag::ObjectId);
    EXPECT_EQ(oid.ObjectId, "1.3.6.1");
    for (const char* bad : {"1.3.x", "1..3", "1.3.4294967296", "1.3."}) {
        EXPECT_CV_CODE(Sent(CvSyntax::objectid, bad), kErrInvalidOid);
    }
}

TEST(TextToAgentValue, NullTextSendsNullWhateverTheSyntax) {
    for (const std::uint32_t syntax : {CvSyntax::integer, CvSyntax::octetstr, CvSyntax::ipaddress,
                                       CvSyntax::displaystr, CvSyntax::datetime}) {
        const SnmpVarBind vb = Sent(syntax, "(NULL)");
        EXPECT_EQ(vb.Tag, AsnTag::Null) << syntax;
        EXPECT_TRUE(vb.Bytes.empty());
    }
}

TEST(TextToAgentValue, LabelsAreSentAsTheirValues) {
    EXPECT_EQ(Sent(CvSyntax::integer, "Disabled", &kStates).Integer, 2);
    EXPECT_EQ(Sent(CvSyntax::integer, "5", &kStates).Integer, 5);
}

TEST(TextToAgentValue, DisplaySyntaxesTravelAsOctetStrings) {
    EXPECT_EQ(Sent(CvSyntax::displaystr, "port 1").Bytes, "port 1");
    EXPECT_EQ(Sent(CvSyntax::double_, "1.5").Bytes, Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(Sent(CvSyntax::datetime, "2006-5-17,13:30:15.0,+2:0").Bytes,
              Bytes({0x07, 0xD6, 5, 17, 13, 30, 15, 0, '+', 2, 0}));
    EXPECT_EQ(Sent(CvSyntax::bcdatetime, "2006/05/17 12:00:00 am").Bytes,
              Bytes({0, 0, 0, 0, 0xC0, 0xF8, 0xE2, 0x40}));
    EXPECT_CV_CODE(Sent(CvSyntax::bcdatetime, "someday"), kErrBadPartialValue);
}
