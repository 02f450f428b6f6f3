#include <gtest/gtest.h>

#include <cmath>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvDateTime.h"
#include "CvRealDateTime.h"
#include "CvTimeTicks.h"
#include "TestSupport.h"

struct TicksCase {
    std::uint32_t Ticks;
    const char* Text;
};

class TimeTicksText : public testing::TestWithParam<TicksCase> {};

TEST_P(TimeTicksText, ShowsAndReadsBack) {
    EXPECT_EQ(TimeTicksToText(GetParam().Ticks), GetParam().Text);
    EXPECT_EQ(TextToTimeTicks(GetParam().Text), GetParam().Ticks);
}

INSTANTIATE_TEST_SUITE_P(Values, TimeTicksText,
                         testing::Values(TicksCase{4, "0:00:00.04"},
                                         TicksCase{8640001, "1 day 0:00:00.01"},
                                         TicksCase{17280000, "2 days, 0:00:00.00"},
                                         TicksCase{360000 * 23 + 6000 * 59 + 5999, "23:59:59.99"},
                                         TicksCase{4294967295u, "497 days, 2:27:52.95"}),
                         [](const auto& info) { return CaseName(info.index, info.param.Text); });

// A time is read as it is shown, or refused with the range: a bare number,
// a part of a clock or a sum beyond 32 bits would go out as another time.
TEST(TimeTicksText, OnlyTheShownFormsAreRead) {
    EXPECT_EQ(TextToTimeTicks("3 days"), 3u * 8640000);
    EXPECT_EQ(TextToTimeTicks(" 0:01:02.03 "), 6000u + 203);
    EXPECT_EQ(TextToTimeTicks("0:05:30"), 33000u);  // no hundredths
    EXPECT_EQ(TextToTimeTicks("2 days,0:00:00.00"), 2u * 8640000);
    for (const char* refused : {"42", "", "abc", "2:", "1:15.50", "0:60:00.00", "0:00:00.5",
                                "0:00:00.00x", "99999 days, 0:00:00.00"}) {
        SCOPED_TRACE(refused);
        EXPECT_CV_CODE(TextToTimeTicks(refused), -kMsgRange);
    }
}

TEST(DateAndTime, TextWithAndWithoutUtcOffset) {
    CvDateTime dt;
    dt.Year = 2006;
    dt.Month = 5;
    dt.Day = 17;
    dt.Hour = 13;
    dt.Minutes = 30;
    dt.Seconds = 15;
    EXPECT_EQ(dt.ToText(), "2006-5-17,13:30:15.0");
    dt.UtcHours = 2;
    EXPECT_EQ(dt.ToText(), "2006-5-17,13:30:15.0,+2:0");
    dt.Direction = '-';
    dt.UtcMinutes = 30;
    EXPECT_EQ(dt.ToText(), "2006-5-17,13:30:15.0,-2:30");
}

TEST(DateAndTime, WireBytesPutTheYearMostSignificantByteFirst) {
    const CvDateTime dt = CvDateTime::FromText("2006-5-17,13:30:15.0,+2:0");
    EXPECT_EQ(dt.ToBytes(), Bytes({0x07, 0xD6, 5, 17, 13, 30, 15, 0, '+', 2, 0}));
    EXPECT_EQ(CvDateTime::FromBytes(dt.ToBytes()).ToText(), "2006-5-17,13:30:15.0,+2:0");
}

TEST(DateAndTime, ParsingTriesBothDirectionsThenNoOffset) {
    EXPECT_EQ(CvDateTime::FromText("2020-1-2,3:4:5.6,-7:8").ToText(), "2020-1-2,3:4:5.6,-7:8");
    EXPECT_EQ(CvDateTime::FromText(" 2020-1-2,3:4:5.6 ").ToText(), "2020-1-2,3:4:5.6");
    // A partial text, or a number wider than its field, would be another date.
    for (const char* refused : {"2020-1-2", "", "2020-257-2,3:4:5.6", "70000-1-2,3:4:5.6",
                                "2020-1-2,3:4:5.6,*7:8", "2020-1-2,3:4:5.6x"}) {
        SCOPED_TRACE(refused);
        EXPECT_CV_CODE(CvDateTime::FromText(refused), kErrBadPartialValue);
    }
}

TEST(DateAndTime, ShortWireFormWithoutOffsetIsAccepted) {
    const std::string eightBytes = Bytes({0x07, 0xE4, 12, 31, 23, 59, 58, 9});
    EXPECT_EQ(CvDateTime::FromBytes(eightBytes).ToText(), "2020-12-31,23:59:58.9");
    EXPECT_EQ(CvDateTime::FromBytes("").ToText(), "0-0-0,0:0:0.0");
}

TEST(RealDateTime, TextOfDaysSince1899) {
    EXPECT_EQ(RealDateTimeToText(0.0), "1899/12/30 12:00:00 am");
    EXPECT_EQ(RealDateTimeToText(38854.5625), "2006/05/17 01:30:00 pm");
    EXPECT_EQ(RealDateTimeToText(1.75), "1899/12/31 06:00:00 pm");
    EXPECT_EQ(RealDateTimeToText(-1.25), "1899/12/29 06:00:00 am");
}

TEST(RealDateTime, ReadsItsOwnTextAndTwentyFourHourTimes) {
    EXPECT_DOUBLE_EQ(TextToRealDateTime("2006/05/17 01:30:00 pm"), 38854.5625);
    EXPECT_DOUBLE_EQ(TextToRealDateTime("2006/05/17 13:30"), 38854.5625);
    EXPECT_DOUBLE_EQ(TextToRealDateTime("2006/5/17"), 38854.0);
    EXPECT_DOUBLE_EQ(TextToRealDateTime("1899/12/30 12:00:00 AM"), 0.0);
    EXPECT_DOUBLE_EQ(TextToRealDateTime("1899/12/29 06:00:00 am"), -1.25);
}

TEST(RealDateTime, RejectsWhatIsNoDate) {
    for (const char* text : {"", "yesterday", "2006/13/01", "2006/02/30", "2006/01/01 25:00",
                             "2006/01/01 13:00 pm", "2006/01/01 10:61", "2006/01/01 x"}) {
        EXPECT_CV_CODE(TextToRealDateTime(text), kErrBadPartialValue);
    }
    EXPECT_CV_CODE(RealDateTimeToText(std::nan("")), kErrBadPartialValue);
    EXPECT_CV_CODE(RealDateTimeToText(1e300), kErrBadPartialValue);
    EXPECT_CV_CODE(RealDateTimeToText(-1e7), kErrBadPartialValue);
}

TEST(RealDateTime, NowIsToday) {
    const double now = CurrentRealDateTime();
    EXPECT_GT(now, 45000.0);  // after 2023
    EXPECT_LT(now, 80000.0);
}

TEST(RealDateTime, DoubleBytesAreLittleEndian) {
    EXPECT_EQ(DoubleToBytes(1.0), Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_DOUBLE_EQ(BytesToDouble(DoubleToBytes(-2.5)), -2.5);
    EXPECT_CV_CODE(BytesToDouble(Bytes({1, 2, 3})), kErrBadPartialValue);
}
