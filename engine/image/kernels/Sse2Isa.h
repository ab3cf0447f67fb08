#pragma once

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

// Four pixels per register; needs nothing beyond the x86-64 baseline.
namespace vantrel::kernels {

struct Sse2Isa {
    using Reg = __m128i;
    static constexpr std::uint32_t lanes = 4;
    static constexpr bool hasPermute = false;
    static constexpr bool hasPartial = false;

    static Reg load(const unsigned char* p) noexcept
    {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static void store(unsigned char* p, Reg v) noexcept
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    }
    static Reg set1(std::uint32_t v) noexcept { return _mm_set1_epi32(static_cast<int>(v)); }

    static Reg and_(Reg a, Reg b) noexcept { return _mm_and_si128(a, b); }
    static Reg or_(Reg a, Reg b) noexcept { return _mm_or_si128(a, b); }
    static Reg xor_(Reg a, Reg b) noexcept { return _mm_xor_si128(a, b); }
    // Bits of `ifSet` where `mask` is set, of `ifClear` elsewhere.
    static Reg select(Reg mask, Reg ifSet, Reg ifClear) noexcept
    {
        return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
    }

    static Reg add16(Reg a, Reg b) noexcept { return _mm_add_epi16(a, b); }
    static Reg sub16(Reg a, Reg b) noexcept { return _mm_sub_epi16(a, b); }
    static Reg mullo16(Reg a, Reg b) noexcept { return _mm_mullo_epi16(a, b); }
    template <int n>
    static Reg srli16(Reg a) noexcept
    {
        return _mm_srli_epi16(a, n);
    }
    template <int n>
    static Reg slli16(Reg a) noexcept
    {
        return _mm_slli_epi16(a, n);
    }
    static Reg addsU8(Reg a, Reg b) noexcept { return _mm_adds_epu8(a, b); }
    static Reg subsU8(Reg a, Reg b) noexcept { return _mm_subs_epu8(a, b); }
    static Reg add8(Reg a, Reg b) noexcept { return _mm_add_epi8(a, b); }
    static Reg sub8(Reg a, Reg b) noexcept { return _mm_sub_epi8(a, b); }

    static Reg loadLow32(const unsigned char* p) noexcept
    {
        std::int32_t v;
        std::memcpy(&v, p, sizeof v);
        return _mm_cvtsi32_si128(v);
    }

    // 4 gray bytes -> gray x 0x010101.
    static Reg expandGray8(const unsigned char* p) noexcept
    {
        Reg x = loadLow32(p);
        x = _mm_unpacklo_epi8(x, x);
        x = _mm_unpacklo_epi16(x, x);
        return _mm_and_si128(x, set1(0x00FFFFFFu));
    }

    // 12 bytes blue, green, red -> words with a fourth byte of 0.
    static Reg expandBgr24(const unsigned char* p) noexcept
    {
        std::uint64_t low;
        std::uint32_t high;
        std::memcpy(&low, p, sizeof low);
        std::memcpy(&high, p + 8, sizeof high);
        const auto w0 = static_cast<std::uint32_t>(low) & 0xFFFFFFu;
        const auto w1 = static_cast<std::uint32_t>(low >> 24) & 0xFFFFFFu;
        const auto w2 = (static_cast<std::uint32_t>(low >> 48) | (high << 16)) & 0xFFFFFFu;
        const auto w3 = high >> 8;
        return _mm_set_epi32(static_cast<int>(w3), static_cast<int>(w2), static_cast<int>(w1),
                             static_cast<int>(w0));
    }

    // 4 gray/alpha byte pairs -> gray x 0x010101 | alpha << 24.
    static Reg expandGrayAlpha16(const unsigned char* p) noexcept
    {
        Reg x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        x = _mm_unpacklo_epi16(x, x); // g a g a per pixel
        return _mm_or_si128(_mm_and_si128(x, set1(0xFFFF00FFu)),
                            _mm_and_si128(_mm_slli_epi32(x, 8), set1(0x0000FF00u)));
    }

    // The fourth byte of each word as a pair (v, v).
    static Reg alphaPairs(Reg s) noexcept
    {
        const Reg v = _mm_srli_epi32(s, 24);
        return _mm_or_si128(v, _mm_slli_epi32(v, 16));
    }

    // 4 bytes as pairs (v, v).
    static Reg bytePairs(const unsigned char* p) noexcept
    {
        const Reg x = _mm_unpacklo_epi8(loadLow32(p), _mm_setzero_si128());
        return _mm_unpacklo_epi16(x, x);
    }

    // table[index] for 4 index bytes.
    static Reg gatherPairs(const std::uint32_t* table, const unsigned char* index) noexcept
    {
        return _mm_set_epi32(static_cast<int>(table[index[3]]), static_cast<int>(table[index[2]]),
                             static_cast<int>(table[index[1]]), static_cast<int>(table[index[0]]));
    }

    // Row mixing with one 6-bit weight f for every byte: (a x (64 - f) + b x f) >> 6, as
    // a x 64 + (b - a) x f in wrapping 16-bit lanes.
    static Reg rowMixWeights(std::uint32_t f) noexcept { return set1(f * 0x00010001u); }
    static Reg mixRows(Reg a, Reg b, Reg f) noexcept
    {
        const Reg zero = _mm_setzero_si128();
        return _mm_packus_epi16(mixHalf(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), f),
                                mixHalf(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), f));
    }
    static Reg mixHalf(Reg a, Reg b, Reg f) noexcept
    {
        const Reg sum =
            _mm_add_epi16(_mm_slli_epi16(a, 6), _mm_mullo_epi16(_mm_sub_epi16(b, a), f));
        return _mm_srli_epi16(sum, 6);
    }
};

} // namespace vantrel::kernels
