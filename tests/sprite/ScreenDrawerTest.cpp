#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include <vantrel/sprite/FillRectSprite.h>
#include <vantrel/sprite/DrawerState.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>

using namespace vantrel;

namespace {

struct Drawer : ::testing::Test {
    std::shared_ptr<SpriteManager> manager = std::make_shared<SpriteManager>();
    // The frame engine's geometry: 1366-pixel rows, 11-row bands of at most 64 KiB.
    ScreenDrawer drawer{manager, 1366, 768, 65536 / (1366 * 4)};
    ScreenDrawer::State& frames = drawer.getState();

    std::shared_ptr<FillRectSprite> fill(Rect rect, Color color, std::int32_t z = 0)
    {
        auto sprite = std::make_shared<FillRectSprite>(manager, std::weak_ptr<ScreenDrawer>(), 1,
                                                       rect, z, color);
        manager->add(sprite);
        sprite->show();
        return sprite;
    }
};

BandSpan span(std::int32_t left, std::int32_t right)
{
    return BandSpan{left, right};
}

bool operator==(const BandSpan& a, const BandSpan& b)
{
    return a.left == b.left && a.right == b.right;
}

} // namespace

TEST_F(Drawer, BandGeometry)
{
    EXPECT_EQ(drawer.getBandHeight(), 11u);
    EXPECT_EQ(drawer.getBandCount(), 70u);
    EXPECT_EQ(drawer.bandRows(69), (Rect{0, 759, 0, 768}));
    ScreenDrawer wide(manager, 20000, 10, 65536 / (20000 * 4));
    EXPECT_EQ(wide.getBandHeight(), 1u) << "a band is at least one row";
    ScreenDrawer empty(manager, 10, 0, 5);
    EXPECT_GE(empty.getBandHeight(), 1u);
    empty.invalidate(Rect{0, 0, 5, 5});
    EXPECT_FALSE(empty.hasPendingChanges());
}

TEST_F(Drawer, InvalidateClampsAndCoversWholeBandRows)
{
    drawer.invalidate(Rect{-10, -10, 5, 5});
    EXPECT_TRUE(frames.pending.bands[0] == span(0, 5));
    EXPECT_TRUE(frames.pending.bands[1].isEmpty());
    EXPECT_EQ(frames.pending.dirtyRect, (Rect{0, 0, 5, 11}));
    EXPECT_TRUE(frames.pending.dirty);
}

TEST_F(Drawer, SpansOfABandUnite)
{
    drawer.invalidate(Rect{100, 20, 200, 25});
    drawer.invalidate(Rect{50, 21, 60, 22});
    EXPECT_TRUE(frames.pending.bands[1] == span(50, 200));
    EXPECT_EQ(frames.pending.dirtyRect, (Rect{50, 11, 200, 33}));
}

TEST_F(Drawer, RectanglesOutsideOrOnlyTouchingMarkNothing)
{
    drawer.invalidate(Rect{1366, 0, 1400, 10});
    drawer.invalidate(Rect{-20, 0, 0, 10});
    drawer.invalidate(Rect{0, 768, 10, 800});
    drawer.invalidate(Rect{5, 5, 5, 50});
    EXPECT_FALSE(frames.pending.dirty);
    drawer.invalidate(Rect{1000, 760, 2000, 2000});
    EXPECT_TRUE(frames.pending.bands[69] == span(1000, 1366));
    EXPECT_EQ(frames.pending.dirtyRect, (Rect{1000, 759, 1366, 768}));
}

TEST_F(Drawer, ComposeWithoutInvalidationLeavesReadyAlone)
{
    fill(Rect{0, 0, 10, 10}, Color::gray(1));
    EXPECT_EQ(drawer.compose(), Rect{});
    EXPECT_FALSE(frames.ready.dirty);
    EXPECT_TRUE(frames.ready.commands.empty());
}

