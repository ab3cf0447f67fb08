#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "engine/image/kernels/BlendModes.h"
#include "engine/image/kernels/PixelWord.h"

// The word-form arithmetic against its per-channel meaning.
namespace {

using namespace vantrel::kernels;

std::uint32_t byteOf(std::uint32_t word, int i)
{
    return (word >> (8 * i)) & 255;
}

// Every pair of channel values, in every channel, with the fourth byte wrapping.
TEST(PixelArithmetic, CarryMaskAddAndSubtractClampEachChannel)
{
    for (std::uint32_t d = 0; d < 256; ++d) {
        for (std::uint32_t s = 0; s < 256; ++s) {
            for (int channel = 0; channel < 4; ++channel) {
                // The other channels hold values that carry or borrow when they can.
                const std::uint32_t background = 0xFF80FFu & ~(0xFFu << (8 * channel));
                const std::uint32_t dw = background | d << (8 * channel);
                const std::uint32_t sw =
                    (0x80FF01u & ~(0xFFu << (8 * channel))) | s << (8 * channel);
                const std::uint32_t added = AddMode::pixel(dw, sw);
                const std::uint32_t subtracted = SubtractMode::pixel(dw, sw);
                for (int i = 0; i < 4; ++i) {
                    const std::uint32_t a = byteOf(dw, i);
                    const std::uint32_t b = byteOf(sw, i);
                    ASSERT_EQ(byteOf(added, i), i == 3 ? (a + b) & 255 : std::min(a + b, 255u));
                    ASSERT_EQ(byteOf(subtracted, i), i == 3 ? (a - b) & 255 : (a > b ? a - b : 0));
                }
            }
        }
    }
}

TEST(PixelArithmetic, MultiplyAndScreenPerChannel)
{
    std::mt19937 random(21);
    for (int trial = 0; trial < 20000; ++trial) {
        const std::uint32_t d = static_cast<std::uint32_t>(random());
        const std::uint32_t s = static_cast<std::uint32_t>(random());
        const std::uint32_t product = MultiplyMode::pixel(d, s);
        const std::uint32_t screen = InverseMultiplyMode::pixel(d, s);
        for (int i = 0; i < 3; ++i) {
            const std::uint32_t a = byteOf(d, i);
            const std::uint32_t b = byteOf(s, i);
            ASSERT_EQ(byteOf(product, i), b * 129 / 128 * a / 256);
            ASSERT_EQ(byteOf(screen, i), 255 - (255 - b) * 129 / 128 * (255 - a) / 256);
        }
        ASSERT_EQ(byteOf(product, 3), 0u);
        ASSERT_EQ(byteOf(screen, 3), 0u);
    }
}

// Composition weights run 0..256 and mixing fractions 0..64; the fourth byte is mixed too.
TEST(PixelArithmetic, CompositionAndSixBitMixingTruncatePerChannel)
{
    std::mt19937 random(22);
    for (std::uint32_t a = 0; a <= 256; ++a) {
        for (int trial = 0; trial < 300; ++trial) {
            const std::uint32_t d = static_cast<std::uint32_t>(random());
            const std::uint32_t f = static_cast<std::uint32_t>(random());
            const std::uint32_t out = composeWord(d, f, a);
            for (int i = 0; i < 3; ++i) {
                ASSERT_EQ(byteOf(out, i), (byteOf(d, i) * (256 - a) + byteOf(f, i) * a) / 256);
            }
            ASSERT_EQ(byteOf(out, 3), 0u);
            if (a <= 64) {
                const std::uint32_t mixed = lerpWord(d, f, a);
                for (int i = 0; i < 4; ++i) {
                    ASSERT_EQ(byteOf(mixed, i), (byteOf(d, i) * (64 - a) + byteOf(f, i) * a) / 64);
                }
            }
        }
    }
}

} // namespace
