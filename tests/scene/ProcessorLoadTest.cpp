#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "engine/sprite/TextSprite.h"
#include "scene/ProcessorLoadSource.h"
#include "scene/ProcessorLoadTask.h"
#include "tests/io/TemporaryDirectory.h"
#include "tests/scene/SceneTestSupport.h"

namespace {

void writeStat(const TemporaryDirectory& folder, const std::string& text)
{
    std::ofstream(folder.file("stat"), std::ios::trunc) << text;
}

} // namespace

TEST(ParseProcessorTimes, SumsTheEightFieldsAndLeavesIdleOutOfBusy)
{
    auto times = parseProcessorTimes("cpu  1 2 3 4 5 6 7 8 9 10\ncpu7 10 0 0 30\nintr 5\ncpux 1 1\n");
    ASSERT_EQ(times.size(), 2u);
    EXPECT_EQ(times[0].name, "cpu");
    EXPECT_EQ(times[0].total, 36u);
    EXPECT_EQ(times[0].busy, 27u);
    EXPECT_EQ(times[1].name, "cpu7");
    EXPECT_EQ(times[1].total, 40u);
    EXPECT_EQ(times[1].busy, 10u);

    // Zero when no time passed or the counters went back.
    ProcessorTimes before{"cpu0", 100, 40};
    EXPECT_DOUBLE_EQ(busyPercent(before, ProcessorTimes{"cpu0", 200, 90}), 50.0);
    EXPECT_DOUBLE_EQ(busyPercent(before, before), 0.0);
    EXPECT_DOUBLE_EQ(busyPercent(before, ProcessorTimes{"cpu0", 50, 10}), 0.0);
}

TEST(ProcessorLoadSource, ListsProcessorsThenTheTotalAndMeasuresBetweenCollections)
{
    TemporaryDirectory folder;
    writeStat(folder, "cpu  300 0 100 550 50\ncpu0 200 0 50 225 25\ncpu1 100 0 50 325 25\n");
    ProcessorLoadSource source(folder.file("stat"));
    ASSERT_EQ(source.getCount(), 3u);
    EXPECT_EQ(source.getLabel(0), "(0)");
    EXPECT_EQ(source.getLabel(1), "(1)");
    EXPECT_EQ(source.getLabel(2), "(_Total)");

    source.collect();
    EXPECT_DOUBLE_EQ(source.getLoad(0), 0.0);
    writeStat(folder, "cpu  400 0 200 750 50\ncpu0 300 0 100 275 25\ncpu1 100 0 100 475 25\n");
    source.collect();
    EXPECT_DOUBLE_EQ(source.getLoad(0), 75.0);
    EXPECT_DOUBLE_EQ(source.getLoad(1), 25.0);
    EXPECT_DOUBLE_EQ(source.getLoad(2), 50.0);

    std::remove(folder.file("stat").c_str());
    source.collect();
    EXPECT_DOUBLE_EQ(source.getLoad(0), 75.0);
}

TEST(ProcessorLoadSource, MissingOrDamagedFilesGiveNoInstancesOrNoChange)
{
    TemporaryDirectory folder;
    ProcessorLoadSource missing(folder.file("nothing"));
    EXPECT_EQ(missing.getCount(), 0u);
    missing.collect();

    writeStat(folder, "cpu0 12 x\ncpu\ngarbage\ncpu1");
    ProcessorLoadSource damaged(folder.file("stat"));
    ASSERT_EQ(damaged.getCount(), 3u);
    EXPECT_EQ(damaged.getLabel(1), "(1)");
    damaged.collect();
    damaged.collect();
    EXPECT_DOUBLE_EQ(damaged.getLoad(0), 0.0);
}

