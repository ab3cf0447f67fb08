#pragma once

// A ScreenDrawer's frame states and kept pictures, for the engine's render side and the
// tests. Internal to the engine.

#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/sprite/BandLists.h>
#include <vantrel/sprite/DrawCommand.h>
#include <vantrel/sprite/OpaqueCover.h>
#include <vantrel/sprite/ScreenDrawer.h>

namespace vantrel {

// Half-open column range of one band.
struct BandSpan {
    std::int32_t left = 0;
    std::int32_t right = 0;

    bool isEmpty() const noexcept { return left == right; }
};

// One frame's worth of drawing state.
struct FrameState {
    std::vector<BandSpan> bands;
    Rect dirtyRect;
    bool dirty = false;
    DrawCommands commands;
    BandLists lists; // the commands of each band
    DrawResources resources;
    // Per command, where it sets every pixel of its bounds: null nowhere, an empty table
    // everywhere, else a flag per row of its image.
    std::vector<const OpaqueRows*> opaqueRows;

    // Unites the two states' spans and rectangles into both.
    static void merge(FrameState& a, FrameState& b);
    static void clear(FrameState& a);
};

// One band's picture of the bottom commands that stayed the same from frame to frame,
// kept so that a redraw of the band starts from a copy of it.
struct KeptBand {
    DrawCommands commands; // the band's commands the picture holds, in drawing order
    BandSpan valid;        // the columns where it holds them
    std::shared_ptr<const DrawResources> resources; // keeps their images and glyphs alive
    bool refreshed = false; // made anew while drawing `current`
};

// pending (sprite side) -> ready (composed) -> current (being drawn by the workers).
struct ScreenDrawer::State {
    bool rendering = false;
    FrameState pending;
    FrameState ready;
    FrameState current;
    std::vector<BandSpan> previousBands;

    bool drawsFromKept = false; // for `current`, fixed when it is taken
    std::unique_ptr<Image> keptPicture;
    std::vector<KeptBand> keptBands;
    DrawCommands previousCommands; // those of the frame before `current`
    BandLists previousLists;
    OpaqueCover opaqueCover;
};

} // namespace vantrel
