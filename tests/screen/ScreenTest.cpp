#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/sprite/DrawerState.h>
#include "tests/support/Eventually.h"

using namespace vantrel;
using namespace std::chrono_literals;

namespace {

struct Stepped : ::testing::Test {
    std::shared_ptr<MemoryPresentTarget> target = std::make_shared<MemoryPresentTarget>(64, 32);
    Screen screen{target, 64, 32, 1};
};

// Counts presents and catches two presents overlapping.
class CountingTarget : public IPresentTarget {
public:
    std::atomic<int> presents{0};
    std::atomic<int> inside{0};
    std::atomic<bool> overlapped{false};

protected:
    void presentImpl(const Image&, const Rect&) override
    {
        if (++inside > 1) {
            overlapped = true;
        }
        std::this_thread::sleep_for(200us);
        --inside;
        ++presents;
    }
};

} // namespace

// Tasks run in the order added, each iteration, until one returns true; a task added by a task
// runs from the next iteration; one that throws stays in its place.
TEST_F(Stepped, TasksRunInOrderUntilTheyReturnTrue)
{
    std::string order;
    int calls = 0;
    screen.addTask([&](Screen& s) {
        order += 'a';
        s.addTask([&](Screen&) { order += 'e'; return true; });
        return true;
    });
    screen.addTask([&](Screen&) { order += 'b'; return false; });
    screen.addTask([&](Screen&) {
        order += 'c';
        if (++calls == 2) {
            throw std::runtime_error("once");
        }
        return false;
    });
    screen.addTask([&](Screen&) { order += 'd'; return false; });
    for (std::uint32_t time : {0u, 16u, 33u, 50u}) {
        screen.step(time);
        order += ' ';
    }
    EXPECT_EQ(order, "abcd bc bcde bcd ");
}

TEST_F(Stepped, FramesDrawnOnlyWhenSomethingChangedOrAllWasInvalidated)
{
    std::vector<bool> seen;
    screen.addTask([&](Screen& s) {
        seen.push_back(s.frameDispatched());
        return false;
    });
    screen.createFillRectSprite(0, 1u, Rect{0, 0, 64, 32}, 0, Color::gray(200))->show();
    screen.step(0);  // composes the first frame
    screen.step(16); // draws it
    screen.step(33); // nothing changed
    EXPECT_EQ(target->getPresentCount(), 1u);
    screen.invalidate();
    screen.step(50);
    screen.step(66);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, false, true}));
    EXPECT_EQ(target->getPresentCount(), 2u) << "an invalidated screen is drawn again, whole";
    EXPECT_EQ(target->getLastRect(), (Rect{0, 0, 64, 32}));
    EXPECT_EQ(target->snapshot().row(31)[4 * 63], 200);
    EXPECT_EQ(screen.frameTime(), 66u);
}

TEST_F(Stepped, ANewLevelInvalidatesAndARuleOnlyMidTransition)
{
    auto rule = std::make_shared<Image>(64, 32, PixelFormat::Gray8);
    screen.setTransitionRule(rule);
    EXPECT_EQ(screen.getRuleSoftness(), 64);
    EXPECT_FALSE(screen.getDrawer(0).hasPendingChanges()) << "level 0: stored without invalidating";
    screen.setTransitionLevel(100);
    EXPECT_TRUE(screen.getDrawer(1).hasPendingChanges()) << "a new level redraws both layers";
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        FrameState::clear(screen.getDrawer(layer).getState().pending);
    }
    screen.setTransitionLevel(100);
    screen.setTransitionRule(rule);
    EXPECT_FALSE(screen.getDrawer(0).hasPendingChanges()) << "the same level and rule change nothing";
    screen.setTransitionRule(nullptr);
    EXPECT_EQ(screen.getDrawer(0).getPendingRect(), (Rect{0, 0, 64, 32}));
    EXPECT_EQ(screen.getDrawer(1).getPendingRect(), (Rect{0, 0, 64, 32}));
}

// Presents never overlap, start() restarts the loop with fresh workers, and destroying the
// Screen while its workers draw ends promptly.
TEST(Screen, RunsPresentsRestartsAndEndsWhileDrawing)
{
    auto target = std::make_shared<CountingTarget>();
    auto screen = std::make_unique<Screen>(target, 1366, 768); // one worker per processor
    ASSERT_GE(screen->getWorkerCount(), 1u);
    auto sprite = screen->createFillRectSprite(0, 1u, Rect{0, 0, 1366, 768}, 0, Color::gray(3));
    sprite->show();
    sprite->setBlendMode(BlendMode::Multiply);
    screen->addTask([&](Screen& s) {
        s.invalidate();
        return false;
    });
    screen->start();
    ASSERT_TRUE(eventually([&] { return target->presents >= 5; }));
    screen->start();
    const int before = target->presents;
    ASSERT_TRUE(eventually([&] { return target->presents >= before + 5; }));
    const auto destroyed = std::chrono::steady_clock::now();
    screen.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - destroyed, 5s);
    EXPECT_FALSE(target->overlapped) << "presents never overlap";
}
