#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include <vantrel/sprite/DrawerState.h>
#include <vantrel/text/Font.h>
#include "scene/FrameRateTask.h"
#include "tests/scene/SceneTestSupport.h"

// The first three frames are checked through the task below.
TEST(FrameRateMeter, AveragesUpToSixtyFourMeasuredIntervals)
{
    // Intervals of 100, then 64 of 10, then 20.
    std::vector<std::uint32_t> longRun(66, 10);
    longRun.front() = 100;
    longRun.back() = 20;
    struct Case {
        std::uint32_t start;
        std::vector<std::uint32_t> intervals;
        std::vector<double> lastRates;
    };
    const Case cases[] = {
        {0, {16}, {0.0}}, // the first frame at time zero counts as no frame
        {1000, {20, 0, 10}, {50.0, 50.0, 2000.0 / 30.0}}, // the same millisecond adds no interval
        {1000, longRun, {64 * 1000.0 / 730.0, 100.0, 64 * 1000.0 / 650.0}}, // the 65th overwrites the first
    };
    for (const Case& c : cases) {
        FrameRateMeter meter;
        std::uint32_t time = c.start;
        std::vector<double> rates{meter.record(time)};
        for (std::uint32_t interval : c.intervals) {
            rates.push_back(meter.record(time += interval));
        }
        rates.erase(rates.begin(), rates.end() - c.lastRates.size());
        EXPECT_EQ(rates, c.lastRates) << c.start << ", " << c.intervals.size();
    }
}

namespace {

// The read-out sprites of one layer, lowest first.
std::vector<std::shared_ptr<vantrel::TextSprite>> readoutLines(vantrel::Screen& screen, std::uint8_t layer)
{
    auto lines = spritesOf<vantrel::TextSprite>(screen, layer, FrameRateTask::textId);
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a->getZOrder() < b->getZOrder(); });
    return lines;
}

} // namespace

TEST(FrameRateTask, MeasuresAndRedrawsOnlyInIterationsThatDispatchAFrame)
{
    auto screen = makeTestScreen(640, 120);
    auto board = std::make_shared<ReadoutBoard>();
    FrameRateTask::setUp(*screen, board);
    // Whether the next iteration dispatches a frame: the screen is marked dirty after
    // the read-out's task, or everything marked so far is forgotten.
    auto dispatchNext = std::make_shared<bool>(false);
    screen->addTask([dispatchNext](vantrel::Screen& s) {
        if (*dispatchNext) {
            s.invalidate();
        } else {
            for (std::uint8_t layer = 0; layer < 2; ++layer) {
                vantrel::FrameState::clear(s.getDrawer(layer).getState().pending);
            }
        }
        return false;
    });
    vantrel::Font font(sceneFace, 0, 32, false, false);

    struct Iteration {
        std::uint32_t time;
        bool dispatched;
        const char* shown; // nullptr: no read-out yet
    };
    const Iteration iterations[] = {
        {990, false, nullptr}, {1000, true, "0.000"},   {1005, false, "0.000"},  {1010, false, "0.000"},
        {1016, true, "62.500"}, {1033, true, "60.606"}, {1040, false, "60.606"},
    };
    for (std::size_t i = 0; i < std::size(iterations); ++i) {
        const Iteration& now = iterations[i];
        SCOPED_TRACE(now.time);
        *dispatchNext = i + 1 < std::size(iterations) && iterations[i + 1].dispatched;
        auto before = readoutLines(*screen, 0);
        screen->step(now.time);
        for (std::uint8_t layer = 0; layer < 2; ++layer) {
            auto lines = readoutLines(*screen, layer);
            if (!now.shown) {
                EXPECT_TRUE(lines.empty());
                continue;
            }
            ASSERT_EQ(lines.size(), 2u);
            const std::string text = std::string(now.shown) + " fps : screen(" + char('1' + layer) + ")";
            const SpriteFacts expected[] = {
                {SpriteKind::Text, 10000, {2, 2, 2, 2}, 599, 0x404040},
                {SpriteKind::Text, 10000, {0, 0, 0, 0}, 600, 0xFFFFFF},
            };
            for (int k = 0; k < 2; ++k) {
                EXPECT_EQ(factsOf(*lines[k]), expected[k]);
                EXPECT_EQ(textOf(*lines[k], font), text);
            }
        }
        if (!now.dispatched && !before.empty()) {
            EXPECT_EQ(readoutLines(*screen, 0), before) << "rebuilt without a frame";
        }
    }
    EXPECT_DOUBLE_EQ(board->getFrameRate(), 2000.0 / 33.0);
}
