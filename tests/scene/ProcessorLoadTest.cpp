#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/Font.h>
#include "scene/ProcessorLoadSource.h"
#include "scene/ProcessorLoadTask.h"
#include "tests/io/TemporaryDirectory.h"
#include "tests/scene/SceneTestSupport.h"
#include "tests/scene/SpriteFacts.h"

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

TEST(ProcessorLoadTask, CollectsEverySixteenIterationsAndDrawsOneLabelledBarPerInstance)
{
    TemporaryDirectory folder;
    // Before iteration i both the processor and the total have been busy for i * i of
    // 100 * i ticks, so collections at iterations a and b measure a + b percent.
    auto writeTicks = [&folder](std::uint64_t i) {
        const std::string ticks = " " + std::to_string(i * i) + " 0 0 " + std::to_string(100 * i - i * i) + "\n";
        writeStat(folder, "cpu" + ticks + "cpu0" + ticks);
    };
    writeTicks(0);
    auto source = std::make_shared<ProcessorLoadSource>(folder.file("stat"));
    auto screen = makeTestScreen(1366, 200);
    auto board = std::make_shared<ReadoutBoard>();
    ProcessorLoadTask::setUp(*screen, source, board);
    for (std::uint32_t i = 1; i <= 33; ++i) {
        writeTicks(i);
        screen->step(1000 + 16 * i);
        const auto loads = board->getLoads();
        ASSERT_EQ(loads.size(), 2u);
        EXPECT_EQ(loads[0].percent, i < 17 ? 0.0 : i < 33 ? 18.0 : 50.0) << "iteration " << i;
    }

    // Both lines at 50 %: a panel subtracted over 240 x 24, a bar to 1220 added over it and
    // an inner bar one pixel inside, the label and its shadow on top.
    std::vector<SpriteFacts> expected;
    for (std::uint32_t index = 0; index < 2; ++index) {
        const std::uint32_t id = 10001 + index;
        const std::int32_t y = 10 + 28 * static_cast<std::int32_t>(index);
        const std::uint32_t bar = index == 0 ? rgb(32, 128, 16) : rgb(128, 32, 16);
        using enum vantrel::BlendMode;
        expected.push_back({SpriteKind::Fill, id, {1100, y, 1340, y + 24}, 597, gray(196), 255, Subtract});
        expected.push_back({SpriteKind::Fill, id, {1100, y, 1220, y + 24}, 598, bar, 255, Add});
        expected.push_back({SpriteKind::Fill, id, {1101, y + 1, 1219, y + 23}, 598, bar, 255, Add});
        expected.push_back({SpriteKind::Text, id, {1101, y + 1, 1101, y + 1}, 599, gray(64)});
        expected.push_back({SpriteKind::Text, id, {1100, y, 1100, y}, 600, gray(255)});
    }
    vantrel::Font font("ＭＳ Ｐゴシック", 0, 24, false, false);
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        std::vector<SpriteFacts> facts;
        for (const auto& sprite : spritesOf(*screen, layer)) {
            facts.push_back(factsOf(*sprite));
        }
        std::sort(facts.begin(), facts.end(), [](const SpriteFacts& a, const SpriteFacts& b) {
            return std::tie(a.id, a.zOrder, a.rect.left) < std::tie(b.id, b.zOrder, b.rect.left);
        });
        EXPECT_EQ(facts, expected);
        for (const auto& text : spritesOf<vantrel::TextSprite>(*screen, layer)) {
            EXPECT_EQ(textOf(*text, font), text->getId() == 10001 ? "CPU(0) : 50.00" : "CPU(_Total) : 50.00");
        }
    }
}
