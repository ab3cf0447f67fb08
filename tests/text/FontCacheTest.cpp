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
    auto replacement = glyphWithAdvance(9);
    cache.insert(66, replacement); // a held code: no flush
    EXPECT_EQ(cache.find(66)->image, replacement.image);
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

    FontCache none(0); // a cache users build with no room still holds one record
    none.insert(65, glyphWithAdvance(1));
    none.insert(0x80000000u, glyphWithAdvance(2));
    EXPECT_EQ(none.find(65), nullptr);
    EXPECT_NE(none.find(0x80000000u), nullptr);
    EXPECT_EQ(none.getCount(), 1u);
}
