#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/image/Geometry.h"
#include "engine/image/Image.h"
#include "engine/sprite/DrawCommand.h"

namespace vantrel {

class SpriteManager;

// Half-open column range of one band.
struct BandSpan {
    std::int32_t left = 0;
    std::int32_t right = 0;

    bool isEmpty() const noexcept { return left == right; }
};

// Pixels a drawer's commands covered, by command kind; for the benchmark's breakdown.
struct DrawTally {
    std::array<std::uint64_t, 4> pixelsByKind{};

    std::uint64_t total() const noexcept
    {
        return pixelsByKind[0] + pixelsByKind[1] + pixelsByKind[2] + pixelsByKind[3];
    }
};

// One frame's worth of drawing state.
struct FrameState {
    std::vector<BandSpan> bands;
    Rect dirtyRect;
    bool dirty = false;
    DrawCommands commands;
    DrawResources resources;
};

// Turns one layer's sprites into pixels, redrawing only the dirty column span of each
// band. pending (sprite side) -> ready (composed) -> current (being drawn by the workers).
class ScreenDrawer {
public:
    ScreenDrawer(std::weak_ptr<SpriteManager> manager, std::uint32_t width, std::uint32_t height,
                 std::uint32_t requestedBandHeight);
    virtual ~ScreenDrawer() = default;

    // Sprite side, under the Screen lock.
    void invalidate(const Rect& rect);
    Rect compose();
    void finishRender();
    // Render side taking the composed frame: finish the open frame, then ready -> current.
    void takeReadyFrame();

    // Worker side: one band per call, no lock.
    Rect drawBand(Image& destination, std::uint32_t band, std::int32_t rowOffset,
                  DrawTally* tally = nullptr) const;
    Rect repaintSpan(std::uint32_t band) const;

    static void merge(FrameState& a, FrameState& b);
    static void swap(FrameState& a, FrameState& b) noexcept;
    static void clear(FrameState& a);

    std::uint32_t getWidth() const noexcept { return width; }
    std::uint32_t getHeight() const noexcept { return height; }
    std::uint32_t getBandHeight() const noexcept { return bandHeight; }
    std::uint32_t getBandCount() const noexcept { return bandCount; }
    Rect bandRows(std::uint32_t band) const noexcept;

    bool rendering = false;
    FrameState pending;
    FrameState ready;
    FrameState current;
    std::vector<BandSpan> previousBands;

private:
    std::weak_ptr<SpriteManager> manager;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t bandHeight;
    std::uint32_t bandCount;
};

} // namespace vantrel
