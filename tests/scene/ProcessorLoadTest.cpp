#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/Font.h>
#include "scene/ProcessorLoadSource.h"
#include "scene/ProcessorLoadTask.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/scene/SceneTestSupport.h"

TEST(ProcessorLoadSource, ListsProcessorsThenTheTotalAndMeasuresBetweenCollections)
{
    TemporaryDirectory folder;
    // Eight fields count (the guest times after them do not); idle and iowait are not busy.
    const char* const first = "cpu  300 0 100 550 50 0 0 0 9 9\ncpu0 200 0 50 225 25\n"
                              "intr 5\ncpux 1 1\ncpu1 100\n";
    const char* const second = "cpu  400 0 180 700 100 0 0 20 90 90\ncpu0 300 0 100 275 25\n"
                               "cpu1 150 0 0 150\n";
    std::ofstream(folder.file("stat")) << first;
    ProcessorLoadSource source(folder.file("stat"));
    ASSERT_EQ(source.getCount(), 3u);
    EXPECT_EQ(source.getLabel(0) + source.getLabel(1) + source.getLabel(2), "(0)(1)(_Total)");
    // The file's text at each collection (nullptr: the file is gone), then the loads read.
    const std::pair<const char*, std::vector<double>> collections[] = {
        {first, {0, 0, 0}},
        {second, {75, 25, 50}},
        {nullptr, {75, 25, 50}},
        {second, {0, 0, 0}}, // no time passed
        {first, {0, 0, 0}},  // the counters went back
        {"cpu0 12 x\ncpu\ngarbage\ncpu1", {0, 0, 0}}, // damaged
    };
    for (const auto& [stat, loads] : collections) {
        std::remove(folder.file("stat").c_str());
        if (stat) {
            std::ofstream(folder.file("stat")) << stat;
        }
        source.collect();
        EXPECT_EQ((std::vector<double>{source.getLoad(0), source.getLoad(1), source.getLoad(2)}), loads);
    }

    ProcessorLoadSource missing(folder.file("nothing"));
    EXPECT_EQ(missing.getCount(), 0u);
    missing.collect();
    ProcessorLoadSource damaged(folder.file("stat")); // from the damaged file above
    ASSERT_EQ(damaged.getCount(), 3u);
    EXPECT_EQ(damaged.getLabel(0) + damaged.getLabel(1) + damaged.getLabel(2), "(0)(1)(_Total)");
}

TEST(LoadBarGeometry, BarsInnerBarsAndOutOfRangeLoads)
{
    using vantrel::Rect;
    // A load, then the bar's end and the bar and inner bar of line 0 (empty: none).
    const std::tuple<double, std::int32_t, Rect, Rect> cases[] = {
        {0.5, 1101, {1100, 10, 1101, 34}, {}}, // one pixel, no inner bar
        {0.4, 1100, {}, {}},
        {100.0, 1340, {1100, 10, 1340, 34}, {1101, 11, 1339, 33}},
        {-10.0, 1076, {1076, 10, 1100, 34}, {1075, 11, 1101, 33}}, // never reversed
        {std::nan(""), 1100, {}, {}},
    };
    for (const auto& [load, barEnd, bar, innerBar] : cases) {
        SCOPED_TRACE(load);
        LoadBarGeometry g = loadBarGeometry(load, 0);
        EXPECT_EQ(g.barEnd, barEnd);
        EXPECT_EQ(g.hasBar ? g.bar : Rect{}, bar);
        EXPECT_EQ(g.hasInnerBar ? g.innerBar : Rect{}, innerBar);
    }
}

TEST(ProcessorLoadTask, CollectsEverySixteenIterationsAndDrawsOneLabelledBarPerInstance)
{
    TemporaryDirectory folder;
    // Before iteration i both the processor and the total have been busy for i * i of
    // 100 * i ticks, so collections at iterations a and b measure a + b percent.
    auto writeTicks = [&folder](std::uint64_t i) {
        const std::string ticks = " " + std::to_string(i * i) + " 0 0 " + std::to_string(100 * i - i * i) + "\n";
        std::ofstream(folder.file("stat")) << "cpu" + ticks + "cpu0" + ticks;
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
        const std::uint32_t bar = index == 0 ? 0x208010u : 0x802010u;
        using enum vantrel::BlendMode;
        expected.push_back({SpriteKind::Fill, id, {1100, y, 1340, y + 24}, 597, 0xC4C4C4, 255, Subtract});
        expected.push_back({SpriteKind::Fill, id, {1100, y, 1220, y + 24}, 598, bar, 255, Add});
        expected.push_back({SpriteKind::Fill, id, {1101, y + 1, 1219, y + 23}, 598, bar, 255, Add});
        expected.push_back({SpriteKind::Text, id, {1101, y + 1, 1101, y + 1}, 599, 0x404040});
        expected.push_back({SpriteKind::Text, id, {1100, y, 1100, y}, 600, 0xFFFFFF});
    }
    vantrel::Font font(sceneFace, 0, 24, false, false);
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
