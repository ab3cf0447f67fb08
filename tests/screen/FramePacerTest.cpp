#include <gtest/gtest.h>

#include <cstdint>

#include <vantrel/screen/FramePacer.h>

using namespace vantrel;

namespace {

// A clock that only moves when the pacer sleeps or spins, one millisecond each.
struct FakeTime : ::testing::Test {
    std::uint32_t now = 1000;
    int spins = 0;
    FramePacer pacer{[this] { return now; }};
    FramePacer::Waiter waiter{[this] { ++now; }, [this] {
                                  ++spins;
                                  ++now;
                              }};
};

} // namespace

TEST_F(FakeTime, SixtyDeadlinesMakeOneSecond)
{
    std::uint32_t previous = pacer.frameTime;
    for (int i = 0; i < 60; ++i) {
        pacer.wait(waiter);
        std::uint32_t step = pacer.frameTime - previous;
        EXPECT_TRUE(step == 16 || step == 17) << "iteration " << i << " after " << step << " ms";
        previous = pacer.frameTime;
    }
    EXPECT_EQ(pacer.frameTime, 2000u);
    EXPECT_EQ(pacer.windowStart, 1000u);
    EXPECT_EQ(pacer.nextFrame, 60u);
    pacer.wait(waiter);
    EXPECT_EQ(pacer.windowStart, 2000u) << "the window advances by one second";
    EXPECT_EQ(pacer.frameTime, 2016u);
    EXPECT_EQ(pacer.nextFrame, 1u);
    EXPECT_GT(spins, 0) << "the last millisecond is spun, not slept";
}

TEST_F(FakeTime, LateIterationsRunBackToBackUntilTheScheduleIsMet)
{
    pacer.wait(waiter); // 1016
    now += 100;         // the iteration overran by 100 ms
    std::uint32_t before = now;
    pacer.wait(waiter);
    EXPECT_EQ(pacer.frameTime, before) << "no wait after a late iteration";
    EXPECT_EQ(pacer.nextFrame, 2u);
    // The clock moves only while the pacer waits.
    int immediate = 0;
    for (pacer.wait(waiter); pacer.frameTime == before; pacer.wait(waiter)) {
        ++immediate;
    }
    EXPECT_EQ(immediate, 5) << "deadlines 1050 to 1116 had all come by 1116";
    EXPECT_EQ(pacer.frameTime, 1133u);
}

TEST_F(FakeTime, AFiveSecondBacklogIsDropped)
{
    pacer.wait(waiter);
    now += 6000;
    pacer.wait(waiter);
    EXPECT_EQ(pacer.windowStart, 7016u);
    EXPECT_EQ(pacer.frameTime, 7032u);
    EXPECT_EQ(pacer.nextFrame, 1u);
}

TEST_F(FakeTime, WaitSurvivesTheClockWrapping)
{
    now = 0xFFFFFFF0u;
    pacer.restart();
    pacer.wait(waiter);
    EXPECT_EQ(pacer.frameTime, 0xFFFFFFF0u + 16u);
    EXPECT_EQ(pacer.nextFrame, 1u);
}