TEST_F(Drawer, ComposeBuildsCommandsInZOrderAndKeepsUntakenSpans)
{
    fill(Rect{0, 0, 10, 10}, Color::gray(1), 5);
    fill(Rect{0, 0, 10, 10}, Color::gray(2), -1);
    drawer.invalidate(Rect{100, 20, 200, 25});
    EXPECT_EQ(drawer.compose(), (Rect{100, 11, 200, 33}));
    ASSERT_EQ(frames.ready.commands.size(), 2u);
    EXPECT_EQ(frames.ready.commands[0].color.red, 2);
    EXPECT_FALSE(frames.pending.dirty);

    drawer.invalidate(Rect{50, 21, 60, 22});
    drawer.invalidate(Rect{0, 700, 5, 701});
    Rect second = drawer.compose();
    EXPECT_EQ(second, (Rect{0, 11, 200, 704}));
    EXPECT_TRUE(frames.ready.bands[1] == span(50, 200)) << "the untaken frame's spans are kept";
    EXPECT_TRUE(frames.ready.bands[63] == span(0, 5));
}

TEST_F(Drawer, TakingFramesRotatesSpansIntoPreviousBands)
{
    drawer.invalidate(Rect{10, 0, 20, 5});
    drawer.compose();
    drawer.takeReadyFrame();
    EXPECT_TRUE(frames.rendering);
    EXPECT_TRUE(frames.current.bands[0] == span(10, 20));
    EXPECT_FALSE(frames.ready.dirty);
    drawer.invalidate(Rect{0, 0, 50, 5});
    drawer.compose();
    drawer.takeReadyFrame();
    EXPECT_TRUE(frames.previousBands[0] == span(10, 20));
    EXPECT_TRUE(frames.current.bands[0] == span(0, 50));
    EXPECT_EQ(drawer.repaintSpan(0), Rect{}) << "the old span lies inside the new one";
    drawer.finishRender();
    EXPECT_FALSE(frames.rendering);
    EXPECT_TRUE(frames.previousBands[0] == span(0, 50));
    EXPECT_TRUE(frames.current.bands[0].isEmpty());
    EXPECT_TRUE(frames.current.commands.empty());
}

TEST_F(Drawer, RepaintSpanWidensWhenTheOldSpanSticksOut)
{
    frames.previousBands[2] = span(0, 50);
    frames.current.bands[2] = span(10, 20);
    EXPECT_EQ(drawer.repaintSpan(2), (Rect{0, 22, 50, 33}));
    frames.current.bands[2] = BandSpan{};
    EXPECT_EQ(drawer.repaintSpan(2), (Rect{0, 22, 50, 33}));
    frames.previousBands[2] = BandSpan{};
    frames.current.bands[2] = span(10, 20);
    EXPECT_EQ(drawer.repaintSpan(2), Rect{}) << "nothing changed there in the previous frame";
    frames.previousBands[3] = span(100, 110);
    frames.current.bands[3] = span(0, 10);
    EXPECT_EQ(drawer.repaintSpan(3), (Rect{0, 33, 110, 44}));
}

TEST_F(Drawer, MergeUnitesBothStates)
{
    FrameState a, b;
    a.bands.assign(3, BandSpan{});
    b.bands.assign(3, BandSpan{});
    FrameState::merge(a, b);
    EXPECT_FALSE(a.dirty);
    a.bands[0] = span(5, 10);
    a.dirtyRect = Rect{5, 0, 10, 11};
    b.bands[2] = span(1, 2);
    b.dirtyRect = Rect{1, 22, 2, 33};
    FrameState::merge(a, b);
    EXPECT_TRUE(a.bands[0] == span(5, 10) && b.bands[0] == span(5, 10));
    EXPECT_TRUE(a.bands[2] == span(1, 2) && b.bands[2] == span(1, 2));
    EXPECT_EQ(a.dirtyRect, (Rect{1, 0, 10, 33}));
    EXPECT_EQ(b.dirtyRect, a.dirtyRect);
    EXPECT_TRUE(a.dirty && b.dirty);
}

