#pragma once

#include <cstdint>

#include <vantrel/image/kernels/PixelWord.h>

namespace vantrel::kernels {

// composeWord for a vector of words, each channel in its own 16-bit lane:
// d x 256 + (f - d) x a is the exact result in 0..65280, so wrapping 16-bit arithmetic
// reproduces it; `a` holds each pixel's weight pair. The fourth byte comes out 0.
template <class V>
inline typename V::Reg composePixels(typename V::Reg d, typename V::Reg f,
                                     typename V::Reg a) noexcept
{
    const auto even = V::set1(0x00FF00FFu);
    const auto rb = V::add16(V::template slli16<8>(d),
                             V::mullo16(V::sub16(V::and_(f, even), V::and_(d, even)), a));
    const auto ga =
        V::add16(V::and_(d, V::set1(0xFF00FF00u)),
                 V::mullo16(V::sub16(V::template srli16<8>(f), V::template srli16<8>(d)), a));
    return V::or_(V::template srli16<8>(rb), V::and_(ga, V::set1(0x0000FF00u)));
}

// One vector of pixels: blend function, then composition where the kernel class composes.
// `alphaPairs(source)` yields the source alpha as pairs; it is only called (and only
// instantiated) for sources with alpha.
template <class V, class Mode, class Opacity, class Source, class AlphaPairs>
inline typename V::Reg blendPixels(typename V::Reg d, typename V::Reg s, const Opacity& opacity,
                                   const Source& source, AlphaPairs alphaPairs) noexcept
{
    constexpr bool composes = Source::hasAlpha || !Opacity::opaque;
    constexpr bool exactTop = !composes && !Source::topByteZero;
    const auto f = Mode::template pixels<V, exactTop>(d, s);
    if constexpr (!composes) {
        return f;
    } else if constexpr (Source::hasAlpha) {
        return composePixels<V>(d, f, opacity.template alphaWeightPairs<V>(alphaPairs(source)));
    } else {
        return composePixels<V>(d, f, opacity.template weightPairs<V>());
    }
}

// Blends n pixels of one row: whole vectors first, then the rest as one masked vector where
// the level has them, else one pixel at a time. Every decision is made at compile time.
template <class V, class Mode, class Opacity, class Source>
inline void blendRow(unsigned char* d, const unsigned char* s, std::uint32_t n,
                     const Opacity& opacity, const Source& source) noexcept
{
    constexpr bool composes = Source::hasAlpha || !Opacity::opaque;
    constexpr auto step = Source::bytesPerPixel;
    std::uint32_t i = 0;
    if constexpr (V::lanes != 0) {
        for (; i + V::lanes <= n; i += V::lanes) {
            unsigned char* dp = d + 4 * std::size_t{i};
            const unsigned char* sp = s + step * i;
            const auto sv = source.template words<V>(sp);
            V::store(dp,
                     blendPixels<V, Mode>(V::load(dp), sv, opacity, source, [&](const auto& from) {
                         return from.template alphaPairs<V>(sp, sv);
                     }));
        }
    }
    if constexpr (V::hasPartial) {
        if (i < n) {
            const std::uint32_t count = n - i;
            unsigned char* dp = d + 4 * std::size_t{i};
            const unsigned char* sp = s + step * i;
            const auto sv = source.template partialWords<V>(sp, count);
            const auto out = blendPixels<V, Mode>(
                V::loadPartial(dp, count), sv, opacity, source, [&](const auto& from) {
                    return from.template partialAlphaPairs<V>(sp, sv, count);
                });
            V::storePartial(dp, out, count);
        }
    } else {
        for (; i < n; ++i) {
            unsigned char* dp = d + 4 * std::size_t{i};
            const unsigned char* sp = s + step * i;
            const std::uint32_t dw = loadWord(dp);
            const std::uint32_t sw = source.word(sp);
            const std::uint32_t f = Mode::pixel(dw, sw);
            if constexpr (!composes) {
                storeWord(dp, f);
            } else if constexpr (Source::hasAlpha) {
                storeWord(dp, composeWord(dw, f, opacity.alphaWeight(source.alphaOf(sp, sw))));
            } else {
                storeWord(dp, composeWord(dw, f, opacity.weight()));
            }
        }
    }
}

} // namespace vantrel::kernels
