#pragma once

#include <immintrin.h>

#include <cstdint>

// Sixteen pixels per register (AVX-512 F and BW). Only translation units built for those
// include this.
namespace vantrel::kernels {

struct Avx512Isa {
    using Reg = __m512i;
    static constexpr std::uint32_t lanes = 16;
    static constexpr bool hasPermute = true;
    // Rows end with one masked batch of fewer than `lanes` pixels instead of single pixels;
    // masked-off bytes are neither read nor written.
    static constexpr bool hasPartial = true;

    // One load per use: folding a misaligned load into several instructions would split
    // cache lines several times.
    static Reg load(const unsigned char* p) noexcept
    {
        Reg v = _mm512_loadu_si512(p);
        asm("" : "+v"(v));
        return v;
    }
    static void store(unsigned char* p, Reg v) noexcept { _mm512_storeu_si512(p, v); }

    static __mmask16 firstWords(std::uint32_t count) noexcept
    {
        return static_cast<__mmask16>((1u << count) - 1);
    }
    static __mmask64 firstBytes(std::uint32_t count) noexcept
    {
        return count >= 64 ? ~__mmask64{0} : (__mmask64{1} << count) - 1;
    }
    // The first `count` (< lanes) words; the rest are 0.
    static Reg loadPartial(const unsigned char* p, std::uint32_t count) noexcept
    {
        return _mm512_maskz_loadu_epi32(firstWords(count), p);
    }
    static void storePartial(unsigned char* p, Reg v, std::uint32_t count) noexcept
    {
        _mm512_mask_storeu_epi32(p, firstWords(count), v);
    }
    static Reg loadBytes(const unsigned char* p, std::uint32_t count) noexcept
    {
        return _mm512_maskz_loadu_epi8(firstBytes(count), p);
    }
    static Reg set1(std::uint32_t v) noexcept { return _mm512_set1_epi32(static_cast<int>(v)); }

    static Reg and_(Reg a, Reg b) noexcept { return _mm512_and_si512(a, b); }
    static Reg or_(Reg a, Reg b) noexcept { return _mm512_or_si512(a, b); }
    static Reg xor_(Reg a, Reg b) noexcept { return _mm512_xor_si512(a, b); }
    // Bits of `ifSet` where `mask` is set, of `ifClear` elsewhere.
    static Reg select(Reg mask, Reg ifSet, Reg ifClear) noexcept
    {
        return _mm512_ternarylogic_epi32(mask, ifSet, ifClear, 0xCA);
    }

    static Reg add16(Reg a, Reg b) noexcept { return _mm512_add_epi16(a, b); }
    static Reg sub16(Reg a, Reg b) noexcept { return _mm512_sub_epi16(a, b); }
    static Reg mullo16(Reg a, Reg b) noexcept { return _mm512_mullo_epi16(a, b); }
    template <int n>
    static Reg srli16(Reg a) noexcept
    {
        return _mm512_srli_epi16(a, n);
    }
    template <int n>
    static Reg slli16(Reg a) noexcept
    {
        return _mm512_slli_epi16(a, n);
    }
    static Reg addsU8(Reg a, Reg b) noexcept { return _mm512_adds_epu8(a, b); }
    static Reg subsU8(Reg a, Reg b) noexcept { return _mm512_subs_epu8(a, b); }
    static Reg add8(Reg a, Reg b) noexcept { return _mm512_add_epi8(a, b); }
    static Reg sub8(Reg a, Reg b) noexcept { return _mm512_sub_epi8(a, b); }

    static __m128i load128(const unsigned char* p) noexcept
    {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }

    // The same byte shuffle in each 128-bit lane; -1 clears a byte.
    static Reg shuffleLanes(Reg v, const __m128i& order) noexcept
    {
        return _mm512_shuffle_epi8(v, _mm512_broadcast_i32x4(order));
    }

    // 16 gray bytes -> gray x 0x010101.
    static Reg expandGray8(const unsigned char* p) noexcept { return grayWords(load128(p)); }
    static Reg expandGray8Partial(const unsigned char* p, std::uint32_t count) noexcept
    {
        return grayWords(_mm512_castsi512_si128(loadBytes(p, count)));
    }
    static Reg grayWords(__m128i gray) noexcept
    {
        return shuffleLanes(_mm512_cvtepu8_epi32(gray),
                            _mm_setr_epi8(0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1));
    }

