#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include <vantrel/image/GlyphData.h>

namespace vantrel {

/// The glyphs a font has already rasterised, by character code (compared unsigned).
/// When `capacity` new codes have gone in, the next new code first empties the cache.
/// Records share their images, so a flush never frees an image that a caller still holds.
class FontCache {
public:
    /// Keeps up to `capacity` glyphs.
    explicit FontCache(std::size_t capacity);
    virtual ~FontCache() = default;

    /// The held record for `code`, or null. Valid until the next insert.
    const GlyphData* find(std::uint32_t code) const;
    /// Keeps the glyph of `code`, evicting as needed.
    void insert(std::uint32_t code, const GlyphData& glyph);

    /// How many glyphs it keeps at most.
    std::size_t getCapacity() const noexcept { return capacity; }
    /// How many glyphs it holds.
    std::size_t getCount() const noexcept { return count; }
    /// The glyphs held, by code.
    const std::map<std::uint32_t, GlyphData>& getGlyphs() const noexcept { return glyphs; }

private:
    std::size_t capacity;
    std::size_t count = 0;
    std::map<std::uint32_t, GlyphData> glyphs;
};

} // namespace vantrel
