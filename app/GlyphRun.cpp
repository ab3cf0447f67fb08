#include "app/GlyphRun.h"

namespace vantrel {

std::vector<GlyphData> glyphRun(IFont* font, const std::u32string& line, std::int32_t blankAdvance)
{
    std::vector<GlyphData> glyphs;
    glyphs.reserve(line.size());
    for (char32_t code : line) {
        glyphs.push_back(font != nullptr ? font->getGlyphData(static_cast<std::uint32_t>(code))
                                         : GlyphData{Point{}, Point{blankAdvance, 0}, nullptr});
    }
    return glyphs;
}

std::int32_t runAdvance(const std::vector<GlyphData>& glyphs)
{
    std::int32_t width = 0;
    for (const GlyphData& glyph : glyphs) {
        width += glyph.advance.x;
    }
    return width;
}

} // namespace vantrel