TEST_F(Drawer, DrawBandDrawsOnlyTheSpanAndSkipsCommandsOutsideTheBand)
{
    fill(Rect{0, 0, 1366, 768}, Color::gray(10));
    fill(Rect{0, 0, 1366, 11}, Color::gray(200)); // ends exactly where band 1 starts
    drawer.invalidate(Rect{100, 11, 120, 12});
    drawer.compose();
    drawer.takeReadyFrame();

    Image frame(1366, 768, PixelFormat::Bgrx32);
    std::memset(frame.getPixels(), 0xEE, std::size_t{frame.getPitch()} * 768);
    EXPECT_EQ(drawer.drawBand(frame, 0, 0), (Rect{0, 0, 0, 11}));
    EXPECT_EQ(frame.row(5)[0], 0xEE) << "band 0 has an empty span";
    EXPECT_EQ(drawer.drawBand(frame, 1, 0), (Rect{100, 11, 120, 22}));
    EXPECT_EQ(frame.row(11)[4 * 100], 10);
    EXPECT_EQ(frame.row(21)[4 * 119], 10);
    EXPECT_EQ(frame.row(11)[4 * 99], 0xEE);
    EXPECT_EQ(frame.row(11)[4 * 120], 0xEE);

    // A band-sized scratch image receives the band at row 0.
    Image scratch(1366, 11, PixelFormat::Bgrx32);
    std::memset(scratch.getPixels(), 0xEE, std::size_t{scratch.getPitch()} * 11);
    drawer.drawBand(scratch, 1, -11);
    EXPECT_EQ(scratch.row(0)[4 * 100], 10);
    EXPECT_EQ(scratch.row(10)[4 * 119], 10);
    EXPECT_EQ(scratch.row(0)[4 * 120], 0xEE);
}

// A band keeps a picture of its bottom commands that stay the same, but only when the first
// of them sets every pixel: otherwise the picture would hold what lay below it once.
TEST_F(Drawer, KeptPicturesStartOnlyFromCommandsThatPaintEveryPixel)
{
    for (std::uint8_t bottomOpacity : {255, 128}) {
        SCOPED_TRACE(int(bottomOpacity));
        manager->entries.clear();
        ScreenDrawer keeping{manager, 1366, 768, 11};
        ScreenDrawer redrawing{manager, 1366, 768, 11};
        redrawing.setKeepsPictures(false);
        fill(Rect{0, 0, 1366, 768}, Color::gray(100))->setOpacity(bottomOpacity);
        fill(Rect{0, 0, 600, 11}, Color::gray(50), 1)->setOpacity(70);
        auto top = fill(Rect{0, 0, 10, 10}, Color::gray(250), 2);
        std::uint64_t keptCopies = 0;
        for (int frame = 0; frame < 4; ++frame) {
            top->setPosition(frame, 0);
            Image kept(1366, 11, PixelFormat::Bgrx32);
            Image redrawn(1366, 11, PixelFormat::Bgrx32);
            for (ScreenDrawer* drawer : {&keeping, &redrawing}) {
                drawer->invalidate(Rect{0, 0, 1366, 11});
                drawer->compose();
                drawer->takeReadyFrame();
                Image& band = drawer == &keeping ? kept : redrawn;
                // What lies below differs from frame to frame.
                std::memset(band.getPixels(), 20 * frame, std::size_t{band.getPitch()} * 11);
                DrawTally tally;
                drawer->drawBand(band, 0, 0, &tally);
                keptCopies += drawer == &keeping ? tally.keptPixelsCopied : 0;
            }
            ASSERT_EQ(std::memcmp(kept.getPixels(), redrawn.getPixels(), std::size_t{kept.getPitch()} * 11), 0)
                << "frame " << frame;
        }
        EXPECT_EQ(keptCopies > 0, bottomOpacity == 255);
        EXPECT_EQ(keeping.getKeptBytes() > 0, true);
        EXPECT_EQ(redrawing.getKeptBytes(), 0u);
    }
}
