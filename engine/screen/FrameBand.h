#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/image/TransitionTable.h>
#include <vantrel/screen/FrameBreakdown.h>
#include <vantrel/sprite/ScreenDrawer.h>

namespace vantrel {

// What a worker needs to draw the bands of one frame, taken when the frame starts.
struct FrameSnapshot {
    ScreenDrawer* first = nullptr;  // drawn straight into the back buffer
    ScreenDrawer* second = nullptr; // drawn into the scratch band and blended over
    Image* back = nullptr;
    const Image* front = nullptr;
    std::uint8_t level = 0;
    const Image* rule = nullptr;
    TransitionTable table;
    std::uint32_t bandHeight = 1;
    std::uint8_t firstLayer = 0; // the layer index of `first`
};

// Builds the snapshot for the layers taking part (either drawer may be null).
FrameSnapshot makeFrameSnapshot(ScreenDrawer* layer0, ScreenDrawer* layer1,
                                Image& back, const Image& front, std::uint8_t level,
                                const Image* rule, std::uint8_t softness);

// Brings one band of the back buffer up to date from the front buffer where the previous
// frame changed it, draws the first layer into it and blends the second over it.
// Pixel counts go into `breakdown` when one is given.
void drawFrameBand(const FrameSnapshot& frame, Image& scratch, std::uint32_t band,
                   FrameBreakdown* breakdown = nullptr);

} // namespace vantrel
