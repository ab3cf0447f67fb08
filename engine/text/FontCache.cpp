#include <vantrel/text/FontCache.h>

namespace vantrel {

FontCache::FontCache(std::size_t capacity) : capacity(capacity) {}

const GlyphData* FontCache::find(std::uint32_t code) const
{
    auto found = glyphs.find(code);
    return found == glyphs.end() ? nullptr : &found->second;
}

void FontCache::insert(std::uint32_t code, const GlyphData& glyph)
{
    auto found = glyphs.find(code);
    if (found != glyphs.end()) {
        found->second = glyph;
        return;
    }
    // >= rather than == so that a capacity of 0 still bounds the cache to one record.
    if (count >= capacity) {
        glyphs.clear();
        count = 0;
    }
    glyphs.emplace(code, glyph);
    ++count;
}

} // namespace vantrel
