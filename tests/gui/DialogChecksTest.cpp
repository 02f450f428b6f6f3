// The checks the dedicated dialogs share.
#include <gtest/gtest.h>

#include "CvMessageBox.h"
#include "GuiTestSupport.h"
#include "TDialogChecks.h"

namespace {

TEST(DialogChecks, MacTextNamesEachFault) {
    struct Case {
        const char* Text;
        const char* Refusal;
    };
    const Case cases[] = {
        {"", "Invalid Macaddrss"},
        {"00256410018G", "Invalid Macaddrss"},  // a letter beyond F
        {"00-25-64-10-01-80", "Invalid Macaddrss"},
        {"0025641001", "Invalid Macaddress"},  // ten digits
        {"00256410018000", "Invalid Macaddress"},
        {"0025641001ab", ""},
        {"0025641001AB", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacTextRefusal(c.Text), c.Refusal) << c.Text;
    }
}

TEST(DialogChecks, Ipv4TextPassesOnlyDottedQuadsWithoutZeroPadding) {
    const char* const valid[] = {"10.0.0.1", "0.0.0.0", "255.255.255.255", "192.168.1.0",
                                 "010.1.1.1"};
    const char* const invalid[] = {"",          "10.00.0.1",  "10.0.0",           ".10.0.0.1",
                                   "10.0.0.1.", "10.0.0.256", "100.100.100.1000", "10..0.1",
                                   "10.0.0.00", "10.0.0.a",   "1.1.1.1.1",        "1234.1.1.1",
                                   "256.1.1.1"};
    for (const char* text : valid) {
        EXPECT_EQ(Ipv4TextRefusal(text), "") << text;
    }
    for (const char* text : invalid) {
        EXPECT_EQ(Ipv4TextRefusal(text), "Please input a valid ip") << text;
    }
}

TEST(DialogChecks, HexFieldsNeedTheirExactNumberOfDigits) {
    struct Case {
        const char* Text;
        int Digits;
        bool Valid;
    };
    const Case cases[] = {{"FFFF", 4, true},
                          {"0806", 4, true},
                          {"FFF", 4, false},
                          {"FFFFF", 4, false},
                          {"08G6", 4, false},
                          {"000000ff", 8, true},
                          {"1234567", 8, false},
                          {"", 4, false},
                          {"fe800000000000000000000000000001", 32, true},
                          {"fe80::1", 32, false},
                          {"0x00ffff", 8, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(HexDigitsRefusal(c.Text, c.Digits, "Invalid Mask!"),
                  c.Valid ? "" : "Invalid Mask!")
            << c.Text;
    }
}

TEST(DialogChecks, GlobalPortsSplitIntoUnitAndPort) {
    struct Case {
        int Global;
        int Unit;
        int Port;
    };
    for (const Case& c :
         {Case{3, 1, 3}, Case{64, 1, 64}, Case{65, 2, 1}, Case{128, 2, 64}, Case{0, 0, 0}}) {
        const TUnitPort split = SplitGlobalPort(c.Global);
        EXPECT_EQ(split.Unit, c.Unit) << c.Global;
        EXPECT_EQ(split.Port, c.Port) << c.Global;
        if (c.Global != 0) {
            EXPECT_EQ(GlobalPort(split.Unit, split.Port), c.Global);
        }
    }
}

TEST(DialogChecks, OnlyPortsOfAListedUnitAreValid) {
    const std::vector<TUnitEntry> units = DefaultUnitList();
    EXPECT_TRUE(ValidUnitPort(units, 1, 1));
    EXPECT_TRUE(ValidUnitPort(units, 1, 26));
    EXPECT_FALSE(ValidUnitPort(units, 1, 27));
    EXPECT_FALSE(ValidUnitPort(units, 1, 0));
    EXPECT_FALSE(ValidUnitPort(units, 2, 1));
    EXPECT_EQ(IntOfText(" 12 "), 12);
    EXPECT_EQ(IntOfText("12a"), std::nullopt);
    EXPECT_EQ(IntOfText(""), std::nullopt);
}

TEST(DialogChecks, Ipv6AddressesAndMasksAreThirtyTwoDigitsAndMasksLeadingOnes) {
    const QString zeros(32, '0');
    const QString f16 = QString(16, 'f');
    struct Case {
        QString Text;
        bool Address;
        bool Mask;
    };
    const Case cases[] = {
        {f16 + QString(16, '0'), true, true},
        {f16 + "1" + QString(15, '0'), true, false},  // a one after a zero
        {QString(8, 'f'), false, false},              // too short
        {zeros, true, true},
        {QString(32, 'F'), true, true},
        {"ffe" + QString(29, '0'), true, true},
        {"ff8" + QString(29, '0'), true, true},
        {"FFC" + QString(29, '0'), true, true},
        {"ffa" + QString(29, '0'), true, false},         // 1010: not one run of ones
        {"ff80" + QString(27, '0') + "8", true, false},  // ones after the zeros
        {"fe80" + QString(28, '0'), true, false},
        {"20010DB8" + QString(24, '0'), true, false},
        {"2001:db8::1", false, false},
        {f16 + QString(15, '0') + "g", false, false},
        {f16 + QString(17, '0'), false, false},  // 33 digits
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ipv6TextRefusal(c.Text), c.Address ? "" : "Please input a valid IPv6 address")
            << c.Text.toStdString();
        EXPECT_EQ(Ipv6MaskRefusal(c.Text), c.Mask ? "" : "Please input a valid Mask")
            << c.Text.toStdString();
    }
}

using MessageSeam = gui_test::GuiTest;

TEST_F(MessageSeam, AYesNoQuestionIsAnsweredLikeAConfirmation) {
    ConfirmAnswer = false;
    EXPECT_FALSE(CvMessageBox::Ask(nullptr, "Delete it?"));
    ConfirmAnswer = true;
    EXPECT_TRUE(CvMessageBox::Ask(nullptr, "Delete it?"));
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Question);
    EXPECT_EQ(Boxes[0].Text, "Delete it?");
}

}  // namespace
