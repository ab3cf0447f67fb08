#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

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

} // namespace
