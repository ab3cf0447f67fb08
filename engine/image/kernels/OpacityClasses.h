#pragma once

#include <cstdint>

#include <vantrel/image/kernels/PixelWord.h>

// Opacity classes: how a pixel's composition weight follows from the call's weight w and, for
// sources with alpha, the pixel's alpha byte v. Vector forms work on "pairs": a 16-bit value
// repeated in both halves of each 32-bit lane.
namespace vantrel::kernels {

// w = 256: sources without alpha are not composed at all; alpha v gives (v x 129) >> 7.
struct OpaqueClass {
    static constexpr bool opaque = true;

    VANTREL_KERNEL_INLINE explicit constexpr OpaqueClass(std::uint32_t) noexcept {}

    VANTREL_KERNEL_INLINE static constexpr std::uint32_t weight() noexcept { return 256; }
    VANTREL_KERNEL_INLINE static constexpr std::uint32_t alphaWeight(std::uint32_t v) noexcept
    {
        return blendWeight(v);
    }

    template <class V>
    static typename V::Reg weightPairs() noexcept
    {
        return V::set1(0x01000100u);
    }

    template <class V>
    static typename V::Reg alphaWeightPairs(typename V::Reg v) noexcept
    {
        return V::add16(v, V::template srli16<7>(v));
    }
};

// w = 1..255: sources without alpha compose with w; alpha v gives
// ((((v x w) >> 8) & 255) x 129) >> 7.
struct TranslucentClass {
    static constexpr bool opaque = false;

    VANTREL_KERNEL_INLINE explicit constexpr TranslucentClass(std::uint32_t weight) noexcept
        : w(weight)
    {
    }

    VANTREL_KERNEL_INLINE constexpr std::uint32_t weight() const noexcept { return w; }
    VANTREL_KERNEL_INLINE constexpr std::uint32_t alphaWeight(std::uint32_t v) const noexcept
    {
        return blendWeight(((v * w) >> 8) & 255);
    }

    template <class V>
    typename V::Reg weightPairs() const noexcept
    {
        return V::set1(w * 0x00010001u);
    }

    // v x w <= 255 x 255 fits a 16-bit lane.
    template <class V>
    typename V::Reg alphaWeightPairs(typename V::Reg v) const noexcept
    {
        const auto scaled = V::template srli16<8>(V::mullo16(v, weightPairs<V>()));
        return V::add16(scaled, V::template srli16<7>(scaled));
    }

    std::uint32_t w;
};

} // namespace vantrel::kernels
