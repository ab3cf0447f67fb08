#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <vantrel/base/Exception.h>
#include "tests/scene/RealScene.h"
#include "tests/support/Eventually.h"

// The real benchmark scene, stepped by hand or run by its own threads.
namespace {

class SceneFramesTest : public ::testing::Test {
protected:
    WorkingDirectory inDataFolder{generatedDataFolder};
};

} // namespace

TEST_F(SceneFramesTest, EveryPresentedFrameEqualsAFullRedraw)
{
    // Each phase first moves the transition level (0: leave it), then steps.
    struct Phase {
        std::uint8_t level;
        int iterations;
    };
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // Instrumented builds draw a few dozen frames of each phase.
    const Phase phases[] = {{0, 30}, {250, 12}, {3, 30}, {120, 5}};
#else
    const Phase phases[] = {{0, 270}, {3, 60}, {120, 10}};
#endif
    SteppedScene stepped;
    stepped.stepTo(1); // composes the first frame
    // The first frame, the plain cross-fade rising, layer 1 alone, turning and falling;
    // then down to layer 0 alone, where the first wipe image is picked, into the wipe and
    // half way through it.
    for (const Phase& phase : phases) {
        if (phase.level != 0) {
            stepped.skipToLevel(phase.level);
        }
        for (int i = 0; i < phase.iterations; ++i) {
            ASSERT_NO_FATAL_FAILURE(stepped.stepAndCompare());
        }
        if (phase.level == 3) {
            ASSERT_NE(stepped.screen.getTransitionRule(), nullptr);
        }
    }
    EXPECT_EQ(stepped.target->getPresentCount(), stepped.iterations - 1);
}

TEST_F(SceneFramesTest, TwoWorkersLeaveTheRightPictureAndStopCleanly)
{
    // Time runs 17 ms per reading, so the loop never waits for a deadline.
    auto clock = std::make_shared<std::atomic<std::uint32_t>>(0);
    BenchmarkScene::Options options;
    options.workerCount = 2;
    options.clock = [clock] {
        std::this_thread::yield();
        return *clock += 17;
    };
    auto stepped = std::make_unique<SteppedScene>(options);
    const auto pointer = stepped->pointer;
    for (std::uint64_t presents : {40u, 80u}) {
        ASSERT_TRUE(eventually([&] { return stepped->target->getPresentCount() >= presents; }));
        stepped->screen.stop();
        // What the workers drew and kept is now checked frame by frame on this thread.
        for (int i = 0; i < 3; ++i) {
            ASSERT_NO_FATAL_FAILURE(stepped->stepAndCompare());
        }
        stepped->screen.start();
    }
    stepped->scene.paint();
    stepped->scene.click(100, 100);
    const std::uint64_t presents = stepped->target->getPresentCount();
    ASSERT_TRUE(eventually([&] { return stepped->target->getPresentCount() > presents; }));
    EXPECT_TRUE(eventually([&] { return stepped->scene.getReadouts().getFrameRate() > 0.0; }));

    EXPECT_GT(pointer->getReadings(), 1u);
    stepped.reset(); // stops the render loop while it runs
    const std::uint64_t readings = pointer->getReadings();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(pointer->getReadings(), readings);
}

TEST(SceneThreads, AMissingSoundAfterTheStartStopsTheRunningLoop)
{
    TemporaryDirectory folder;
    linkDataFilesExcept(folder, "click.wav");
    WorkingDirectory inFolder(folder.getPath());
    auto pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
    BenchmarkScene::Options options;
    options.workerCount = 2;
    EXPECT_THROW(BenchmarkScene(std::make_shared<vantrel::MemoryPresentTarget>(1366, 768), pointer, 1366, 768, options),
                 vantrel::Win32Exception);
    const std::uint64_t readings = pointer->getReadings();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(pointer->getReadings(), readings);
}
