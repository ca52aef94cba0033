#include "timing/time_format.h"

#include <gtest/gtest.h>

using namespace ksy;

TEST(TimeFormat, ShortFormDropsLeadingZeroParts)
{
    EXPECT_EQ(formatShortTime(0, 1, 23, 456), "1:23.456");
    EXPECT_EQ(formatShortTime(0, 0, 3, 456), "3.456");
    EXPECT_EQ(formatShortTime(1, 2, 3, 4), "1:02:03.004");
    EXPECT_EQ(formatShortTime(0, 0, 0, 0), "0.000");
    EXPECT_EQ(formatShortTime(83456), "1:23.456");
    EXPECT_EQ(formatShortTime(3723004), "1:02:03.004");
    EXPECT_EQ(formatShortTime(60000), "1:00.000");
}

TEST(TimeFormat, TotalFormAlwaysShowsMinutes)
{
    EXPECT_EQ(formatTotalTime(0, 0, 3, 456), "0:03.456");
    EXPECT_EQ(formatTotalTime(1, 2, 3, 4), "1:02:03.004");
    EXPECT_EQ(formatTotalTime(3456), "0:03.456");
    EXPECT_EQ(formatTotalTime(36000000), "10:00:00.000");
}

TEST(TimeFormat, ClocksAndNegativeTimes)
{
    EXPECT_EQ(formatClock(0, 5, 7), "0:05:07");
    EXPECT_EQ(formatClock(3723004), "1:02:03");
    EXPECT_EQ(formatClockMinutes(0, 15), "0:15:00");

    // A gap behind reads as a minus and the magnitude, however it was split.
    const TimeParts p = splitTime(-83456);
    EXPECT_EQ(formatShortTime(p.hours, p.minutes, p.seconds, p.milliseconds), "-1:23.456");
    EXPECT_EQ(formatShortTime(-83456), "-1:23.456");
    EXPECT_EQ(formatShortTime(-5), "-0.005");
    EXPECT_EQ(formatTotalTime(-3456), "-0:03.456");
    EXPECT_EQ(formatClock(-65000), "-0:01:05");
    EXPECT_EQ(formatShortTime(INT32_MIN), "-596:31:23.648");
}