    // 48 bytes blue, green, red -> words with a fourth byte of 0.
    static Reg expandBgr24(const unsigned char* p) noexcept { return bgrWords(loadBytes(p, 48)); }
    static Reg expandBgr24Partial(const unsigned char* p, std::uint32_t count) noexcept
    {
        return bgrWords(loadBytes(p, 3 * count));
    }
    // Each 128-bit lane takes the 16 bytes from the dword where its four pixels start (the
    // last lane from dword 8, four bytes early), then picks their bytes.
    static Reg bgrWords(Reg bytes) noexcept
    {
        const Reg lanes = _mm512_permutexvar_epi32(
            _mm512_setr_epi32(0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 8, 9, 10, 11), bytes);
        const Reg order =
            _mm512_set_epi8(-1, 15, 14, 13, -1, 12, 11, 10, -1, 9, 8, 7, -1, 6, 5, 4, //
                            -1, 11, 10, 9, -1, 8, 7, 6, -1, 5, 4, 3, -1, 2, 1, 0,     //
                            -1, 11, 10, 9, -1, 8, 7, 6, -1, 5, 4, 3, -1, 2, 1, 0,     //
                            -1, 11, 10, 9, -1, 8, 7, 6, -1, 5, 4, 3, -1, 2, 1, 0);
        return _mm512_shuffle_epi8(lanes, order);
    }

    // 16 gray/alpha byte pairs -> gray x 0x010101 | alpha << 24.
    static Reg expandGrayAlpha16(const unsigned char* p) noexcept
    {
        return grayAlphaWords(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
    }
    static Reg expandGrayAlpha16Partial(const unsigned char* p, std::uint32_t count) noexcept
    {
        return grayAlphaWords(_mm512_castsi512_si256(loadBytes(p, 2 * count)));
    }
    static Reg grayAlphaWords(__m256i pairs) noexcept
    {
        return shuffleLanes(_mm512_cvtepu16_epi32(pairs),
                            _mm_setr_epi8(0, 0, 0, 1, 4, 4, 4, 5, 8, 8, 8, 9, 12, 12, 12, 13));
    }

    // The fourth byte of each word as a pair (v, v).
    static Reg alphaPairs(Reg s) noexcept
    {
        return shuffleLanes(
            s, _mm_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1));
    }

    // 16 bytes as pairs (v, v).
    static Reg bytePairs(const unsigned char* p) noexcept { return pairsOf(load128(p)); }
    static Reg bytePairsPartial(const unsigned char* p, std::uint32_t count) noexcept
    {
        return pairsOf(_mm512_castsi512_si128(loadBytes(p, count)));
    }
    static Reg pairsOf(__m128i bytes) noexcept
    {
        const Reg v = _mm512_cvtepu8_epi32(bytes);
        return _mm512_or_si512(v, _mm512_slli_epi32(v, 16));
    }

    // table[index] for 16 index bytes.
    static Reg gatherPairs(const std::uint32_t* table, const unsigned char* index) noexcept
    {
        return _mm512_i32gather_epi32(_mm512_cvtepu8_epi32(load128(index)), table, 4);
    }
    // Missing indices read table[0].
    static Reg gatherPairsPartial(const std::uint32_t* table, const unsigned char* index,
                                  std::uint32_t count) noexcept
    {
        const __m128i indices = _mm512_castsi512_si128(loadBytes(index, count));
        return _mm512_i32gather_epi32(_mm512_cvtepu8_epi32(indices), table, 4);
    }

    // Words of v at the 16 positions `order` (each 0..15).
    static Reg permuteWords(Reg v, const std::uint32_t* order) noexcept
    {
        return _mm512_permutexvar_epi32(_mm512_loadu_si512(order), v);
    }

    static Reg mixWords(Reg p0, Reg p1, const std::uint32_t* weights) noexcept
    {
        return mix(p0, p1, _mm512_loadu_si512(weights), _mm512_loadu_si512(weights + lanes));
    }

    static Reg rowMixWeights(std::uint32_t f) noexcept
    {
        return set1(((64u - f) | f << 8) * 0x00010001u);
    }
    static Reg mixRows(Reg a, Reg b, Reg weights) noexcept { return mix(a, b, weights, weights); }

    // (p0 x (64 - f) + p1 x f) >> 6 per byte; the sums stay below 2^15, so the signed
    // byte multiply-add is exact.
    static Reg mix(Reg p0, Reg p1, Reg lowWeights, Reg highWeights) noexcept
    {
        const Reg low = _mm512_maddubs_epi16(_mm512_unpacklo_epi8(p0, p1), lowWeights);
        const Reg high = _mm512_maddubs_epi16(_mm512_unpackhi_epi8(p0, p1), highWeights);
        return _mm512_packus_epi16(_mm512_srli_epi16(low, 6), _mm512_srli_epi16(high, 6));
    }
};

} // namespace vantrel::kernels
