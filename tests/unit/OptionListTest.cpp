#include <gtest/gtest.h>

#include <string>

#include "../TestNames.h"
#include "CvOptionList.h"

namespace {

const CvIntOptionPair kStatePairs[] = {
    {1, "enabled"},           {2, "disabled"}, {-1, "other"},         {2147483647, "max"},
    {-2147483647 - 1, "min"}, {0, nullptr},    {9, "beyond the end"},
};

const CvTextOptionPair kAuthPairs[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {nullptr, nullptr},
};

const CvTextOptionPair kPrivPairs[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"},
    {"1.3.6.1.6.3.10.1.2.2", "DES"},
    {nullptr, nullptr},
};

const CvTextOptionPair kPrefixPairs[] = {
    {"1.3.6.1.2.1.", "mib-2."},
    {"1.3.6.1.4.1.", "enterprises."},
    {nullptr, nullptr},
};

enum class Conversion { ValueToLabel, LabelToValue, SelectionIndex };

struct ConversionCase {
    const char* Name;
    const CvOptionList* List;
    Conversion Operation;
    const char* Input;
    std::string Expected;  // text, or the index in decimal for SelectionIndex
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.Name << " \"" << c.Input << "\"";
}

const CvOptionList kStates(kStatePairs);
const CvOptionList kStatesExact(kStatePairs, CvOptionList::kIntegerKind, true);
const CvOptionList kAuth(kAuthPairs);
const CvOptionList kPriv(kPrivPairs);
const CvOptionList kPrefix(kPrefixPairs, CvOptionList::kPrefixKind);
const CvOptionList kPrefixExact(kPrefixPairs, CvOptionList::kPrefixKind, true);

class OptionListConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(OptionListConversionTest, Converts) {
    const ConversionCase& c = GetParam();
    switch (c.Operation) {
        case Conversion::ValueToLabel:
            EXPECT_EQ(c.List->ValueToLabel(c.Input), c.Expected);
            break;
        case Conversion::LabelToValue:
            EXPECT_EQ(c.List->LabelToValue(c.Input), c.Expected);
            break;
        case Conversion::SelectionIndex:
            EXPECT_EQ(std::to_string(c.List->SelectionIndex(c.Input)), c.Expected);
            break;
    }
}

constexpr Conversion V2L = Conversion::ValueToLabel;
constexpr Conversion L2V = Conversion::LabelToValue;
constexpr Conversion SEL = Conversion::SelectionIndex;

INSTANTIATE_TEST_SUITE_P(
    OptionListIntegerKind, OptionListConversionTest,
    ::testing::Values(ConversionCase{"states", &kStates, V2L, "1", "enabled"},
                      ConversionCase{"states", &kStates, V2L, "2", "disabled"},
                      ConversionCase{"states", &kStates, V2L, "-1", "other"},
                      ConversionCase{"states", &kStates, V2L, "2147483647", "max"},
                      ConversionCase{"states", &kStates, V2L, "-2147483648", "min"},
                      ConversionCase{"states", &kStates, V2L, "3", "3"},
                      ConversionCase{"states", &kStates, V2L, "9", "9"},
                      ConversionCase{"states", &kStates, V2L, "(NULL)", "(NULL)"},
                      ConversionCase{"states", &kStates, V2L, "(NOTDONE)", "(NOTDONE)"},
                      ConversionCase{"states", &kStates, V2L, "", ""},
                      ConversionCase{"states", &kStates, V2L, "-", "-"},
                      ConversionCase{"states", &kStates, V2L, "2x", "2x"},
                      ConversionCase{"states", &kStates, V2L, " 2", " 2"},
                      ConversionCase{"states", &kStates, V2L, "2.0", "2.0"},
                      ConversionCase{"states", &kStates, V2L, "enabled", "enabled"},
                      // Beyond 32 bits: must not wrap onto a small value.
                      ConversionCase{"states", &kStates, V2L, "4294967297", "4294967297"},
                      ConversionCase{"states", &kStates, V2L, "2147483648", "2147483648"},
                      ConversionCase{"states", &kStates, V2L, "-2147483649", "-2147483649"},
                      ConversionCase{"states", &kStates, V2L, "99999999999999999999",
                                     "99999999999999999999"},
                      ConversionCase{"states", &kStates, L2V, "disabled", "2"},
                      ConversionCase{"states", &kStates, L2V, "Disabled", "2"},
                      ConversionCase{"states", &kStates, L2V, "ENABLED", "1"},
                      ConversionCase{"states", &kStates, L2V, "other", "-1"},
                      ConversionCase{"states", &kStates, L2V, "min", "-2147483648"},
                      ConversionCase{"states", &kStates, L2V, "enable", "enable"},
                      ConversionCase{"states", &kStates, L2V, "beyond the end", "beyond the end"},
                      ConversionCase{"states", &kStates, L2V, "7", "7"},
                      ConversionCase{"exact", &kStatesExact, L2V, "Disabled", "Disabled"},
                      ConversionCase{"exact", &kStatesExact, L2V, "disabled", "2"},
                      ConversionCase{"exact", &kStatesExact, V2L, "2", "disabled"},
                      ConversionCase{"states", &kStates, SEL, "Disabled", "1"},
                      ConversionCase{"states", &kStates, SEL, "2", "1"},
                      ConversionCase{"states", &kStates, SEL, "-1", "2"},
                      ConversionCase{"states", &kStates, SEL, "Unknown", "-1"},
                      ConversionCase{"states", &kStates, SEL, "(NULL)", "-1"},
                      ConversionCase{"states", &kStates, SEL, "5", "-1"}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    OptionListTextKind, OptionListConversionTest,
    ::testing::Values(
        ConversionCase{"auth", &kAuth, V2L, "1.3.6.1.6.3.10.1.1.1", "None"},
        ConversionCase{"auth", &kAuth, V2L, "1.3.6.1.6.3.10.1.1.2", "MD5"},
        ConversionCase{"auth", &kAuth, V2L, "1.3.6.1.6.3.10.1.1.3", "SHA"},
        ConversionCase{"auth", &kAuth, V2L, "1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0"},
        ConversionCase{"auth", &kAuth, V2L, "1.3.6.1.6.3.10.1.1", "1.3.6.1.6.3.10.1.1"},
        ConversionCase{"auth", &kAuth, V2L, "(NULL)", "(NULL)"},
        ConversionCase{"auth", &kAuth, L2V, "MD5", "1.3.6.1.6.3.10.1.1.2"},
        ConversionCase{"auth", &kAuth, L2V, "sha", "1.3.6.1.6.3.10.1.1.3"},
        ConversionCase{"auth", &kAuth, L2V, "SHA1", "SHA1"},
        ConversionCase{"priv", &kPriv, V2L, "1.3.6.1.6.3.10.1.2.2", "DES"},
        ConversionCase{"priv", &kPriv, V2L, "1.3.6.1.6.3.10.1.1.2", "1.3.6.1.6.3.10.1.1.2"},
        ConversionCase{"priv", &kPriv, L2V, "none", "1.3.6.1.6.3.10.1.2.1"},
        ConversionCase{"auth", &kAuth, SEL, "SHA", "2"},
        ConversionCase{"auth", &kAuth, SEL, "1.3.6.1.6.3.10.1.1.2", "1"},
        ConversionCase{"priv", &kPriv, SEL, "AES", "-1"}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    OptionListPrefixKind, OptionListConversionTest,
    ::testing::Values(
        ConversionCase{"prefix", &kPrefix, V2L, "1.3.6.1.4.1.9.1.5", "enterprises.9.1.5"},
        ConversionCase{"prefix", &kPrefix, V2L, "1.3.6.1.2.1.1", "mib-2.1"},
        ConversionCase{"prefix", &kPrefix, V2L, "1.3.6.1.2.1.", "mib-2."},
        ConversionCase{"prefix", &kPrefix, V2L, "1.3.6.1.2.1", "1.3.6.1.2.1"},
        ConversionCase{"prefix", &kPrefix, V2L, "1.3.6.1.6.3", "1.3.6.1.6.3"},
        ConversionCase{"prefix", &kPrefix, V2L, "", ""},
        ConversionCase{"prefix", &kPrefix, L2V, "enterprises.9.1.5", "1.3.6.1.4.1.9.1.5"},
        ConversionCase{"prefix", &kPrefix, L2V, "Enterprises.Abc", "1.3.6.1.4.1.Abc"},
        ConversionCase{"prefix", &kPrefix, L2V, "MIB-2.", "1.3.6.1.2.1."},
        ConversionCase{"prefix", &kPrefix, L2V, "mib-2", "mib-2"},
        ConversionCase{"exact", &kPrefixExact, L2V, "Enterprises.9", "Enterprises.9"},
        ConversionCase{"exact", &kPrefixExact, L2V, "enterprises.9", "1.3.6.1.4.1.9"},
        ConversionCase{"prefix", &kPrefix, SEL, "enterprises.311", "1"},
        ConversionCase{"prefix", &kPrefix, SEL, "1.3.6.1.2.1.2", "0"},
        ConversionCase{"prefix", &kPrefix, SEL, "iso", "-1"}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

TEST(OptionListTest, ConstructionStopsAtNullLabelAndKeepsOrder) {
    const CvOptionList list(kStatePairs);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Kind, CvOptionList::kIntegerKind);
    EXPECT_FALSE(list.CaseSensitive);
    EXPECT_EQ(list.Pair(1).IntValue, 2);
    EXPECT_EQ(list.Pair(1).Label, "disabled");
    EXPECT_EQ(list.ValueText(4), "-2147483648");

    const CvOptionList auth(kAuthPairs);
    ASSERT_EQ(auth.Count(), 3);
    EXPECT_EQ(auth.Kind, CvOptionList::kTextKind);
    EXPECT_EQ(auth.Pair(2).TextValue, "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(auth.ValueText(2), "1.3.6.1.6.3.10.1.1.3");
}

TEST(OptionListTest, FirstMatchWinsForDuplicates) {
    const CvIntOptionPair pairs[] = {{1, "on"}, {2, "ON"}, {1, "up"}, {0, nullptr}};
    const CvOptionList list(pairs);
    EXPECT_EQ(list.IndexOfLabel("On"), 0);
    EXPECT_EQ(list.IndexOfValue("1"), 0);
    EXPECT_EQ(list.LabelToValue("up"), "1");
    EXPECT_EQ(list.ValueToLabel("1"), "on");

    const CvOptionList exact(pairs, CvOptionList::kIntegerKind, true);
    EXPECT_EQ(exact.IndexOfLabel("ON"), 1);
    EXPECT_EQ(exact.IndexOfLabel("On"), -1);

    // A shorter label earlier in a prefix list shadows a longer one.
    const CvTextOptionPair prefixes[] = {{"x", "a"}, {"y", "ab"}, {nullptr, nullptr}};
    const CvOptionList prefix(prefixes, CvOptionList::kPrefixKind);
    EXPECT_EQ(prefix.IndexOfLabel("abc"), 0);
    EXPECT_EQ(prefix.LabelToValue("abc"), "xbc");
}

TEST(OptionListTest, SelectionPrefersLabelOverValue) {
    const CvIntOptionPair pairs[] = {{1, "2"}, {2, "1"}, {0, nullptr}};
    const CvOptionList list(pairs);
    EXPECT_EQ(list.SelectionIndex("2"), 0);
    EXPECT_EQ(list.SelectionIndex("1"), 1);
}

TEST(OptionListTest, TextValuesFollowCaseSetting) {
    const CvTextOptionPair pairs[] = {{"abc", "Alpha"}, {nullptr, nullptr}};
    const CvOptionList ignoring(pairs);
    const CvOptionList exact(pairs, CvOptionList::kTextKind, true);
    EXPECT_EQ(ignoring.ValueToLabel("ABC"), "Alpha");
    EXPECT_EQ(exact.ValueToLabel("ABC"), "ABC");
    EXPECT_EQ(exact.ValueToLabel("abc"), "Alpha");
    EXPECT_EQ(exact.LabelToValue("alpha"), "alpha");
}

TEST(OptionListTest, AppendAddsAfterAndClearEmpties) {
    CvOptionList list(kPrivPairs);
    const CvTextOptionPair more[] = {{"1.3.6.1.6.3.10.1.2.4", "AES"}, {nullptr, nullptr}};
    list.Append(more);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOfLabel("AES"), 2);
    EXPECT_EQ(list.LabelToValue("aes"), "1.3.6.1.6.3.10.1.2.4");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ValueToLabel("1.3.6.1.6.3.10.1.2.2"), "1.3.6.1.6.3.10.1.2.2");
    EXPECT_EQ(list.SelectionIndex("DES"), -1);
}

}  // namespace
