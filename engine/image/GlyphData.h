#pragma once

#include <memory>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

/// One rasterised glyph: the image's top-left corner lies at pen + offset, the pen then
/// moves by advance. `image` is a Gray8 coverage map, empty for a glyph without ink.
struct GlyphData {
    Point offset; ///< the bitmap's top-left corner from the pen position
    Point advance; ///< how far the pen moves
    std::shared_ptr<Image> image; ///< the coverage map, empty for a glyph without ink
};

} // namespace vantrel
