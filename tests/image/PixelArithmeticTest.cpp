#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include <vantrel/image/kernels/BlendModes.h>
#include <vantrel/image/kernels/PixelWord.h>

// The word-form arithmetic against its per-channel meaning.
namespace {

using namespace vantrel::kernels;

std::uint32_t byteOf(std::uint32_t word, int i)
{
    return (word >> (8 * i)) & 255;
}

// Every pair of channel values, in every channel, with the fourth byte wrapping; the other
// channels hold values that carry or borrow when they can.
TEST(PixelArithmetic, CarryMaskAddAndSubtractClampEachChannel)
{
    for (std::uint32_t d = 0; d < 256; ++d) {
        for (std::uint32_t s = 0; s < 256; ++s) {
            for (int channel = 0; channel < 4; ++channel) {
                const std::uint32_t others = ~(0xFFu << (8 * channel));
                const std::uint32_t dw = (0xFF80FFu & others) | d << (8 * channel);
                const std::uint32_t sw = (0x80FF01u & others) | s << (8 * channel);
                for (int i = 0; i < 4; ++i) {
                    const std::uint32_t a = byteOf(dw, i);
                    const std::uint32_t b = byteOf(sw, i);
                    ASSERT_EQ(byteOf(AddMode::pixel(dw, sw), i), i == 3 ? (a + b) & 255 : std::min(a + b, 255u));
                    ASSERT_EQ(byteOf(SubtractMode::pixel(dw, sw), i), i == 3 ? (a - b) & 255 : (a > b ? a - b : 0));
                }
            }
        }
    }
}

// Multiply and screen clear the fourth byte; composition weights run 0..256 and clear it too,
// mixing fractions run 0..64 and mix it like the others.
TEST(PixelArithmetic, MultiplyScreenCompositionAndSixBitMixingTruncatePerChannel)
{
    std::mt19937 random(21);
    for (std::uint32_t a = 0; a <= 256; ++a) {
        for (int trial = 0; trial < 300; ++trial) {
            const std::uint32_t d = static_cast<std::uint32_t>(random());
            const std::uint32_t s = static_cast<std::uint32_t>(random());
            const std::uint32_t product = MultiplyMode::pixel(d, s);
            const std::uint32_t screen = InverseMultiplyMode::pixel(d, s);
            const std::uint32_t composed = composeWord(d, s, a);
            for (int i = 0; i < 3; ++i) {
                const std::uint32_t x = byteOf(d, i);
                const std::uint32_t y = byteOf(s, i);
                ASSERT_EQ(byteOf(product, i), y * 129 / 128 * x / 256);
                ASSERT_EQ(byteOf(screen, i), 255 - (255 - y) * 129 / 128 * (255 - x) / 256);
                ASSERT_EQ(byteOf(composed, i), (x * (256 - a) + y * a) / 256);
            }
            ASSERT_EQ(product >> 24 | screen >> 24 | composed >> 24, 0u);
            for (int i = 0; i < 4 && a <= 64; ++i) {
                ASSERT_EQ(byteOf(lerpWord(d, s, a), i), (byteOf(d, i) * (64 - a) + byteOf(s, i) * a) / 64);
            }
        }
    }
}

} // namespace
