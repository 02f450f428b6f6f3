#include <gtest/gtest.h>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvPackedField.h"
#include "CvPortBits.h"
#include "CvSNMPVar.h"
#include "TestSupport.h"

struct FieldCase {
    std::uint32_t Syntax;
    std::string Bytes;
    const char* Text;
};

class PackedField : public testing::TestWithParam<FieldCase> {};

TEST_P(PackedField, BytesAndTextBothWays) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(FieldToText(c.Syntax, c.Bytes), c.Text);
    EXPECT_EQ(TextToField(c.Syntax, c.Text), c.Bytes);
}

INSTANTIATE_TEST_SUITE_P(
    EverySyntax, PackedField,
    testing::Values(
        FieldCase{CvSyntax::boolean, Bytes({1, 0, 0, 0}), "true"},
        FieldCase{CvSyntax::integer, Bytes({0xFE, 0xFF, 0xFF, 0xFF}), "-2"},
        FieldCase{CvSyntax::counter, Bytes({0x01, 0x02, 0, 0}), "513"},
        FieldCase{CvSyntax::timeticks, Bytes({4, 0, 0, 0}), "0:00:00.04"},
        FieldCase{CvSyntax::ipaddress, Bytes({10, 1, 2, 3}), "10.1.2.3"},
        FieldCase{CvSyntax::counter64, Bytes({1, 0, 0, 0, 1, 0, 0, 0}), "4294967297"},
        FieldCase{CvSyntax::double_, Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), "1.5"},
        FieldCase{CvSyntax::macaddress, Bytes({0, 0x11, 0x22, 0xAA, 0xBB, 0xCC}), "001122AABBCC"},
        FieldCase{CvSyntax::datetime, Bytes({0x07, 0xD6, 5, 17, 13, 30, 15, 0, '+', 0, 0}),
                  "2006-5-17,13:30:15.0"},
        FieldCase{CvSyntax::octetstr, Bytes({0xDE, 0xAD}), "DEAD"},
        FieldCase{CvSyntax::objectid, Bytes({1, 0, 0, 0, 0x2D, 0x5E, 1, 0}), "1.89645"},
        FieldCase{CvSyntax::displaystr, "abc", "abc"},
        FieldCase{CvSyntax::bool8, Bytes({1}), "true"},
        FieldCase{CvSyntax::bool8, Bytes({0}), "false"},
        FieldCase{CvSyntax::int8, Bytes({0xFF}), "-1"},
        FieldCase{CvSyntax::uint8, Bytes({0xFF}), "255"},
        FieldCase{CvSyntax::bool16, Bytes({0, 1}), "true"},
        FieldCase{CvSyntax::int16, Bytes({0xFF, 0xFE}), "-2"},
        FieldCase{CvSyntax::uint16, Bytes({0x01, 0x00}), "256"}),
    [](const auto& info) { return CaseName(info.index, info.param.Text); });

TEST(PackedField, EmptyFieldsAndNull) {
    EXPECT_EQ(FieldToText(CvSyntax::integer, ""), "(NULL)");
    EXPECT_EQ(FieldToText(CvSyntax::displaystr, ""), "");
    EXPECT_EQ(FieldToText(CvSyntax::null, Bytes({1})), "(NULL)");
    EXPECT_EQ(TextToField(CvSyntax::integer, "(NULL)"), "");
    EXPECT_EQ(TextToField(CvSyntax::null, "5"), "");
}

