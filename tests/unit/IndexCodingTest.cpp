#include <gtest/gtest.h>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvIndexCoding.h"
#include "TestSupport.h"

namespace {

// A one-key table of the given key syntax and flag word, plus one column.
CvSNMPVarList KeyTable(std::uint32_t syntax, std::uint32_t access = CvAccess::notaccess,
                       const CvOptionList* options = nullptr) {
    const CvSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.99917.9.1.1", "Key", syntax, access, options},
        {"1.3.6.1.4.1.99917.9.1.2", "Name", CvSyntax::displaystr, CvAccess::readwrite},
        {}};
    return CvSNMPVarList(table, MVT_FMV, 1);
}

}  // namespace

struct IndexCase {
    std::uint32_t Syntax;
    std::uint32_t Access;
    const char* Text;
    const char* Encoded;
};

class KeyIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(KeyIndex, EncodesAndDecodesBack) {
    const IndexCase& c = GetParam();
    CvSNMPVarList list = KeyTable(c.Syntax, c.Access);
    list.Item(0).Value = c.Text;
    EXPECT_EQ(EncodeIndex(list, 0), c.Encoded);

    // An IMPLIED last key takes the whole rest of the suffix.
    const bool implied = (c.Access & CvAccess::implied) != 0;
    list.Item(0).Value.clear();
    EXPECT_EQ(DecodeIndex(list, 0, std::string(c.Encoded) + (implied ? "" : ".77.78")),
              implied ? "" : "77.78");
    EXPECT_EQ(list.Item(0).Value, c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    EverySyntax, KeyIndex,
    testing::Values(IndexCase{CvSyntax::boolean, 1, "true", "1"},
                    IndexCase{CvSyntax::integer, 1, "-1", "4294967295"},
                    IndexCase{CvSyntax::integer, 1, "24", "24"},
                    IndexCase{CvSyntax::guage, 1, "4294967295", "4294967295"},
                    IndexCase{CvSyntax::octetstr, 1, "AB", "1.171"},
                    IndexCase{CvSyntax::octetstr, 1, "", "0"},
                    IndexCase{CvSyntax::octetstr, 0x41, "AB", "171"},
                    IndexCase{CvSyntax::displaystr, 1, "ab", "2.97.98"},
                    IndexCase{CvSyntax::displaystr, 0x41, "public", "112.117.98.108.105.99"},
                    IndexCase{CvSyntax::objectid, 1, "1.3.6", "3.1.3.6"},
                    IndexCase{CvSyntax::objectid, 0x41, "1.3.6", "1.3.6"},
                    IndexCase{CvSyntax::ipaddress, 1, "10.90.90.90", "10.90.90.90"},
                    IndexCase{CvSyntax::timeticks, 1, "0:00:00.04", "4"},
                    IndexCase{CvSyntax::counter64, 1, "4294967297", "1.1"},
                    IndexCase{CvSyntax::double_, 1, "1.5", "0.1073217536"},
                    IndexCase{CvSyntax::macaddress, 1, "001122AABBCC", "0.17.34.170.187.204"},
                    IndexCase{CvSyntax::datetime, 1, "2006-5-17,13:30:15.0",
                              "7.214.5.17.13.30.15.0.43.0.0"},
                    IndexCase{CvSyntax::bcdatetime, 1, "2006/05/17 12:00:00 am", "0.1088616640"},
                    IndexCase{CvSyntax::ipv6address, 1, "FE800000000000000000000000000001",
                              "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"}),
    [](const auto& info) { return CaseName(info.index, info.param.Text); });

TEST(KeyIndex, ImpliedOnlyForTheLastKey) {
    const CvSNMPVarDesc table[] = {
        {"1.1", "A", CvSyntax::displaystr, 0x41}, {"1.2", "B", CvSyntax::displaystr, 0x41}, {}};
    CvSNMPVarList list(table, MVT_FMV, 2);
    list.Item(0).Value = "x";
    list.Item(1).Value = "yz";
    EXPECT_EQ(EncodeIndex(list, 0), "1.120");  // not last: length-prefixed
    EXPECT_EQ(EncodeIndex(list, 1), "121.122");
    EXPECT_EQ(EncodeRowIndex(list), "1.120.121.122");

    const std::string rest = DecodeIndex(list, 0, "1.120.121.122");
    EXPECT_EQ(list.Item(0).Value, "x");
    EXPECT_EQ(DecodeIndex(list, 1, rest), "");
    EXPECT_EQ(list.Item(1).Value, "yz");
}

TEST(KeyIndex, ShortAddressesAppendNothing) {
    CvSNMPVarList mac = KeyTable(CvSyntax::macaddress);
    mac.Item(0).Value = "0011";
    EXPECT_EQ(EncodeIndex(mac, 0), "");
    CvSNMPVarList v6 = KeyTable(CvSyntax::ipv6address);
    v6.Item(0).Value = "FE80";
    EXPECT_EQ(EncodeIndex(v6, 0), "");
}

TEST(KeyIndex, NullKeyTakesNothing) {
    CvSNMPVarList list = KeyTable(CvSyntax::null);
    EXPECT_EQ(EncodeIndex(list, 0), "");
    EXPECT_EQ(DecodeIndex(list, 0, "5.6"), "5.6");
    EXPECT_EQ(list.Item(0).Value, "(NULL)");
}

TEST(KeyIndex, OptionListMapsBothWays) {
    const CvIntOptionPair pairs[] = {{1, "other"}, {2, "static"}, {0, nullptr}};
    const CvOptionList options(pairs);
    CvSNMPVarList list = KeyTable(CvSyntax::integer, CvAccess::notaccess, &options);
    list.Item(0).Value = "Static";
    EXPECT_EQ(EncodeIndex(list, 0), "2");
    DecodeIndex(list, 0, "1");
    EXPECT_EQ(list.Item(0).Value, "other");
}

TEST(KeyIndex, SuffixesThatRunOutOrAreNotIndexesAreRejected) {
    struct Bad {
        std::uint32_t Syntax;
        const char* Suffix;
    };
    for (const Bad& b : {Bad{CvSyntax::integer, ""}, Bad{CvSyntax::octetstr, "5.1.2"},
                         Bad{CvSyntax::octetstr, "4294967295"}, Bad{CvSyntax::displaystr, "1.300"},
                         Bad{CvSyntax::ipaddress, "10.0.0"}, Bad{CvSyntax::ipaddress, "10.0.0.256"},
                         Bad{CvSyntax::macaddress, "1.2.3.4.5"}, Bad{CvSyntax::counter64, "1"},
                         Bad{CvSyntax::datetime, "7.214"}, Bad{CvSyntax::integer, "1.x"},
                         Bad{CvSyntax::integer, "1..2"}}) {
        CvSNMPVarList list = KeyTable(b.Syntax);
        EXPECT_CV_CODE(DecodeIndex(list, 0, b.Suffix), kErrBadKeyCount);
    }
    CvSNMPVarList list = KeyTable(CvSyntax::integer);
    try {
        DecodeIndex(list, 0, "");
    } catch (const CvException& e) {
        EXPECT_EQ(e.Message(), "(CvSNMP++) Bad key count of SNMP variable list!");
    }
}

TEST(KeyIndex, BadKeyValuesAndSyntaxesAreRejected) {
    CvSNMPVarList ip = KeyTable(CvSyntax::ipaddress);
    ip.Item(0).Value = "10.0.0";
    EXPECT_CV_CODE(EncodeIndex(ip, 0), kErrInvalidAddress);
    CvSNMPVarList oid = KeyTable(CvSyntax::objectid);
    oid.Item(0).Value = "1.x";
    EXPECT_CV_CODE(EncodeIndex(oid, 0), kErrInvalidOid);
    // A VLAN ID "30x" would name VLAN 30.
    for (const std::uint32_t syntax : {CvSyntax::integer, CvSyntax::guage, CvSyntax::counter64}) {
        CvSNMPVarList number = KeyTable(syntax);
        number.Item(0).Value = "30x";
        EXPECT_CV_CODE(EncodeIndex(number, 0), -kMsgRange);
    }
    CvSNMPVarList bad = KeyTable(0xC2);
    EXPECT_CV_CODE(EncodeIndex(bad, 0), kErrBadSyntax);
    EXPECT_CV_CODE(DecodeIndex(bad, 0, "1"), kErrBadSyntax);
}
