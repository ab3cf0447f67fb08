#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "engine/screen/MemoryPresentTarget.h"
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"
#include "tests/scene/SceneDataFolder.h"
#include "tests/screen/ReferenceFrame.h"

// The real benchmark scene, stepped with a fixed clock and a scripted pointer: every
// presented frame must equal a full redraw of both layers from scratch, whatever the
// drawers keep between frames.
namespace {

constexpr std::uint32_t W = 1366;
constexpr std::uint32_t H = 768;

class SceneFrames {
public:
    explicit SceneFrames(const BenchmarkScene::Options& options)
        : scene(target, std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240), W, H, options)
    {
    }

    // One iteration on the calling thread; the frame composed before it is presented by it.
    void stepAndCompare()
    {
        vantrel::Screen& screen = scene.getScreen();
        const vantrel::Image expected = vantrel::testing::drawFrameFromScratch(screen);
        const std::uint8_t level = screen.transitionLevel;
        screen.step(time += 1000 / 60);
        ++iterations;
        const long difference = vantrel::testing::firstDifference(target->snapshot(), expected);
        ASSERT_EQ(difference, -1) << "iteration " << iterations << ", level " << int(level)
                                  << (screen.getTransitionRule() ? " (wipe)" : "") << ": first wrong pixel at ("
                                  << difference % W << ", " << difference / W << ")";
    }

    void skipToLevel(std::uint8_t level)
    {
        vantrel::Screen::Lock lock(scene.getScreen());
        scene.getScreen().transitionLevel = level;
        scene.getScreen().invalidate();
    }

    std::shared_ptr<vantrel::MemoryPresentTarget> target = std::make_shared<vantrel::MemoryPresentTarget>(W, H);
    BenchmarkScene scene;
    std::uint32_t time = 1000;
    int iterations = 0;
};

BenchmarkScene::Options steppedByHand()
{
    BenchmarkScene::Options options;
    options.workerCount = 1;
    options.startRendering = false;
    return options;
}

class SceneFramesTest : public ::testing::Test {
protected:
    WorkingDirectory inDataFolder{generatedDataFolder()};
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
    const Phase phases[] = {{0, 30}, {250, 12}, {3, 30}};
#else
    const Phase phases[] = {{0, 270}, {3, 60}};
#endif
    SceneFrames frames(steppedByHand());
    frames.scene.getScreen().step(frames.time); // composes the first frame
    // The first frame, the plain cross-fade rising, layer 1 alone, turning and falling;
    // then down to layer 0 alone, where the first wipe image is picked, and into the wipe.
    for (const Phase& phase : phases) {
        if (phase.level != 0) {
            frames.skipToLevel(phase.level);
        }
        for (int i = 0; i < phase.iterations; ++i) {
            ASSERT_NO_FATAL_FAILURE(frames.stepAndCompare());
        }
    }
    ASSERT_NE(frames.scene.getScreen().getTransitionRule(), nullptr);
}

TEST_F(SceneFramesTest, FramesDrawnByTwoWorkersLeaveTheRightPicture)
{
    // Time runs 17 ms per reading, so the loop never waits for a deadline.
    auto clock = std::make_shared<std::atomic<std::uint32_t>>(0);
    BenchmarkScene::Options options;
    options.workerCount = 2;
    options.clock = [clock] {
        std::this_thread::yield();
        return *clock += 17;
    };
    SceneFrames frames(options);
    for (std::uint64_t presents : {40u, 80u}) {
        while (frames.target->getPresentCount() < presents) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        frames.scene.getScreen().stop();
        // What the workers drew and kept is now checked frame by frame on this thread.
        for (int i = 0; i < 3; ++i) {
            ASSERT_NO_FATAL_FAILURE(frames.stepAndCompare());
        }
        frames.scene.getScreen().start();
    }
}
