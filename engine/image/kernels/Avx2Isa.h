#pragma once

#include <immintrin.h>

#include <cstdint>

// Eight pixels per register. Only translation units built for AVX2 include this.
namespace vantrel::kernels {

struct Avx2Isa {
    using Reg = __m256i;
    static constexpr std::uint32_t lanes = 8;
    static constexpr bool hasPermute = true;
    static constexpr bool hasPartial = false;

    // One load per use: folding a misaligned load into several instructions would split
    // cache lines several times.
    static Reg load(const unsigned char* p) noexcept
    {
        Reg v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        asm("" : "+v"(v));
        return v;
    }
    static void store(unsigned char* p, Reg v) noexcept
    {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
    }
    static Reg set1(std::uint32_t v) noexcept { return _mm256_set1_epi32(static_cast<int>(v)); }

    static Reg and_(Reg a, Reg b) noexcept { return _mm256_and_si256(a, b); }
    static Reg or_(Reg a, Reg b) noexcept { return _mm256_or_si256(a, b); }
    static Reg xor_(Reg a, Reg b) noexcept { return _mm256_xor_si256(a, b); }
    // Bytes of `ifSet` where `mask` has its top bit set, of `ifClear` elsewhere.
    static Reg select(Reg mask, Reg ifSet, Reg ifClear) noexcept
    {
        return _mm256_blendv_epi8(ifClear, ifSet, mask);
    }

    static Reg add16(Reg a, Reg b) noexcept { return _mm256_add_epi16(a, b); }
    static Reg sub16(Reg a, Reg b) noexcept { return _mm256_sub_epi16(a, b); }
    static Reg mullo16(Reg a, Reg b) noexcept { return _mm256_mullo_epi16(a, b); }
    template <int n>
    static Reg srli16(Reg a) noexcept
    {
        return _mm256_srli_epi16(a, n);
    }
    template <int n>
    static Reg slli16(Reg a) noexcept
    {
        return _mm256_slli_epi16(a, n);
    }
    static Reg addsU8(Reg a, Reg b) noexcept { return _mm256_adds_epu8(a, b); }
    static Reg subsU8(Reg a, Reg b) noexcept { return _mm256_subs_epu8(a, b); }
    static Reg add8(Reg a, Reg b) noexcept { return _mm256_add_epi8(a, b); }
    static Reg sub8(Reg a, Reg b) noexcept { return _mm256_sub_epi8(a, b); }

    // 8 bytes at p in both 64-bit halves of each 128-bit lane.
    static Reg broadcast64(const unsigned char* p) noexcept
    {
        return _mm256_broadcastq_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
    }

    // 8 gray bytes -> gray x 0x010101.
    static Reg expandGray8(const unsigned char* p) noexcept
    {
        const Reg order = _mm256_setr_epi8(0, 0, 0, -1, 1, 1, 1, -1, 2, 2, 2, -1, 3, 3, 3, -1, //
                                           4, 4, 4, -1, 5, 5, 5, -1, 6, 6, 6, -1, 7, 7, 7, -1);
        return _mm256_shuffle_epi8(broadcast64(p), order);
    }

    // 24 bytes blue, green, red -> words with a fourth byte of 0. Reads bytes 0-15 and 8-23.
    static Reg expandBgr24(const unsigned char* p) noexcept
    {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
        const Reg both = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
        const Reg order =
            _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, //
                             4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
        return _mm256_shuffle_epi8(both, order);
    }

    // 8 gray/alpha byte pairs -> gray x 0x010101 | alpha << 24.
    static Reg expandGrayAlpha16(const unsigned char* p) noexcept
    {
        const Reg both =
            _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        const Reg order =
            _mm256_setr_epi8(0, 0, 0, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7, //
                             8, 8, 8, 9, 10, 10, 10, 11, 12, 12, 12, 13, 14, 14, 14, 15);
        return _mm256_shuffle_epi8(both, order);
    }

    // The fourth byte of each word as a pair (v, v).
    static Reg alphaPairs(Reg s) noexcept
    {
        const Reg order =
            _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1, //
                             3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1);
        return _mm256_shuffle_epi8(s, order);
    }

    // 8 bytes as pairs (v, v).
    static Reg bytePairs(const unsigned char* p) noexcept
    {
        const Reg order =
            _mm256_setr_epi8(0, -1, 0, -1, 1, -1, 1, -1, 2, -1, 2, -1, 3, -1, 3, -1, //
                             4, -1, 4, -1, 5, -1, 5, -1, 6, -1, 6, -1, 7, -1, 7, -1);
        return _mm256_shuffle_epi8(broadcast64(p), order);
    }

    // table[index] for 8 index bytes.
    static Reg gatherPairs(const std::uint32_t* table, const unsigned char* index) noexcept
    {
        const Reg indices =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(index)));
        return _mm256_i32gather_epi32(reinterpret_cast<const int*>(table), indices, 4);
    }

    // Words of v at the 8 positions `order` (each 0..7).
    static Reg permuteWords(Reg v, const std::uint32_t* order) noexcept
    {
        return _mm256_permutevar8x32_epi32(v, load(reinterpret_cast<const unsigned char*>(order)));
    }

    // (p0 x (64 - f) + p1 x f) >> 6 per byte; the sums stay below 2^15, so the signed
    // byte multiply-add is exact.
    static Reg mixWords(Reg p0, Reg p1, const std::uint32_t* weights) noexcept
    {
        const auto* w = reinterpret_cast<const unsigned char*>(weights);
        return mix(p0, p1, load(w), load(w + 32));
    }

    static Reg rowMixWeights(std::uint32_t f) noexcept
    {
        return set1(((64u - f) | f << 8) * 0x00010001u);
    }
    static Reg mixRows(Reg a, Reg b, Reg weights) noexcept { return mix(a, b, weights, weights); }

    static Reg mix(Reg p0, Reg p1, Reg lowWeights, Reg highWeights) noexcept
    {
        const Reg low = _mm256_maddubs_epi16(_mm256_unpacklo_epi8(p0, p1), lowWeights);
        const Reg high = _mm256_maddubs_epi16(_mm256_unpackhi_epi8(p0, p1), highWeights);
        return _mm256_packus_epi16(_mm256_srli_epi16(low, 6), _mm256_srli_epi16(high, 6));
    }
};

} // namespace vantrel::kernels
