#pragma once

#include <cstdint>

#include <vantrel/image/kernels/PixelWord.h>

// Blend-mode policies: f(d, s) for one word (`pixel`) and for one vector of words (`pixels`).
// `exactTop` asks the vector form for the fourth byte the word form gives; without it the
// fourth byte is left undefined because composition discards it.
namespace vantrel::kernels {

struct NormalMode {
    VANTREL_KERNEL_INLINE static constexpr std::uint32_t pixel(std::uint32_t,
                                                               std::uint32_t s) noexcept
    {
        return s;
    }

    template <class V, bool exactTop>
    static typename V::Reg pixels(typename V::Reg, typename V::Reg s) noexcept
    {
        return s;
    }
};

// Carry-mask add: every channel clamps at 255; the fourth byte wraps.
struct AddMode {
    VANTREL_KERNEL_INLINE static constexpr std::uint32_t pixel(std::uint32_t d,
                                                               std::uint32_t s) noexcept
    {
        const std::uint32_t c = (((d ^ s) & 0xFEFEFEu) + ((d & s) << 1)) & 0x1010100u;
        return (d + s - c) | (c - (c >> 8));
    }

    template <class V, bool exactTop>
    static typename V::Reg pixels(typename V::Reg d, typename V::Reg s) noexcept
    {
        const auto clamped = V::addsU8(d, s);
        if constexpr (exactTop) {
            return V::select(V::set1(0xFF000000u), V::add8(d, s), clamped);
        } else {
            return clamped;
        }
    }
};

// The same carry mask on the complement of d: every channel clamps at 0; the fourth byte wraps.
struct SubtractMode {
    VANTREL_KERNEL_INLINE static constexpr std::uint32_t pixel(std::uint32_t d,
                                                               std::uint32_t s) noexcept
    {
        const std::uint32_t c = (((~d ^ s) & 0xFEFEFEu) + ((~d & s) << 1)) & 0x1010100u;
        return ~(c - (c >> 8)) & (c - s + d);
    }

    template <class V, bool exactTop>
    static typename V::Reg pixels(typename V::Reg d, typename V::Reg s) noexcept
    {
        const auto clamped = V::subsU8(d, s);
        if constexpr (exactTop) {
            return V::select(V::set1(0xFF000000u), V::sub8(d, s), clamped);
        } else {
            return clamped;
        }
    }
};

// (((s x 129) >> 7) x d) >> 8 per channel; the fourth byte is 0.
struct MultiplyMode {
    VANTREL_KERNEL_INLINE static constexpr std::uint32_t pixel(std::uint32_t d,
                                                               std::uint32_t s) noexcept
    {
        std::uint32_t out = 0;
        for (unsigned shift = 0; shift < 24; shift += 8) {
            const std::uint32_t product = blendWeight((s >> shift) & 255) * ((d >> shift) & 255);
            out |= (product >> 8) << shift;
        }
        return out;
    }

    template <class V, bool exactTop>
    static typename V::Reg pixels(typename V::Reg d, typename V::Reg s) noexcept
    {
        const auto even = V::set1(0x00FF00FFu);
        const auto sEven = V::and_(s, even);
        const auto sOdd = V::template srli16<8>(s);
        const auto rb = V::mullo16(V::add16(sEven, V::template srli16<7>(sEven)), V::and_(d, even));
        const auto ga =
            V::mullo16(V::add16(sOdd, V::template srli16<7>(sOdd)), V::template srli16<8>(d));
        return V::or_(V::template srli16<8>(rb), V::and_(ga, V::set1(0x0000FF00u)));
    }
};

// A screen blend: 255 - (((((255 - s) x 129) >> 7) x (255 - d)) >> 8) per channel; the
// fourth byte is 0.
struct InverseMultiplyMode {
    VANTREL_KERNEL_INLINE static constexpr std::uint32_t pixel(std::uint32_t d,
                                                               std::uint32_t s) noexcept
    {
        return MultiplyMode::pixel(~d, ~s) ^ 0x00FFFFFFu;
    }

    template <class V, bool exactTop>
    static typename V::Reg pixels(typename V::Reg d, typename V::Reg s) noexcept
    {
        const auto ones = V::set1(0xFFFFFFFFu);
        const auto product = MultiplyMode::pixels<V, false>(V::xor_(d, ones), V::xor_(s, ones));
        return V::xor_(product, V::set1(0x00FFFFFFu));
    }
};

} // namespace vantrel::kernels