TEST(LoadBarGeometry, BarsInnerBarsAndOutOfRangeLoads)
{
    using vantrel::Rect;
    struct Case {
        double load;
        std::uint32_t index;
        std::int32_t barEnd;
        bool hasBar;
        Rect bar;
        bool hasInnerBar;
        Rect innerBar;
    };
    const Case cases[] = {
        {0.5, 1, 1101, true, {1100, 38, 1101, 62}, false, {}}, // one pixel, no inner bar
        {0.4, 1, 1100, false, {}, false, {}},
        {100.0, 0, 1340, true, {1100, 10, 1340, 34}, true, {1101, 11, 1339, 33}},
        {-10.0, 0, 1076, true, {1076, 10, 1100, 34}, true, {1075, 11, 1101, 33}}, // never reversed
        {std::nan(""), 0, 1100, false, {}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.load);
        LoadBarGeometry g = loadBarGeometry(c.load, c.index);
        EXPECT_EQ(g.y, static_cast<std::int32_t>(10 + 28 * c.index));
        EXPECT_EQ(g.panel, (Rect{1100, g.y, 1340, g.y + 24}));
        EXPECT_EQ(g.barEnd, c.barEnd);
        ASSERT_EQ(g.hasBar, c.hasBar);
        ASSERT_EQ(g.hasInnerBar, c.hasInnerBar);
        if (c.hasBar) {
            EXPECT_EQ(g.bar, c.bar);
        }
        if (c.hasInnerBar) {
            EXPECT_EQ(g.innerBar, c.innerBar);
        }
    }
    EXPECT_EQ(formatLoadLine("(0)", 12.5), "CPU(0) : 12.50");
    EXPECT_EQ(formatLoadLine("(_Total)", 100.0), "CPU(_Total) : 100.00");
}

TEST(ProcessorLoadTask, OneLinePerInstanceWithTheTotalInItsOwnColour)
{
    TemporaryDirectory folder;
    writeStat(folder, "cpu 4 0 0 4 0\ncpu0 1 0 0 1\ncpu1 1 0 0 1\ncpu2 1 0 0 1\ncpu3 1 0 0 1\n");
    auto source = std::make_shared<ProcessorLoadSource>(folder.file("stat"));
    auto screen = makeTestScreen(1366, 200);
    auto board = std::make_shared<ReadoutBoard>();
    ProcessorLoadTask::setUp(*screen, source, board);
    writeStat(folder, "cpu 8 0 0 8 0\ncpu0 2 0 0 2\ncpu1 2 0 0 2\ncpu2 2 0 0 2\ncpu3 2 0 0 2\n");
    screen->step(1000); // collects (first reading) and builds the lines
    screen->step(1016);

    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        for (std::uint32_t i = 0; i < 5; ++i) {
            auto line = spritesOf(*screen, layer, ProcessorLoadTask::firstId + i);
            ASSERT_EQ(line.size(), 3u) << "line " << i; // text, shadow, panel, and no bar at 0 %
            EXPECT_EQ(spritesOf<vantrel::TextSprite>(*screen, layer, ProcessorLoadTask::firstId + i).size(), 2u);
            for (const auto& sprite : line) {
                EXPECT_EQ(sprite->getY() - (sprite->getZOrder() == 599 ? 1 : 0), static_cast<std::int32_t>(10 + 28 * i));
            }
        }
    }
    auto loads = board->getLoads();
    ASSERT_EQ(loads.size(), 5u);
    EXPECT_EQ(loads[4].label, "(_Total)");
}

TEST(ProcessorLoadTask, BarsAreAddedOverASubtractedPanel)
{
    TemporaryDirectory folder;
    writeStat(folder, "cpu 0 0 0 0\ncpu0 0 0 0 0\n");
    auto source = std::make_shared<ProcessorLoadSource>(folder.file("stat"));
    source->collect();
    writeStat(folder, "cpu 50 0 0 50\ncpu0 50 0 0 50\n");
    source->collect(); // both at 50 %
    auto screen = makeTestScreen(1366, 100);
    auto font = std::make_shared<vantrel::Font>("ＭＳ Ｐゴシック", 0, 24, false, false);
    ProcessorLoadTask total(1, std::make_shared<PerformanceCounter>(source, 1), font, "(_Total)", nullptr);
    total(*screen);

    auto fills = spritesOf<vantrel::FillRectSprite>(*screen, 0);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0]->getBlendMode(), vantrel::BlendMode::Subtract);
    EXPECT_EQ(fills[0]->getRect(), (vantrel::Rect{1100, 38, 1340, 62}));
    EXPECT_EQ(fills[0]->getColor().toWord(), 0xC4C4C4u);
    EXPECT_EQ(fills[1]->getRect(), (vantrel::Rect{1100, 38, 1220, 62}));
    EXPECT_EQ(fills[2]->getRect(), (vantrel::Rect{1101, 39, 1219, 61}));
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(fills[i]->getBlendMode(), vantrel::BlendMode::Add);
        EXPECT_EQ(fills[i]->getColor().toWord(), 0x802010u);
        EXPECT_EQ(fills[i]->getZOrder(), 598);
    }
}
