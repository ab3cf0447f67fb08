#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include "tests/screen/RandomSpriteScript.h"
#include "tests/support/ReferenceFrame.h"

using namespace vantrel;
using namespace vantrel::testing;
using Transitions = RandomSpriteScript::Transitions;

// After any sequence of sprite changes and frames, the presented picture equals a full
// redraw of all visible sprites, pixel for pixel. 2048-pixel rows give 8-row bands.
namespace {

constexpr std::uint32_t width = 2048;
constexpr std::uint32_t height = 100;

struct Case {
    const char* name;
    Transitions transitions;
    std::uint32_t seed;
};

class PictureInvariant : public ::testing::TestWithParam<Case> {};

void expectPresentedEqualsFullRedraw(Screen& screen, MemoryPresentTarget& target, std::uint32_t seed,
                                     int checkpoint)
{
    const long difference = firstDifference(target.snapshot(), drawFrameFromScratch(screen));
    ASSERT_EQ(difference, -1) << "seed " << seed << ", checkpoint " << checkpoint
                              << ", first wrong pixel at (" << difference % width << ", "
                              << difference / width << ")";
}

} // namespace

TEST_P(PictureInvariant, SteppedOnOneThread)
{
    auto target = std::make_shared<MemoryPresentTarget>(width, height);
    Screen screen(target, width, height, 1);
    RandomSpriteScript script(screen, GetParam().seed, GetParam().transitions);
    std::uint32_t time = 0;
    for (int checkpoint = 0; checkpoint < 60; ++checkpoint) {
        script.changesLeft = 50;
        for (int i = 0; i < 54 && (script.changesLeft > 0 || !screen.isSettled()); ++i) {
            screen.step(time += 16);
        }
        ASSERT_TRUE(screen.isSettled());
        expectPresentedEqualsFullRedraw(screen, *target, GetParam().seed, checkpoint);
    }
}

TEST_P(PictureInvariant, DrawnByWorkers)
{
    // One worker presenting whole frames, three handing over their bands as they finish.
    for (std::uint32_t workers : {1u, 3u}) {
        SCOPED_TRACE(workers);
        auto target = std::make_shared<MemoryPresentTarget>(width, height, workers > 1);
        // Time runs 17 ms per reading, so the loop never waits for a deadline.
        std::atomic<std::uint32_t> clock{0};
        Screen screen(target, width, height, workers, [&clock] {
            std::this_thread::yield();
            return clock += 17;
        });
        RandomSpriteScript script(screen, GetParam().seed, GetParam().transitions);
        screen.start();
        for (int checkpoint = 0; checkpoint < 15; ++checkpoint) {
            script.changesLeft = 40;
            auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (script.changesLeft > 0 || !screen.isSettled()) {
                ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the frames never settled";
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            Screen::Lock guard(screen);
            expectPresentedEqualsFullRedraw(screen, *target, GetParam().seed, checkpoint);
        }
        screen.stop();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layers, PictureInvariant,
    ::testing::Values(Case{"Layer0", Transitions::Layer0Only, 11}, Case{"Layer1", Transitions::Layer1Only, 12},
                      Case{"CrossFade", Transitions::CrossFade, 13}, Case{"RuleWipe", Transitions::RuleWipe, 14},
                      Case{"Everything", Transitions::Any, 15}, Case{"EverythingAgain", Transitions::Any, 16}),
    [](const auto& info) { return std::string(info.param.name); });
