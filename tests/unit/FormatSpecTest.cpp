#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvFormatSpec.h"
#include "TestSupport.h"

namespace {

constexpr std::uint16_t kA = CvFormatSpec::kAdvanceWhenFull;
constexpr std::uint16_t kF = CvFormatSpec::kExactLength;
constexpr std::uint16_t kN = CvFormatSpec::kNotEmpty;

struct ParsedCase {
    const char* Format;
    char Type;
    char Delimiter;
    double Min;
    double Max;
    std::int32_t MaxLength;
    std::uint16_t Flags;
    std::int32_t Width;
    char AdvanceChar;
};

void PrintTo(const ParsedCase& c, std::ostream* os) {
    *os << c.Format;
}

class FormatSpecParseTest : public ::testing::TestWithParam<ParsedCase> {};

TEST_P(FormatSpecParseTest, ReadsEveryField) {
    const ParsedCase& c = GetParam();
    const CvFormatSpec format = ParseFormatSpec(c.Format);
    EXPECT_EQ(format.Type, c.Type);
    EXPECT_EQ(format.Delimiter, c.Delimiter);
    EXPECT_EQ(format.Min, c.Min);
    EXPECT_EQ(format.Max, c.Max);
    EXPECT_EQ(format.MaxLength, c.MaxLength);
    EXPECT_EQ(format.Flags, c.Flags);
    EXPECT_EQ(format.Width, c.Width);
    EXPECT_EQ(format.AdvanceChar, c.AdvanceChar);
}

constexpr double kIntMin = -2147483648.0;
constexpr double kIntMax = 2147483647.0;
constexpr double kUIntMax = 4294967295.0;

INSTANTIATE_TEST_SUITE_P(
    Specs, FormatSpecParseTest,
    ::testing::Values(ParsedCase{"%i{n0x255l3}", 'i', 0, 0, 255, 3, 0, 0, 0},
                      ParsedCase{"%i", 'i', 0, kIntMin, kIntMax, 0, 0, 0, 0},
                      ParsedCase{"%i{}", 'i', 0, kIntMin, kIntMax, 0, 0, 0, 0},
                      ParsedCase{"%i{n1x4094}", 'i', 0, 1, 4094, 0, 0, 0, 0},
                      ParsedCase{"%i{n600x4000l4a}", 'i', 0, 600, 4000, 4, kA, 0, 0},
                      ParsedCase{"%u", 'u', 0, 0, kUIntMax, 0, 0, 0, 0},
                      // The smallest positive double, not the most negative one.
                      ParsedCase{"%f", 'f', 0, DBL_MIN, DBL_MAX, 0, 0, 0, 0},
                      ParsedCase{"%f{n-1.5x2.25}", 'f', 0, -1.5, 2.25, 0, 0, 0, 0},
                      ParsedCase{"%s{l16}", 's', 0, -DBL_MAX, DBL_MAX, 16, 0, 0, 0},
                      ParsedCase{"%h{l12fn}", 'h', 0, -DBL_MAX, DBL_MAX, 12, kF | kN, 0, 0},
                      ParsedCase{"%s{l8nfa}", 's', 0, -DBL_MAX, DBL_MAX, 8, kA | kF | kN, 0, 0},
                      ParsedCase{"%n,{l4f}", 'n', ',', 0, kUIntMax, 4, kF, 0, 0},
                      ParsedCase{"%n.{n1x4094l8}", 'n', '.', 1, 4094, 8, 0, 0, 0},
                      // After the length an "n" with a number is the minimum, without one the flag.
                      ParsedCase{"%i{l4n5}", 'i', 0, 5, kIntMax, 4, 0, 0, 0},
                      ParsedCase{"%i{l4nx9}", 'i', 0, kIntMin, 9, 4, kN, 0, 0},
                      ParsedCase{"%i{l4n-3}", 'i', 0, -3, kIntMax, 4, 0, 0, 0},
                      ParsedCase{"%i{l99999999999w99999999999}", 'i', 0, kIntMin, kIntMax,
                                 2147483647, 0, 2147483647, 0},
                      ParsedCase{"%s{w120e.l3}", 's', 0, -DBL_MAX, DBL_MAX, 3, 0, 120, '.'},
                      ParsedCase{"%s{e}}", 's', 0, -DBL_MAX, DBL_MAX, 0, 0, 0, '}'}),
    [](const auto& info) { return CaseName(info.index, info.param.Format); });

class FormatSpecRejectTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FormatSpecRejectTest, RaisesBadFormatSpec) {
    try {
        ParseFormatSpec(GetParam());
        ADD_FAILURE() << "accepted";
    } catch (const CvException& e) {
        EXPECT_EQ(e.Code(), kErrBadFormatSpec);
        EXPECT_EQ(e.Message(), "(CvCommon) Bad format specifier of edit's constraint!");
    }
}

