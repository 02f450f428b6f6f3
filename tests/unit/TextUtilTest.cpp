#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvTextUtil.h"

namespace {

using namespace std::string_literals;

struct ReplaceCase {
    const char* Text;
    const char* From;
    const char* To;
    const char* Expected;
};

class TextUtilReplaceAllTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(TextUtilReplaceAllTest, Replaces) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.Text, c.From, c.To), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    TextUtilCases, TextUtilReplaceAllTest,
    ::testing::Values(ReplaceCase{"aaa", "a", "aa", "aaaaaa"}, ReplaceCase{"abc", "", "x", "abc"},
                      ReplaceCase{"", "a", "b", ""}, ReplaceCase{"abcabc", "bc", "X", "aXaX"},
                      ReplaceCase{"abc", "abc", "", ""}, ReplaceCase{"aaaa", "aa", "a", "aa"},
                      ReplaceCase{"aaa", "aa", "b", "ba"}, ReplaceCase{"abc", "abcd", "x", "abc"},
                      ReplaceCase{"[MIN]-[MAX] [MIN]", "[MIN]", "[MIN][MAX]",
                                  "[MIN][MAX]-[MAX] [MIN][MAX]"}),
    [](const auto& info) {
        return CaseName(info.index, std::string(info.param.Text) + " " + info.param.From);
    });

struct TextCase {
    std::string Text;
    std::string Expected;
};

class TextUtilUnquoteTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextUtilUnquoteTest, RemovesOnePairOfSurroundingQuotes) {
    EXPECT_EQ(Unquote(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(TextUtilCases, TextUtilUnquoteTest,
                         ::testing::Values(TextCase{"\"abc\"", "abc"}, TextCase{"\"\"", ""},
                                           TextCase{"", ""}, TextCase{"\"", "\""},
                                           TextCase{"\"abc", "\"abc"}, TextCase{"abc\"", "abc\""},
                                           TextCase{"\"\"abc\"\"", "\"abc\""},
                                           TextCase{"a\"b\"c", "a\"b\"c"},
                                           TextCase{" \"abc\" ", " \"abc\" "}),
                         [](const auto& info) { return CaseName(info.index, info.param.Text); });

struct LeadingCase {
    const char* Text;
    std::int64_t Int64;
    std::uint64_t UInt64;
    std::int32_t Int32;
    std::uint32_t UInt32;
};

void PrintTo(const LeadingCase& c, std::ostream* os) {
    *os << "\"" << c.Text << "\"";
}

class TextUtilLeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(TextUtilLeadingNumberTest, ReadsAndSaturates) {
    const LeadingCase& c = GetParam();
    EXPECT_EQ(ReadLeadingInt64(c.Text), c.Int64);
    EXPECT_EQ(ReadLeadingUInt64(c.Text), c.UInt64);
    EXPECT_EQ(ReadLeadingInt32(c.Text), c.Int32);
    EXPECT_EQ(ReadLeadingUInt32(c.Text), c.UInt32);
}

constexpr std::int64_t kI64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kI64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::uint64_t kU64Max = std::numeric_limits<std::uint64_t>::max();
constexpr std::int32_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kI32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::uint32_t kU32Max = std::numeric_limits<std::uint32_t>::max();

// text: int64, uint64 (no sign accepted), int32, uint32
INSTANTIATE_TEST_SUITE_P(
    TextUtilCases, TextUtilLeadingNumberTest,
    ::testing::Values(
        LeadingCase{"42", 42, 42, 42, 42}, LeadingCase{"  42abc", 42, 42, 42, 42},
        LeadingCase{"\t7 8", 7, 7, 7, 7}, LeadingCase{"-17", -17, 0, -17, 0},
        LeadingCase{"+8", 8, 0, 8, 0}, LeadingCase{"", 0, 0, 0, 0}, LeadingCase{"abc", 0, 0, 0, 0},
        LeadingCase{"-", 0, 0, 0, 0}, LeadingCase{"- 5", 0, 0, 0, 0},
        LeadingCase{"0x1F", 0, 0, 0, 0},
        LeadingCase{"2147483647", 2147483647, 2147483647, kI32Max, 2147483647u},
        LeadingCase{"2147483648", 2147483648, 2147483648u, kI32Max, 2147483648u},
        LeadingCase{"-2147483648", -2147483648LL, 0, kI32Min, 0},
        LeadingCase{"-2147483649", -2147483649LL, 0, kI32Min, 0},
        LeadingCase{"4294967295", 4294967295LL, 4294967295u, kI32Max, kU32Max},
        LeadingCase{"4294967296", 4294967296LL, 4294967296u, kI32Max, kU32Max},
        LeadingCase{"99999999999", 99999999999LL, 99999999999u, kI32Max, kU32Max},
        LeadingCase{"-99999999999", -99999999999LL, 0, kI32Min, 0},
        LeadingCase{"9223372036854775807", kI64Max, 9223372036854775807u, kI32Max, kU32Max},
        LeadingCase{"9223372036854775808", kI64Max, 9223372036854775808u, kI32Max, kU32Max},
        LeadingCase{"-9223372036854775808", kI64Min, 0, kI32Min, 0},
        LeadingCase{"-9223372036854775809", kI64Min, 0, kI32Min, 0},
        LeadingCase{"18446744073709551615", kI64Max, kU64Max, kI32Max, kU32Max},
        LeadingCase{"18446744073709551616", kI64Max, kU64Max, kI32Max, kU32Max},
        LeadingCase{"999999999999999999999999999", kI64Max, kU64Max, kI32Max, kU32Max}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

struct RealCase {
    const char* Text;
    double Expected;
};

class TextUtilReadRealTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(TextUtilReadRealTest, ReadsLeadingReal) {
    EXPECT_DOUBLE_EQ(ReadLeadingReal(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(TextUtilCases, TextUtilReadRealTest,
                         ::testing::Values(RealCase{"2.5", 2.5}, RealCase{"  2.5x", 2.5},
                                           RealCase{"-1e3", -1000.0}, RealCase{"1.5e+2", 150.0},
                                           RealCase{"1e", 1.0}, RealCase{"1e-", 1.0},
                                           RealCase{".5", 0.5}, RealCase{"1,5", 1.0},
                                           RealCase{"+7", 7.0}, RealCase{"", 0.0},
                                           RealCase{"abc", 0.0}, RealCase{"inf", 0.0},
                                           RealCase{"nan", 0.0}, RealCase{"0x10", 0.0}),
                         [](const auto& info) { return CaseName(info.index, info.param.Text); });

TEST(TextUtilTest, IsDecimalInteger) {
    for (const char* yes : {"0", "7", "-12", "4294967297", "007"}) {
        EXPECT_TRUE(IsDecimalInteger(yes)) << yes;
    }
    for (const char* no : {"", "-", "+1", "1.0", " 1", "1 ", "1e3", "(NULL)", "--1", "1-"}) {
        EXPECT_FALSE(IsDecimalInteger(no)) << no;
    }
}

class TextUtilRealToTextTest : public ::testing::TestWithParam<double> {};

// printf "%.15g" is the reference form of every real number shown.
TEST_P(TextUtilRealToTextTest, MatchesPrintfGeneralFifteenDigits) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15g", GetParam());
    EXPECT_EQ(RealToText(GetParam()), expected);
}

INSTANTIATE_TEST_SUITE_P(TextUtilValues, TextUtilRealToTextTest,
                         ::testing::Values(0.0, 0.1, 1e20, 255.0, -0.5, 1.0 / 3.0, 100000.0, 1e15,
                                           1e16, 123456789012345.0, 1234567890123456.0, 1e-5,
                                           0.0001, -2.5e-300, 4294967295.0,
                                           std::numeric_limits<double>::max()),
                         [](const auto& info) {
                             return CaseName(info.index, ::testing::PrintToString(info.param));
                         });

TEST(TextUtilTest, RealToTextLiteralForms) {
    EXPECT_EQ(RealToText(0.1), "0.1");
    EXPECT_EQ(RealToText(1e20), "1e+20");
    EXPECT_EQ(RealToText(255), "255");
    EXPECT_EQ(RealToText(-0.5), "-0.5");
    EXPECT_EQ(RealToText(1e-5), "1e-05");
}

TEST(TextUtilTest, BytesToHexIsUpperCaseWithoutSeparators) {
    EXPECT_EQ(BytesToHex("\x00\x11\x22\xAA\xBB\xCC"s), "001122AABBCC");
    EXPECT_EQ(BytesToHex("\xFF\x0F\x80"s), "FF0F80");
    EXPECT_EQ(BytesToHex(""), "");
}

class TextUtilHexToBytesTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextUtilHexToBytesTest, ReadsHexText) {
    EXPECT_EQ(HexToBytes(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    TextUtilCases, TextUtilHexToBytesTest,
    ::testing::Values(TextCase{"001122AABBCC", "\x00\x11\x22\xAA\xBB\xCC"s},
                      TextCase{"aabbcc", "\xAA\xBB\xCC"s}, TextCase{"aBcD", "\xAB\xCD"s},
                      TextCase{"00 11 22", "\x00\x11\x22"s}, TextCase{"00\t11", "\x00\x11"s},
                      TextCase{" 0 01 ", "\x00\x01"s}, TextCase{"ABC", "\x0A\xBC"s},
                      TextCase{"F", "\x0F"s}, TextCase{"", ""}, TextCase{"   ", ""}),
    [](const auto& info) { return CaseName(info.index, info.param.Text); });

TEST(TextUtilTest, HexRoundTripOfEveryByte) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    EXPECT_EQ(HexToBytes(BytesToHex(bytes)), bytes);
}

TEST(TextUtilTest, NonHexCharacterRaisesBadValue) {
    ResetCatalogues();
    for (const std::string& text : {"0G"s, "00-11"s, "0x11"s, "12:34"s, "\xC3\xA9"s, "1\0"s}) {
        try {
            HexToBytes(text);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const CvException& e) {
            EXPECT_EQ(e.Code(), -518) << text;
            EXPECT_EQ(e.Message(),
                      "(CvSNMP++) Bad value of the associated SNMP variable's (partial) data!");
        }
    }
}

}  // namespace
