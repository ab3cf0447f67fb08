#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/image/GlyphData.h>
#include <vantrel/text/FontCache.h>
#include <vantrel/text/IFont.h>

struct HDC__;
struct HFONT__;

namespace vantrel {

// The selected font's ascent and cell height.
struct GdiTextMetrics {
    std::int32_t ascent = 0;
    std::int32_t height = 0;
};

// One GDI font selected into a private memory device context, rasterising 8-bit coverage
// glyphs with GetGlyphOutlineW on demand and keeping them in its cache. Used by one thread
// at a time; separate Fonts share nothing.
class Font : public IFont {
public:
    static constexpr std::size_t cacheCapacity = 2048;

    // faceName is UTF-8 and reaches GDI as UTF-16, so a Japanese face name is found
    // whatever the system's ANSI code page. A positive height is the cell height, a
    // negative one the em height; 0 lets GDI choose.
    Font(const char* faceName, std::int32_t width, std::int32_t height, bool bold, bool italic);
    ~Font() override;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const GdiTextMetrics& getMetrics() const noexcept { return metrics; }
    // The family of the font GDI selected for the name (UTF-8): a substitute's own name
    // when the name was substituted.
    const char* getSelectedFace() const noexcept { return selectedFace; }
    const FontCache& getCache() const noexcept { return cache; }

protected:
    GlyphData getGlyphDataImpl(std::uint32_t code) override;

private:
    // Released in reverse order: cache, previous object reselected, font, DC.
    std::shared_ptr<HDC__> dc;
    std::shared_ptr<HFONT__> fontHandle;
    std::shared_ptr<void> previousObject;
    GdiTextMetrics metrics;
    char selectedFace[128] = {};
    FontCache cache{cacheCapacity};
};

} // namespace vantrel
