#pragma once

/// @file
/// The drawer that turns one layer's sprites into pixels, band by band.

#include <array>
#include <cstdint>
#include <memory>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

class SpriteManager;

/// Pixels a drawer's commands covered, by command kind; for the benchmark's breakdown.
struct DrawTally {
    std::array<std::uint64_t, 4> pixelsByKind{}; ///< by DrawCommandKind: fill, glyphs, image, image rect
    std::uint64_t keptPixelsCopied = 0;          ///< copied from or into the kept pictures

    /// All pixels the commands covered.
    std::uint64_t total() const noexcept
    {
        return pixelsByKind[0] + pixelsByKind[1] + pixelsByKind[2] + pixelsByKind[3];
    }
};

/// Turns one layer's sprites into pixels, redrawing only the dirty column span of each
/// band. A Screen makes one per layer; sprites report the areas they change, the render
/// loop composes a frame description once per iteration and the drawing workers draw it
/// band by band while the sprites change the next one.
class ScreenDrawer {
public:
    /// A drawer for a width x height frame in bands of `requestedBandHeight` rows (at
    /// most the frame's height, at least one row), over the sprites of `manager`.
    ScreenDrawer(std::weak_ptr<SpriteManager> manager, std::uint32_t width, std::uint32_t height,
                 std::uint32_t requestedBandHeight);
    virtual ~ScreenDrawer();
    ScreenDrawer(const ScreenDrawer&) = delete;
    ScreenDrawer& operator=(const ScreenDrawer&) = delete;

    /// Marks a rectangle of frame coordinates for redrawing with the next composed frame.
    /// Sprite side, under the Screen lock.
    void invalidate(const Rect& rect);
    /// Builds the next frame description from the sprites when anything was invalidated;
    /// returns the dirty rectangle of the frame now waiting (empty when nothing was).
    /// Under the Screen lock.
    Rect compose();
    /// Retires the frame being drawn once the workers are done with it. Under the Screen
    /// lock.
    void finishRender();
    /// Render side taking the composed frame for the workers: finishes the open frame,
    /// then the waiting frame becomes the one being drawn. Under the Screen lock.
    void takeReadyFrame();

    /// Draws the frame being drawn into one band of `destination`, whose row 0 is frame
    /// row -rowOffset; returns the band's redrawn rectangle in frame coordinates. Worker
    /// side: no lock, and each call changes only its own band's kept picture.
    Rect drawBand(Image& destination, std::uint32_t band, std::int32_t rowOffset,
                  DrawTally* tally = nullptr);
    /// The part of a band to repaint in a buffer that last showed the frame before the
    /// one being drawn. Worker side.
    Rect repaintSpan(std::uint32_t band) const;

    /// While a transition shows both layers: both drawers' pending changes become the
    /// union of the two, so that both layers redraw the same areas. Under the Screen lock.
    static void mergePending(ScreenDrawer& a, ScreenDrawer& b);

    /// Whether anything was invalidated since the last compose().
    bool hasPendingChanges() const noexcept;
    /// The bounding box of what was invalidated since the last compose().
    Rect getPendingRect() const noexcept;
    /// Whether a composed frame waits for the render side.
    bool hasReadyFrame() const noexcept;
    /// The dirty rectangle of the composed frame that waits.
    Rect getReadyRect() const noexcept;
    /// The dirty rectangle of the frame taken for drawing.
    Rect getCurrentRect() const noexcept;
    /// Whether a taken frame has not been finished yet.
    bool isRendering() const noexcept;

    /// The frame's width in pixels.
    std::uint32_t getWidth() const noexcept { return width; }
    /// The frame's height in pixels.
    std::uint32_t getHeight() const noexcept { return height; }
    /// Rows per band.
    std::uint32_t getBandHeight() const noexcept { return bandHeight; }
    /// How many bands the frame is cut into.
    std::uint32_t getBandCount() const noexcept { return bandCount; }
    /// The rows of a band (left and right 0), clamped to the frame.
    Rect bandRows(std::uint32_t band) const noexcept;

    /// Whether frames taken from now on keep each band's unchanged bottom commands as a
    /// picture between frames (on by default). Render side.
    void setKeepsPictures(bool on) noexcept { keepsPictures = on; }
    /// The memory of the kept pictures in bytes.
    std::size_t getKeptBytes() const noexcept;

    /// The frame states and kept pictures, defined in an engine-internal header.
    struct State;
    /// The frame states, for the engine's render side and its tests.
    State& getState() noexcept { return *state; }

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
    std::unique_ptr<State> state;
};

} // namespace vantrel