INSTANTIATE_TEST_SUITE_P(Specs, FormatSpecRejectTest,
                         ::testing::Values("", "%", "i", "i{n0}", " %i", "%x", "%I", "%n",
                                           "%i{n0x255l3", "%i{", "%i}", "%iabc", "%i{n0}x",
                                           "%i{q5}", "%i{N5}", "%i{n}", "%i{x}", "%i{nx5}", "%i{l}",
                                           "%i{la}", "%i{w}", "%s{e}", "%i{l3aaaa}", "%i{n1}}"),
                         [](const auto& info) { return CaseName(info.index, info.param); });

TEST(FormatSpecSplitTest, OneSpecPerControl) {
    const std::string one = "%i{n0x255l3}";
    EXPECT_EQ(SplitFormatSpecs(one + one + one + one), std::vector<std::string>(4, one));
    EXPECT_EQ(CountFormatControls(one + one + one + one), 4);

    EXPECT_EQ(SplitFormatSpecs("%n,{l4}%s"), (std::vector<std::string>{"%n,{l4}", "%s"}));
    EXPECT_EQ(SplitFormatSpecs("ab%i%s"), (std::vector<std::string>{"%i", "%s"}));
    EXPECT_TRUE(SplitFormatSpecs("").empty());
    EXPECT_TRUE(SplitFormatSpecs("none").empty());
}

TEST(FormatSpecSplitTest, CountsOnlyTypeLetters) {
    EXPECT_EQ(CountFormatControls(""), 0);
    EXPECT_EQ(CountFormatControls("100%"), 0);
    EXPECT_EQ(CountFormatControls("%x%s%h%u%f%n,%i"), 6);
    EXPECT_EQ(CountFormatControls("%%i"), 1);
}

struct RefusalCase {
    const char* Name;
    const char* Format;
    const char* Text;
    const char* Refusal;  // "" when taken
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.Format << " \"" << c.Text << '"';
}

class FormatRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// What an edit refuses on leaving; refused characters are refused here too,
// for texts that were never typed.
TEST_P(FormatRefusalTest, NamesTheCommonMessage) {
    const RefusalCase& c = GetParam();
    EXPECT_EQ(FormatRefusal(ParseFormatSpec(c.Format), c.Text), c.Refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatRefusalTest,
    ::testing::Values(
        RefusalCase{"Number", "%i{n0x255}", "255", ""},
        RefusalCase{"Range", "%i{n0x255}", "256",
                    "(CvCommon) Please enter a number between 0 and 255!"},
        RefusalCase{"Letters", "%i{n0x255}", "1abc",
                    "(CvCommon) Please enter a number between 0 and 255!"},
        RefusalCase{"SignWithoutDigits", "%i", "-",
                    "(CvCommon) Please enter a number between -2147483648 and 2147483647!"},
        RefusalCase{"EmptyTaken", "%u", "", ""},
        RefusalCase{"EmptyRefused", "%u{l3n}", "", "(CvCommon) Empty value is not allowed!"},
        RefusalCase{"Hex", "%h{l4}", "0aF9", ""},
        RefusalCase{"NotHex", "%h{l4}", "0g",
                    "(CvCommon) Please enter a hex string whose length is less than 4!"},
        RefusalCase{"TextLengthInCharacters", "%s{l2f}", "\xC3\xA9\xC3\xA9", ""},
        RefusalCase{"ListCharacter", "%n.{x255l4f}", "1.2.x.4",
                    "(CvCommon) Please enter a delimited number string with delimiter '.'.\n"
                    "Here,each number is between 0 and 255!"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
