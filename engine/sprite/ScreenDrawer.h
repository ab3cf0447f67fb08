#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/sprite/BandLists.h>
#include <vantrel/sprite/DrawCommand.h>
#include <vantrel/sprite/OpaqueCover.h>

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
    std::uint64_t keptPixelsCopied = 0; // copied from or into the kept pictures

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
    BandLists lists; // the commands of each band
    DrawResources resources;
    // Per command, where it sets every pixel of its bounds: null nowhere, an empty table
    // everywhere, else a flag per row of its image.
    std::vector<const OpaqueRows*> opaqueRows;
};

// One band's picture of the bottom commands that stayed the same from frame to frame,
// kept so that a redraw of the band starts from a copy of it.
struct KeptBand {
    DrawCommands commands; // the band's commands the picture holds, in drawing order
    BandSpan valid;        // the columns where it holds them
    std::shared_ptr<const DrawResources> resources; // keeps their images and glyphs alive
    bool refreshed = false; // made anew while drawing `current`
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

    // Worker side: one band per call, no lock. Each call changes only its own band's
    // kept picture.
    Rect drawBand(Image& destination, std::uint32_t band, std::int32_t rowOffset,
                  DrawTally* tally = nullptr);
    Rect repaintSpan(std::uint32_t band) const;

    static void merge(FrameState& a, FrameState& b);
    static void swap(FrameState& a, FrameState& b) noexcept;
    static void clear(FrameState& a);

    std::uint32_t getWidth() const noexcept { return width; }
    std::uint32_t getHeight() const noexcept { return height; }
    std::uint32_t getBandHeight() const noexcept { return bandHeight; }
    std::uint32_t getBandCount() const noexcept { return bandCount; }
    Rect bandRows(std::uint32_t band) const noexcept;

    // Whether frames taken from now on keep each band's unchanged bottom commands as a
    // picture between frames (on by default). Render side.
    void setKeepsPictures(bool on) noexcept { keepsPictures = on; }
    // The memory of the kept pictures.
    std::size_t getKeptBytes() const noexcept;

    bool rendering = false;
    FrameState pending;
    FrameState ready;
    FrameState current;
    std::vector<BandSpan> previousBands;

private:
    // Draws the band's commands whose indices lie in [from, to).
    void drawCommands(Image& destination, const ClipRegion& clip, const Rect& rect,
                      std::uint32_t band, std::size_t from, std::size_t to, DrawTally* tally) const;
    // Starts the band from its kept picture and keeps more of it where the band's bottom
    // commands did not change; returns the first command still to draw.
    std::size_t drawFromKept(Image& destination, std::uint32_t band, const Rect& rect,
                             std::int32_t rowOffset, const ClipRegion& clip, DrawTally* tally);
    void adoptKeptResources();

    std::weak_ptr<SpriteManager> manager;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t bandHeight;
    std::uint32_t bandCount;

    bool keepsPictures = true;
    bool drawsFromKept = false; // for `current`, fixed when it is taken
    std::unique_ptr<Image> keptPicture;
    std::vector<KeptBand> keptBands;
    DrawCommands previousCommands; // those of the frame before `current`
    BandLists previousLists;
    OpaqueCover opaqueCover;
};

} // namespace vantrel
