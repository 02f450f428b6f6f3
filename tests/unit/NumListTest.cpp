#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "../TestNames.h"
#include "CvNumList.h"

namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::uint32_t kUIntMax = std::numeric_limits<std::uint32_t>::max();

struct ParseCase {
    const char* Text;
    char Delimiter;
    std::vector<std::int32_t> Signed;
    std::vector<std::uint32_t> Unsigned;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << "\"" << c.Text << "\" delimiter '" << c.Delimiter << "'";
}

class NumListParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumListParseTest, SignedAndUnsignedLists) {
    const ParseCase& c = GetParam();
    CvNumList<std::int32_t> signedList(c.Delimiter);
    signedList.Parse(c.Text);
    EXPECT_EQ(signedList.Values, c.Signed);
    EXPECT_EQ(signedList.Count(), static_cast<std::int32_t>(c.Signed.size()));

    CvNumList<std::uint32_t> unsignedList(c.Delimiter);
    unsignedList.Parse(c.Text);
    EXPECT_EQ(unsignedList.Values, c.Unsigned);
}

INSTANTIATE_TEST_SUITE_P(
    NumListTexts, NumListParseTest,
    ::testing::Values(ParseCase{"3,5,7", ',', {3, 5, 7}, {3, 5, 7}}, ParseCase{"", ',', {}, {}},
                      ParseCase{"1,,2", ',', {1, 0, 2}, {1, 0, 2}}, ParseCase{"1.5", ',', {1}, {1}},
                      ParseCase{",", ',', {0, 0}, {0, 0}},
                      ParseCase{"1.9,2.99,3", ',', {1, 2, 3}, {1, 2, 3}},
                      ParseCase{"4094", ',', {4094}, {4094}},
                      ParseCase{"1.3.6.1", '.', {1, 3, 6, 1}, {1, 3, 6, 1}},
                      ParseCase{"2147483647", ',', {kIntMax}, {2147483647u}},
                      ParseCase{"4294967295", ',', {kIntMax}, {kUIntMax}},
                      ParseCase{"4294967296", ',', {kIntMax}, {kUIntMax}},
                      // Oversized entries saturate and do not spill into the next one.
                      ParseCase{"99999999999,4", ',', {kIntMax, 4}, {kUIntMax, 4}},
                      ParseCase{"1,99999999999999999999999", ',', {1, kIntMax}, {1, kUIntMax}}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

TEST(NumListTest, DefaultDelimiterIsPointAndParseReplacesValues) {
    CvNumList<std::uint32_t> list;
    EXPECT_EQ(list.Delimiter, '.');
    list.Parse("10.20");
    EXPECT_EQ(list.Values, (std::vector<std::uint32_t>{10, 20}));
    list.Parse("7");
    EXPECT_EQ(list.Values, (std::vector<std::uint32_t>{7}));
    list.Parse("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(NumListTest, IndexOfFindsFirstEqualValue) {
    CvNumList<std::int32_t> list(',');
    EXPECT_EQ(list.IndexOf(0), -1);
    list.Parse("3,5,7,5");
    EXPECT_EQ(list.IndexOf(3), 0);
    EXPECT_EQ(list.IndexOf(5), 1);
    EXPECT_EQ(list.IndexOf(7), 2);
    EXPECT_EQ(list.IndexOf(4), -1);
}

TEST(NumListTest, AllBetweenChecksEveryValue) {
    CvNumList<std::uint32_t> list(',');
    EXPECT_TRUE(list.AllBetween(1, 4094));
    list.Parse("1,4094");
    EXPECT_TRUE(list.AllBetween(1, 4094));
    EXPECT_FALSE(list.AllBetween(2, 4094));
    EXPECT_FALSE(list.AllBetween(1, 4093));
    list.Parse("1,,2");
    EXPECT_FALSE(list.AllBetween(1, 4094));
    list.Parse("4294967297");
    EXPECT_FALSE(list.AllBetween(1, 4094));
}

}  // namespace
