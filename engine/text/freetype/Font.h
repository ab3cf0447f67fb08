#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <vantrel/image/GlyphData.h>
#include <vantrel/text/FontCache.h>
#include <vantrel/text/FontFaceLookup.h>
#include <vantrel/text/FontScale.h>
#include <vantrel/text/IFont.h>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace vantrel {

/// One outline face at one size, rasterising 8-bit coverage glyphs on demand and keeping
/// them in its cache. Used by one thread at a time; separate Fonts share nothing mutable.
class Font : public IFont {
public:
    static constexpr std::size_t cacheCapacity = 2048; ///< glyphs each font keeps

    /// faceName is UTF-8. A positive height is the cell height in pixels, a negative one the
    /// em height; width 0 keeps the face's aspect, otherwise it is the average character
    /// width. Styles the face lacks are synthesised.
    Font(const char* faceName, std::int32_t width, std::int32_t height, bool bold, bool italic);
    ~Font() override;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    /// The sized line.
    const FontMetrics& getMetrics() const noexcept { return scale.metrics; }
    /// The face that was chosen.
    const FontFace& getFace() const noexcept { return face; }
    /// Whether bold is made by emboldening a regular face.
    bool isBoldSynthesised() const noexcept { return synthesiseBold; }
    /// Whether italic is made by slanting an upright face.
    bool isItalicSynthesised() const noexcept { return synthesiseItalic; }
    /// The glyph cache.
    const FontCache& getCache() const noexcept { return cache; }
    /// Glyphs rasterised so far (cache misses that succeeded).
    std::uint64_t getRasterisationCount() const noexcept { return rasterisations; }

protected:
    GlyphData getGlyphDataImpl(std::uint32_t code) override;

private:
    GlyphData rasterise(std::uint32_t code);

    /// Released in reverse order: the cache's images, then the face, then its library.
    std::shared_ptr<FT_LibraryRec_> library;
    std::shared_ptr<FT_FaceRec_> ftFace;
    FontFace face;
    FontScale scale;
    bool synthesiseBold = false;
    bool synthesiseItalic = false;
    std::uint64_t rasterisations = 0;
    FontCache cache{cacheCapacity};
};

} // namespace vantrel
