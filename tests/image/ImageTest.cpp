#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>

#include <vantrel/image/Image.h>
#include <vantrel/image/MemoryHelper.h>

using namespace vantrel;

TEST(Image, PitchAndRowOffsetsDoNotOverflow)
{
    // Unknown formats are stored as four-byte pixels.
    EXPECT_EQ(Image(10, 2, PixelFormat::Bgr24).getPitch(), 30u);
    EXPECT_EQ(Image(10, 2, static_cast<PixelFormat>(7)).getPitch(), 40u);
    EXPECT_THROW(Image(0x40000000u, 1, PixelFormat::Bgra32), std::bad_alloc);
    EXPECT_THROW(Image(0x60000000u, 1, PixelFormat::Bgr24), std::bad_alloc);
    // pitch x height overflows 32 bits; the row address must not wrap.
    Image view(0x10000, 0x10000, PixelFormat::Bgrx32, 0x40000, std::shared_ptr<unsigned char>());
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(view.row(0x8000)), std::uintptr_t{0x40000} * 0x8000);
}

TEST(MemoryHelper, AlignsTo64KiBAndStoresTheRawAddressBelow)
{
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{1366 * 4 * 768}}) {
        auto block = MemoryHelper::allocateAligned(size);
        auto address = reinterpret_cast<std::uintptr_t>(block.get());
        EXPECT_EQ(address & 0xFFFF, 0u);
        std::uintptr_t raw;
        std::memcpy(&raw, block.get() - sizeof raw, sizeof raw);
        EXPECT_GE(address - raw, 65536u);
        EXPECT_LT(address - raw, 131072u);
        block.get()[size] = 1; // slack behind the last byte belongs to the block
    }
    EXPECT_THROW(MemoryHelper::allocateAligned(~std::size_t{0} - 10), std::bad_alloc);
}
