#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/image/BlendMode.h>
#include <vantrel/image/Color.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/GlyphData.h>
#include <vantrel/image/Image.h>

namespace vantrel {

/// What a DrawCommand draws.
enum class DrawCommandKind : std::uint32_t {
    Fill = 0, ///< a rectangle in one colour
    Glyphs = 1, ///< a run of glyphs
    ImageRect = 2, ///< part of an image, scaled to the bounds
    ImagePoint = 3, ///< an image at its own size
};

/// One drawing order for one frame. Its pointers own nothing: the frame's DrawResources
/// keep their targets alive.
struct DrawCommand {
    DrawCommandKind kind = DrawCommandKind::Fill; ///< what to draw
    BlendMode blendMode = BlendMode::Normal; ///< how it meets what is below
    std::uint8_t opacity = 255; ///< 0 transparent to 255 opaque
    Rect bounds;      ///< rows used to skip bands; the destination for Fill and images
    Color color;      ///< Fill, Glyphs
    Point origin;     ///< Glyphs: the pen start
    const GlyphData* glyphs = nullptr; ///< Glyphs: the run
    std::uint64_t count = 0; ///< Glyphs: glyphs in the run
    Rect sourceRect;  ///< ImageRect
    Point sourcePosition; ///< ImagePoint
    const Image* image = nullptr; ///< ImageRect, ImagePoint
    bool smooth = false; ///< ImageRect: bilinear instead of nearest-pixel scaling
};

/// What one frame's commands point into, kept alive until the frame is drawn.
struct DrawResources {
    std::vector<std::shared_ptr<Image>> images; ///< images the commands draw
    std::vector<std::shared_ptr<GlyphData[]>> glyphs; ///< glyph runs the commands draw

    /// Releases everything.
    void clear()
    {
        images.clear();
        glyphs.clear();
    }
};

/// One frame's drawing orders, in drawing order.
using DrawCommands = std::vector<DrawCommand>;

} // namespace vantrel
