#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>

#include <vantrel/sprite/DrawerState.h>
#include <vantrel/sprite/FillRectSprite.h>
#include <vantrel/sprite/ImageSprite.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>
#include "tests/support/Pixels.h"

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

std::pair<std::int32_t, std::int32_t> columns(const BandSpan& span)
{
    return {span.left, span.right};
}

} // namespace

TEST_F(Drawer, BandGeometry)
{
    EXPECT_EQ(drawer.getBandHeight(), 11u);
    EXPECT_EQ(drawer.getBandCount(), 70u);
    EXPECT_EQ(drawer.bandRows(69), (Rect{0, 759, 0, 768}));
    // A band is at least one row.
    EXPECT_EQ(ScreenDrawer(manager, 20000, 10, 65536 / (20000 * 4)).getBandHeight(), 1u);
    ScreenDrawer empty(manager, 10, 0, 5);
    EXPECT_GE(empty.getBandHeight(), 1u);
    empty.invalidate(Rect{0, 0, 5, 5});
    EXPECT_FALSE(empty.hasPendingChanges());
}

// Invalidation clamps to the frame, covers whole band rows and unites the spans of a band;
// rectangles outside or only touching the frame mark nothing.
TEST_F(Drawer, InvalidationEdges)
{
    drawer.invalidate(Rect{1366, 0, 1400, 10});
    drawer.invalidate(Rect{-20, 0, 0, 10});
    drawer.invalidate(Rect{0, 768, 10, 800});
    drawer.invalidate(Rect{5, 5, 5, 50});
    EXPECT_FALSE(frames.pending.dirty);
    drawer.invalidate(Rect{-10, -10, 5, 5});
    EXPECT_EQ(columns(frames.pending.bands[0]), std::pair(0, 5));
    EXPECT_TRUE(frames.pending.bands[1].isEmpty());
    EXPECT_EQ(frames.pending.dirtyRect, (Rect{0, 0, 5, 11}));
    drawer.invalidate(Rect{100, 20, 200, 25});
    drawer.invalidate(Rect{50, 21, 60, 22});
    EXPECT_EQ(columns(frames.pending.bands[1]), std::pair(50, 200));
    drawer.invalidate(Rect{1000, 760, 2000, 2000});
    EXPECT_EQ(columns(frames.pending.bands[69]), std::pair(1000, 1366));
    EXPECT_EQ(frames.pending.dirtyRect, (Rect{0, 0, 1366, 768}));
}

// A frame composed while the one before still waits untaken carries that one's spans too;
// merged states carry each other's.
TEST_F(Drawer, UntakenAndMergedFramesKeepEverySpan)
{
    drawer.invalidate(Rect{100, 20, 200, 25});
    EXPECT_EQ(drawer.compose(), (Rect{100, 11, 200, 33}));
    drawer.invalidate(Rect{0, 700, 5, 701});
    EXPECT_EQ(drawer.compose(), (Rect{0, 11, 200, 704}));
    EXPECT_EQ(columns(frames.ready.bands[1]), std::pair(100, 200));
    EXPECT_EQ(columns(frames.ready.bands[63]), std::pair(0, 5));

    FrameState a{.bands = {{5, 10}, {}, {}}, .dirtyRect = {5, 0, 10, 11}};
    FrameState b{.bands = {{}, {}, {1, 2}}, .dirtyRect = {1, 22, 2, 33}};
    FrameState::merge(a, b);
    for (const FrameState* state : {&a, &b}) {
        EXPECT_EQ(columns(state->bands[0]), std::pair(5, 10));
        EXPECT_EQ(columns(state->bands[2]), std::pair(1, 2));
        EXPECT_TRUE(state->dirty);
        EXPECT_EQ(state->dirtyRect, (Rect{1, 0, 10, 33}));
    }
}

// A band keeps a picture of its bottom commands that stay the same, but only when the first
// of them sets every pixel: otherwise the picture would hold what lay below it once.
TEST_F(Drawer, KeptPicturesStartOnlyFromCommandsThatPaintEveryPixel)
{
    // Bottoms: an opaque fill, a translucent one, a picture whose pixels all carry alpha.
    for (int bottom : {0, 1, 2}) {
        SCOPED_TRACE(bottom);
        manager->entries.clear();
        ScreenDrawer keeping{manager, 1366, 768, 11};
        ScreenDrawer redrawing{manager, 1366, 768, 11};
        redrawing.setKeepsPictures(false);
        if (bottom == 2) {
            auto picture = std::make_shared<Image>(1366, 768, PixelFormat::GrayAlpha16);
            std::memset(picture->getPixels(), 200, std::size_t{picture->getPitch()} * 768);
            auto sprite = std::make_shared<ImageSprite>(manager, std::weak_ptr<ScreenDrawer>(), 1, 0, 0, 0,
                                                        picture);
            manager->add(sprite);
            sprite->show();
        } else {
            fill(Rect{0, 0, 1366, 768}, Color::gray(100))->setOpacity(bottom == 0 ? 255 : 128);
        }
        fill(Rect{0, 0, 600, 11}, Color::gray(50), 1)->setOpacity(70);
        auto top = fill(Rect{0, 0, 10, 10}, Color::gray(250), 2);
        // What lies below differs from frame to frame.
        auto draw = [](ScreenDrawer& drawer, int frame, DrawTally& tally) {
            drawer.invalidate(Rect{0, 0, 1366, 11});
            drawer.compose();
            drawer.takeReadyFrame();
            Image band(1366, 11, PixelFormat::Bgrx32);
            std::memset(band.getPixels(), 20 * frame, std::size_t{band.getPitch()} * 11);
            drawer.drawBand(band, 0, 0, &tally);
            return band;
        };
        DrawTally kept, redrawn;
        for (int frame = 0; frame < 4; ++frame) {
            top->setPosition(frame, 0);
            const Image picture = draw(keeping, frame, kept);
            const Image expected = draw(redrawing, frame, redrawn);
            ASSERT_TRUE(sameImage(&picture, &expected)) << "frame " << frame;
        }
        EXPECT_EQ(kept.keptPixelsCopied > 0, bottom == 0);
        EXPECT_GT(keeping.getKeptBytes(), 0u);
        EXPECT_EQ(redrawing.getKeptBytes(), 0u);
    }
}
