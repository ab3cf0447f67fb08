#pragma once

#include <cstdint>

#include <vantrel/image/GlyphData.h>

namespace vantrel {

/// Turns a character code into the glyph a pen draws for it.
class IFont {
public:
    virtual ~IFont() = default;

    /// The glyph of a Unicode code point (a fallback glyph where the face has none).
    GlyphData getGlyphData(std::uint32_t code) { return getGlyphDataImpl(code); }

protected:
    virtual GlyphData getGlyphDataImpl(std::uint32_t code) = 0;
};

} // namespace vantrel
