#include <gtest/gtest.h>

#include "scene/FrameRateTask.h"

TEST(FrameRateMeter, AveragesTheMeasuredIntervals)
{
    FrameRateMeter meter;
    EXPECT_DOUBLE_EQ(meter.record(1000), 0.0);
    EXPECT_DOUBLE_EQ(meter.record(1016), 62.5);
    EXPECT_DOUBLE_EQ(meter.record(1033), 2000.0 / 33.0);
    EXPECT_EQ(formatFrameRate(2000.0 / 33.0, 1), "60.606 fps : screen(1)");
    EXPECT_EQ(formatFrameRate(0.0, 2), "0.000 fps : screen(2)");

    FrameRateMeter fromZero; // the first frame at time zero counts as no frame
    fromZero.record(0);
    EXPECT_DOUBLE_EQ(fromZero.record(16), 0.0);
}

TEST(FrameRateMeter, FramesInTheSameMillisecondAddNoInterval)
{
    FrameRateMeter meter;
    meter.record(1000);
    meter.record(1020);
    EXPECT_DOUBLE_EQ(meter.record(1020), 50.0);
    EXPECT_DOUBLE_EQ(meter.record(1030), 2000.0 / 30.0); // measured from 1020, not 1000
}

TEST(FrameRateMeter, TheSixtyFifthIntervalOverwritesTheFirst)
{
    FrameRateMeter meter;
    std::uint32_t now = 1000;
    meter.record(now);
    meter.record(now += 100);
    double rate = 0.0;
    for (int i = 0; i < 63; ++i) {
        rate = meter.record(now += 10);
    }
    EXPECT_DOUBLE_EQ(rate, 64 * 1000.0 / 730.0);
    EXPECT_DOUBLE_EQ(meter.record(now += 10), 100.0);
    EXPECT_DOUBLE_EQ(meter.record(now += 20), 64 * 1000.0 / 650.0);
}
