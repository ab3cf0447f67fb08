#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/image/kernels/PixelWord.h>

// Source policies: how a kernel reads its source word s (and alpha byte, where there is one)
// from `bytesPerPixel` bytes per pixel. Each is built from the call's colour word, which only
// fills and glyphs use. Vector forms read exactly V::lanes pixels (`count` for the partial
// forms), never a byte further.
namespace vantrel::kernels {

// Words as stored: Bgra32 (alpha in the fourth byte), Bgrx32 and above (no alpha), and the
// sampled rows of scaled copies. `topByteZero` promises a fourth byte of 0.
template <bool alpha, bool topZero>
struct StoredWordSource {
    static constexpr std::size_t bytesPerPixel = 4;
    static constexpr bool hasAlpha = alpha;
    static constexpr bool topByteZero = topZero;

    VANTREL_KERNEL_INLINE explicit constexpr StoredWordSource(std::uint32_t) noexcept {}

    VANTREL_KERNEL_INLINE static std::uint32_t word(const unsigned char* p) noexcept
    {
        return loadWord(p);
    }
    VANTREL_KERNEL_INLINE static std::uint32_t alphaOf(const unsigned char*,
                                                       std::uint32_t s) noexcept
    {
        return s >> 24;
    }

    template <class V>
    static typename V::Reg words(const unsigned char* p) noexcept
    {
        return V::load(p);
    }
    template <class V>
    static typename V::Reg partialWords(const unsigned char* p, std::uint32_t count) noexcept
    {
        return V::loadPartial(p, count);
    }

    template <class V>
    static typename V::Reg alphaPairs(const unsigned char*, typename V::Reg s) noexcept
    {
        return V::alphaPairs(s);
    }
    template <class V>
    static typename V::Reg partialAlphaPairs(const unsigned char*, typename V::Reg s,
                                             std::uint32_t) noexcept
    {
        return V::alphaPairs(s);
    }
};

using Bgra32Source = StoredWordSource<true, false>;
using Bgrx32Source = StoredWordSource<false, false>;

struct Gray8Source {
    static constexpr std::size_t bytesPerPixel = 1;
    static constexpr bool hasAlpha = false;
    static constexpr bool topByteZero = true;

    VANTREL_KERNEL_INLINE explicit constexpr Gray8Source(std::uint32_t) noexcept {}

    VANTREL_KERNEL_INLINE static std::uint32_t word(const unsigned char* p) noexcept
    {
        return grayWord(p[0]);
    }

    template <class V>
    static typename V::Reg words(const unsigned char* p) noexcept
    {
        return V::expandGray8(p);
    }
    template <class V>
    static typename V::Reg partialWords(const unsigned char* p, std::uint32_t count) noexcept
    {
        return V::expandGray8Partial(p, count);
    }
};

struct Bgr24Source {
    static constexpr std::size_t bytesPerPixel = 3;
    static constexpr bool hasAlpha = false;
    static constexpr bool topByteZero = true;

    VANTREL_KERNEL_INLINE explicit constexpr Bgr24Source(std::uint32_t) noexcept {}

    VANTREL_KERNEL_INLINE static std::uint32_t word(const unsigned char* p) noexcept
    {
        return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
    }

    template <class V>
    static typename V::Reg words(const unsigned char* p) noexcept
    {
        return V::expandBgr24(p);
    }
    template <class V>
    static typename V::Reg partialWords(const unsigned char* p, std::uint32_t count) noexcept
    {
        return V::expandBgr24Partial(p, count);
    }
};

// Gray and alpha bytes: s = gray x 0x010101 | alpha << 24.
struct GrayAlpha16Source {
    static constexpr std::size_t bytesPerPixel = 2;
    static constexpr bool hasAlpha = true;
    static constexpr bool topByteZero = false;

    VANTREL_KERNEL_INLINE explicit constexpr GrayAlpha16Source(std::uint32_t) noexcept {}

    VANTREL_KERNEL_INLINE static std::uint32_t word(const unsigned char* p) noexcept
    {
        return grayWord(p[0]) | std::uint32_t{p[1]} << 24;
    }
    VANTREL_KERNEL_INLINE static std::uint32_t alphaOf(const unsigned char* p,
                                                       std::uint32_t) noexcept
    {
        return p[1];
    }

    template <class V>
    static typename V::Reg words(const unsigned char* p) noexcept
    {
        return V::expandGrayAlpha16(p);
    }
    template <class V>
    static typename V::Reg partialWords(const unsigned char* p, std::uint32_t count) noexcept
    {
        return V::expandGrayAlpha16Partial(p, count);
    }

    template <class V>
    static typename V::Reg alphaPairs(const unsigned char*, typename V::Reg s) noexcept
    {
        return V::alphaPairs(s);
    }
    template <class V>
    static typename V::Reg partialAlphaPairs(const unsigned char*, typename V::Reg s,
                                             std::uint32_t) noexcept
    {
        return V::alphaPairs(s);
    }
};

// Fills: the colour word everywhere; there is no source memory.
struct SolidSource {
    static constexpr std::size_t bytesPerPixel = 0;
    static constexpr bool hasAlpha = false;
    static constexpr bool topByteZero = true;

    VANTREL_KERNEL_INLINE explicit constexpr SolidSource(std::uint32_t color) noexcept
        : color(color)
    {
    }

    VANTREL_KERNEL_INLINE std::uint32_t word(const unsigned char*) const noexcept { return color; }

    template <class V>
    typename V::Reg words(const unsigned char*) const noexcept
    {
        return V::set1(color);
    }
    template <class V>
    typename V::Reg partialWords(const unsigned char*, std::uint32_t) const noexcept
    {
        return V::set1(color);
    }

    std::uint32_t color;
};

// Glyphs: the colour word, with the coverage byte of a Gray8 glyph image as alpha.
struct CoverageSource {
    static constexpr std::size_t bytesPerPixel = 1;
    static constexpr bool hasAlpha = true;
    static constexpr bool topByteZero = true;

    VANTREL_KERNEL_INLINE explicit constexpr CoverageSource(std::uint32_t color) noexcept
        : color(color)
    {
    }

    VANTREL_KERNEL_INLINE std::uint32_t word(const unsigned char*) const noexcept { return color; }
    VANTREL_KERNEL_INLINE static std::uint32_t alphaOf(const unsigned char* p,
                                                       std::uint32_t) noexcept
    {
        return p[0];
    }

    template <class V>
    typename V::Reg words(const unsigned char*) const noexcept
    {
        return V::set1(color);
    }
    template <class V>
    typename V::Reg partialWords(const unsigned char*, std::uint32_t) const noexcept
    {
        return V::set1(color);
    }

    template <class V>
    static typename V::Reg alphaPairs(const unsigned char* p, typename V::Reg) noexcept
    {
        return V::bytePairs(p);
    }
    template <class V>
    static typename V::Reg partialAlphaPairs(const unsigned char* p, typename V::Reg,
                                             std::uint32_t count) noexcept
    {
        return V::bytePairsPartial(p, count);
    }

    std::uint32_t color;
};

} // namespace vantrel::kernels
