#pragma once

#include <cstdint>
#include <cstring>

// Every kernel level, each built for its own instruction set, includes the scalar helpers;
// they are always inlined so that no out-of-line copy built for a wider instruction set can
// be the one the linker keeps for everybody.
#define VANTREL_KERNEL_INLINE [[gnu::always_inline]] inline

// Scalar arithmetic on the 32-bit pixel word 0xXXRRGGBB.
namespace vantrel::kernels {

// An 8-bit opacity or alpha v becomes a weight 0..256; 256 replaces the old value outright.
VANTREL_KERNEL_INLINE constexpr std::uint32_t blendWeight(std::uint32_t value) noexcept
{
    return (value * 129) >> 7;
}

// Rows need not be 4-byte aligned, so words go through memcpy.
VANTREL_KERNEL_INLINE std::uint32_t loadWord(const unsigned char* p) noexcept
{
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

VANTREL_KERNEL_INLINE void storeWord(unsigned char* p, std::uint32_t word) noexcept
{
    std::memcpy(p, &word, sizeof word);
}

VANTREL_KERNEL_INLINE constexpr std::uint32_t grayWord(std::uint32_t gray) noexcept
{
    return gray * 0x010101u;
}

// (d x (256 - a) + f x a) >> 8 for blue, green and red, two channels per multiplication;
// the fourth byte of the result is 0.
VANTREL_KERNEL_INLINE constexpr std::uint32_t composeWord(std::uint32_t d, std::uint32_t f,
                                                          std::uint32_t a) noexcept
{
    const std::uint32_t ia = 256 - a;
    const std::uint32_t rb = (d & 0xFF00FFu) * ia + (f & 0xFF00FFu) * a;
    const std::uint32_t g = (d & 0xFF00u) * ia + (f & 0xFF00u) * a;
    return ((rb & 0xFF00FF00u) | (g & 0x00FF0000u)) >> 8;
}

// (p0 x (64 - f) + p1 x f) >> 6 for each of the four bytes, f in 0..64.
VANTREL_KERNEL_INLINE constexpr std::uint32_t lerpWord(std::uint32_t p0, std::uint32_t p1,
                                                       std::uint32_t f) noexcept
{
    const std::uint32_t g = 64 - f;
    const std::uint32_t even = (((p0 & 0xFF00FFu) * g + (p1 & 0xFF00FFu) * f) >> 6) & 0xFF00FFu;
    const std::uint32_t odd =
        ((((p0 >> 8) & 0xFF00FFu) * g + ((p1 >> 8) & 0xFF00FFu) * f) >> 6) & 0xFF00FFu;
    return even | (odd << 8);
}

} // namespace vantrel::kernels