TEST(PackedField, ExtractTakesTheFieldAtItsOffset) {
    const std::string value = Bytes({0xAA, 0x00, 0x10, 1, 0, 0, 0, 'h', 'i'});
    EXPECT_EQ(ExtractField(value, 0, CvSyntax::uint8), Bytes({0xAA}));
    EXPECT_EQ(ExtractField(value, 1, CvSyntax::uint16), Bytes({0x00, 0x10}));
    EXPECT_EQ(ExtractField(value, 3, CvSyntax::integer), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(ExtractField(value, 7, CvSyntax::displaystr), "hi");
    EXPECT_EQ(ExtractField(value, 9, CvSyntax::displaystr), "");
    EXPECT_EQ(ExtractField("", 5, CvSyntax::integer), "");
}

TEST(PackedField, FieldsBeyondTheValueAreOutOfRange) {
    const std::string value = Bytes({1, 2, 3});
    EXPECT_CV_CODE(ExtractField(value, 0, CvSyntax::integer), kErrPartialOutOfRange);
    EXPECT_CV_CODE(ExtractField(value, 2, CvSyntax::uint16), kErrPartialOutOfRange);
    EXPECT_CV_CODE(ExtractField(value, 4, CvSyntax::displaystr), kErrPartialOutOfRange);
    EXPECT_CV_CODE(ExtractField(value, -1, CvSyntax::uint8), kErrPartialOutOfRange);
    EXPECT_CV_CODE(ExtractField(value, 2147483647, CvSyntax::uint8), kErrPartialOutOfRange);
}

TEST(PackedField, ShortFieldsAreBadValues) {
    EXPECT_CV_CODE(FieldToText(CvSyntax::integer, Bytes({1, 2})), kErrBadPartialValue);
    EXPECT_CV_CODE(FieldToText(CvSyntax::macaddress, Bytes({1, 2, 3, 4, 5})), kErrBadPartialValue);
    EXPECT_CV_CODE(FieldToText(CvSyntax::uint16, Bytes({1})), kErrBadPartialValue);
    EXPECT_CV_CODE(FieldToText(CvSyntax::objectid, Bytes({1, 0, 0})), kErrBadPartialValue);
}

TEST(PackedField, UnknownSyntaxesAreRejected) {
    for (const std::uint32_t syntax : {0u, 7u, 0xC0u, 0xC7u}) {
        EXPECT_CV_CODE(ExtractField(Bytes({1, 2}), 0, syntax), kErrBadSyntax);
        EXPECT_CV_CODE(FieldToText(syntax, Bytes({1, 2})), kErrBadSyntax);
        EXPECT_CV_CODE(TextToField(syntax, "1"), kErrBadSyntax);
        EXPECT_CV_CODE(TextToField(syntax, "(NULL)"), kErrBadSyntax);
    }
}

// A number beyond its field is refused, not cut to another number.
TEST(PackedField, NarrowNumbersOutOfRangeAreRefused) {
    EXPECT_EQ(TextToField(CvSyntax::uint8, "255"), Bytes({0xFF}));
    EXPECT_EQ(TextToField(CvSyntax::int8, "-128"), Bytes({0x80}));
    EXPECT_EQ(TextToField(CvSyntax::int16, "32767"), Bytes({0x7F, 0xFF}));
    for (const auto& [syntax, text] : {std::pair{CvSyntax::uint8, "300"},
                                       {CvSyntax::uint8, "-3"},
                                       {CvSyntax::int8, "-300"},
                                       {CvSyntax::uint16, "70000"},
                                       {CvSyntax::int16, "40000"},
                                       {CvSyntax::integer, "5x14"},
                                       {CvSyntax::counter64, "1 2"}}) {
        SCOPED_TRACE(text);
        EXPECT_CV_CODE(TextToField(syntax, text), -kMsgRange);
    }
}

struct EmptyTextCase {
    std::uint32_t Syntax;
    std::string Field;
};

class PackedFieldEmptyText : public testing::TestWithParam<EmptyTextCase> {};

// An empty edit is written as a field of every syntax, never refused: fixed
// widths are zero-filled, so the fields after it keep their offsets.
TEST_P(PackedFieldEmptyText, GivesAField) {
    EXPECT_EQ(TextToField(GetParam().Syntax, ""), GetParam().Field);
}

INSTANTIATE_TEST_SUITE_P(
    EverySyntax, PackedFieldEmptyText,
    testing::Values(EmptyTextCase{CvSyntax::boolean, std::string(4, '\0')},
                    EmptyTextCase{CvSyntax::integer, std::string(4, '\0')},
                    EmptyTextCase{CvSyntax::timeticks, std::string(4, '\0')},
                    EmptyTextCase{CvSyntax::ipaddress, std::string(4, '\0')},
                    EmptyTextCase{CvSyntax::nsapaddr, std::string(4, '\0')},
                    EmptyTextCase{CvSyntax::counter64, std::string(8, '\0')},
                    EmptyTextCase{CvSyntax::double_, std::string(8, '\0')},
                    EmptyTextCase{CvSyntax::bcdatetime, std::string(8, '\0')},
                    EmptyTextCase{CvSyntax::datetime, Bytes({0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0})},
                    EmptyTextCase{CvSyntax::macaddress, ""}, EmptyTextCase{CvSyntax::objectid, ""},
                    EmptyTextCase{CvSyntax::displaystr, ""},
                    EmptyTextCase{CvSyntax::uint8, Bytes({0})},
                    EmptyTextCase{CvSyntax::int16, Bytes({0, 0})}),
    [](const testing::TestParamInfo<EmptyTextCase>& info) {
        return "Syntax" + std::to_string(info.param.Syntax);
    });

TEST(PortBitmap, BitZeroIsTheMostSignificantBitOfTheFirstByte) {
    const std::string bitmap = Bytes({0xC0, 0x40});
    EXPECT_TRUE(PortBit(bitmap, 0));
    EXPECT_TRUE(PortBit(bitmap, 1));
    EXPECT_FALSE(PortBit(bitmap, 2));
    EXPECT_TRUE(PortBit(bitmap, 9));
    EXPECT_FALSE(PortBit(bitmap, 15));
    EXPECT_CV_CODE(PortBit(bitmap, 16), kErrPartialOutOfRange);
    EXPECT_CV_CODE(PortBit(bitmap, -1), kErrPartialOutOfRange);
}

TEST(PortBitmap, BuiltFromBoundPositionsOnly) {
    std::vector<int> positions;
    std::vector<bool> states;
    for (int n = 0; n < 16; ++n) {
        positions.push_back(n);
        states.push_back(n == 0 || n == 1 || n == 9);
    }
    EXPECT_EQ(BuildPortBitmap(positions, states), Bytes({0xC0, 0x40}));
    // Length follows the highest bound position, checked or not.
    EXPECT_EQ(BuildPortBitmap({3, 20}, {true, false}), Bytes({0x10, 0, 0}));
    EXPECT_EQ(BuildPortBitmap({}, {}), "");
}

TEST(PortBitmap, StackUnitsTakeSixtyFourBitsEach) {
    EXPECT_EQ(StackPortBit(1, 1), 0);
    EXPECT_EQ(StackPortBit(1, 24), 23);
    EXPECT_EQ(StackPortBit(2, 1), 64);
}
