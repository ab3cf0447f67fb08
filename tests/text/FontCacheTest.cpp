#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include <vantrel/text/FontCache.h>

using namespace vantrel;

TEST(FontCache, HoldsEveryCodeUpToTheCapacityThenFlushesOnTheNextNewCode)
{
    auto glyphWithAdvance = [](std::int32_t advance) {
        return GlyphData{Point{0, 0}, Point{advance, 0}, std::make_shared<Image>(4, 2, PixelFormat::Gray8)};
    };
    FontCache cache(2048);
    // Codes above the sign bit count as large ones.
    for (std::uint32_t code = 0xFFFFFFFFu; code != 2047; ++code) {
        cache.insert(code, glyphWithAdvance(static_cast<std::int32_t>(code)));
    }
    EXPECT_EQ(cache.getCount(), 2048u);
    ASSERT_NE(cache.find(0xFFFFFFFFu), nullptr);
    EXPECT_EQ(cache.find(0xFFFFFFFFu)->advance.x, -1);
    EXPECT_EQ(cache.find(2046)->advance.x, 2046);

    cache.insert(5000, glyphWithAdvance(7));
    EXPECT_EQ(cache.getCount(), 1u);
    EXPECT_EQ(cache.find(0), nullptr);
    EXPECT_EQ(cache.find(0xFFFFFFFFu), nullptr);
    ASSERT_NE(cache.find(5000), nullptr);
    EXPECT_EQ(cache.find(5000)->advance.x, 7);
}
