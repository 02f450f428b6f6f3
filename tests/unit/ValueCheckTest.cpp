// The one check a text passes before it becomes a value: what each syntax
// takes whole, and the message that refuses the rest.
#include <gtest/gtest.h>

#include <ostream>

#include "CvCatalogues.h"
#include "CvEditFields.h"
#include "CvSNMPVar.h"
#include "CvTextUtil.h"
#include "CvValueCheck.h"
#include "TestSupport.h"

namespace {

using namespace CvSyntax;

struct CheckCase {
    const char* Name;
    std::uint32_t Syntax;
    const char* Text;
    int Code;  // 0: taken
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.Name;
}

class ValueCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(ValueCheck, TakesTheWholeTextOrRefusesIt) {
    const CheckCase& c = GetParam();
    const CvValueRefusal refusal = RefuseValueText(c.Syntax, c.Text);
    EXPECT_EQ(refusal.Code, c.Code) << refusal.Message;
    EXPECT_EQ(refusal.Message.empty(), c.Code == 0);
}

constexpr int kRange = -kMsgRange;
constexpr int kHexLength = -kMsgHexLength;
constexpr int kCount = -kMsgNumberCount;
constexpr int kListRange = -kMsgListRange;

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, ValueCheck,
    testing::Values(CheckCase{"Integer", integer, " -42 ", 0},
                    CheckCase{"IntegerLimits", integer, "-2147483648", 0},
                    CheckCase{"IntegerTooLarge", integer, "2147483648", kRange},
                    CheckCase{"IntegerTrailingLetters", integer, "30x", kRange},
                    CheckCase{"IntegerInnerBlank", integer, "30 000", kRange},
                    CheckCase{"IntegerPlus", integer, "+5", kRange},
                    CheckCase{"IntegerEmpty", integer, "", kRange},
                    CheckCase{"GaugeNegative", guage, "-1", kRange},
                    CheckCase{"CounterMax", counter, "4294967295", 0},
                    CheckCase{"UnsignedLetters", uinteger, "5x14", kRange},
                    CheckCase{"Counter64Max", counter64, "18446744073709551615", 0},
                    CheckCase{"Counter64TooLarge", counter64, "18446744073709551616", kRange},
                    CheckCase{"Ticks", timeticks, "1 day 2:03:04.05", 0},
                    CheckCase{"TicksBare", timeticks, "500", kRange},
                    CheckCase{"Real", double_, "-1.5e3", 0},
                    CheckCase{"RealHexadecimal", double_, "0x10", kRange},
                    CheckCase{"RealInfinity", double_, "inf", kRange},
                    CheckCase{"Octets", octetstr, "00 1a FF", 0},
                    CheckCase{"OctetsNotHex", octetstr, "zz", kErrBadPartialValue},
                    CheckCase{"Mac", macaddress, "00 11 22 AA bb cc", 0},
                    CheckCase{"MacShort", macaddress, "00112233445", kHexLength},
                    CheckCase{"MacNotHex", macaddress, "00112233445G", kHexLength},
                    CheckCase{"Ipv6", ipv6address, "FE800000000000000000000000000001", 0},
                    CheckCase{"Ipv6Short", ipv6address, "FE80", kHexLength},
                    CheckCase{"Address", ipaddress, "10.0.0.1", 0},
                    CheckCase{"AddressZero", ipaddress, "0.0.0.0", 0},
                    CheckCase{"AddressShort", ipaddress, "10.0.0", kCount},
                    CheckCase{"AddressLong", ipaddress, "10.0.0.1.2", kCount},
                    CheckCase{"AddressPart", ipaddress, "10.0.0.256", kListRange},
                    CheckCase{"AddressDots", ipaddress, "10..0.1", kListRange},
                    CheckCase{"AddressTrailingDot", ipaddress, "10.0.0.1.", kListRange},
                    CheckCase{"Identifier", objectid, ".1.3.6.1", 0},
                    CheckCase{"IdentifierLetters", objectid, "1.3.x", kErrInvalidOid},
                    CheckCase{"DateAndTime", datetime, "2024-5-17,13:45:30.0,+2:0", 0},
                    CheckCase{"DateAndTimePartial", datetime, "2024-5-17", kErrBadPartialValue},
                    CheckCase{"Boolean", boolean, "false", 0},
                    CheckCase{"BooleanOther", boolean, "yes", kErrBadPartialValue},
                    CheckCase{"NullOnPurpose", integer, "(NULL)", 0},
                    CheckCase{"AnyText", displaystr, "30x", 0},
                    CheckCase{"UnknownSyntax", 99u, "1", kErrBadSyntax}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.Name; });

TEST(ValueCheck, RangeMessagesNameTheExactRange) {
    EXPECT_EQ(RefuseValueText(counter64, "-1").Message,
              "(CvCommon) Please enter a number between 0 and 18446744073709551615!");
    EXPECT_EQ(RefuseValueText(timeticks, "x").Message,
              "(CvCommon) Please enter a number between 0:00:00.00 and 497 days, 2:27:52.95!");
}

// The edits of a group: an empty one counts as 0, a typo or a sum beyond
// the value's range is refused.
TEST(ValueCheck, EditGroupsTakeWholeNumbersOnly) {
    EXPECT_EQ(FieldOfEditFields(ipaddress, {"10", "", "0", "1"}), std::string("\x0A\0\0\x01", 4));
    EXPECT_CV_CODE(FieldOfEditFields(ipaddress, {"10", "0", "0x", "1"}), kRange);
    EXPECT_CV_CODE(FieldOfEditFields(timeticks, {"99999", "0", "0", "0", "0"}), kRange);
    EXPECT_CV_CODE(FieldOfEditFields(datetime, {"2024", "300", "1"}), kRange);
}

TEST(WholeNumbers, ReadOnlyWhatIsANumberOfTheRange) {
    std::int64_t i = 0;
    EXPECT_TRUE(ParseInteger("-9223372036854775808", INT64_MIN, INT64_MAX, i));
    EXPECT_EQ(i, INT64_MIN);
    EXPECT_FALSE(ParseInteger("-1", 0, 10, i));
    EXPECT_FALSE(ParseInteger("-", -10, 10, i));
    EXPECT_FALSE(ParseInteger("11", -10, 10, i));
    std::uint64_t u = 0;
    EXPECT_TRUE(ParseUnsigned("\t255 ", 255, u));
    EXPECT_EQ(u, 255u);
    EXPECT_FALSE(ParseUnsigned("256", 255, u));
    EXPECT_FALSE(ParseUnsigned("99999999999999999999", UINT64_MAX, u));
    double r = 0;
    EXPECT_TRUE(ParseReal(" .5 ", r));
    EXPECT_EQ(r, 0.5);
    EXPECT_FALSE(ParseReal("1.5.2", r));
    EXPECT_FALSE(ParseReal("nan", r));
    EXPECT_FALSE(ParseReal("1e999", r));
}

}  // namespace
