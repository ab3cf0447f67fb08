#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <vantrel/image/GlyphData.h>
#include <vantrel/text/IFont.h>

namespace vantrel {

// The glyphs a pen draws for one line. Without a font every character is a blank that
// advances by `blankAdvance`, so layouts keep their shape when no font could be made.
std::vector<GlyphData> glyphRun(IFont* font, const std::u32string& line, std::int32_t blankAdvance);

// How far the pen moves over the glyphs.
std::int32_t runAdvance(const std::vector<GlyphData>& glyphs);

} // namespace vantrel
