#pragma once

#include <memory>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

// One rasterised glyph: the image's top-left corner lies at pen + offset, the pen then
// moves by advance. `image` is a Gray8 coverage map, empty for a glyph without ink.
struct GlyphData {
    Point offset;
    Point advance;
    std::shared_ptr<Image> image;
};

} // namespace vantrel
