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

enum class DrawCommandKind : std::uint32_t {
    Fill = 0,
    Glyphs = 1,
    ImageRect = 2,
    ImagePoint = 3,
};

// One drawing order for one frame. Its pointers own nothing: the frame's DrawResources
// keep their targets alive.
struct DrawCommand {
    DrawCommandKind kind = DrawCommandKind::Fill;
    BlendMode blendMode = BlendMode::Normal;
    std::uint8_t opacity = 255;
    Rect bounds;      // rows used to skip bands; the destination for Fill and images
    Color color;      // Fill, Glyphs
    Point origin;     // Glyphs: the pen start
    const GlyphData* glyphs = nullptr;
    std::uint64_t count = 0;
    Rect sourceRect;  // ImageRect
    Point sourcePosition; // ImagePoint
    const Image* image = nullptr;
    bool smooth = false;
};

struct DrawResources {
    std::vector<std::shared_ptr<Image>> images;
    std::vector<std::shared_ptr<GlyphData[]>> glyphs;

    void clear()
    {
        images.clear();
        glyphs.clear();
    }
};

using DrawCommands = std::vector<DrawCommand>;

} // namespace vantrel
