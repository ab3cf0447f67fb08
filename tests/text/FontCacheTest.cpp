#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/text/FontCache.h"

using namespace vantrel;

namespace {

GlyphData glyphWithImage(std::int32_t advance)
{
    GlyphData glyph;
    glyph.advance = Point{advance, 0};
    glyph.image = std::make_shared<Image>(4, 2, PixelFormat::Gray8);
    return glyph;
}

} // namespace

TEST(FontCache, HoldsEveryCodeUpToTheCapacityThenFlushesOnTheNextNewCode)
{
    FontCache cache(2048);
    for (std::uint32_t code = 0; code < 2048; ++code) {
        cache.insert(code, glyphWithImage(static_cast<std::int32_t>(code)));
    }
    auto replacement = glyphWithImage(9);
    cache.insert(66, replacement); // a held code: no flush
    EXPECT_EQ(cache.getCount(), 2048u);
    EXPECT_EQ(cache.getGlyphs().size(), 2048u);
    ASSERT_NE(cache.find(2047), nullptr);
    EXPECT_EQ(cache.find(2047)->advance.x, 2047);
    EXPECT_EQ(cache.find(66)->image, replacement.image);

    cache.insert(5000, glyphWithImage(7));
    EXPECT_EQ(cache.getCount(), 1u);
    ASSERT_EQ(cache.getGlyphs().size(), 1u);
    EXPECT_EQ(cache.find(0), nullptr);
    EXPECT_EQ(cache.find(2047), nullptr);
    ASSERT_NE(cache.find(5000), nullptr);
    EXPECT_EQ(cache.find(5000)->advance.x, 7);
}

TEST(FontCache, ARecordHandedOutKeepsItsImageAcrossAFlush)
{
    FontCache cache(0); // still holds one record
    cache.insert(65, glyphWithImage(1));
    GlyphData kept = *cache.find(65);
    std::weak_ptr<Image> watch = kept.image;
    kept.image->row(1)[3] = 0xAB;
    EXPECT_EQ(watch.use_count(), 2);

    cache.insert(66, glyphWithImage(2));
    EXPECT_EQ(cache.getCount(), 1u);
    ASSERT_EQ(cache.find(65), nullptr);
    ASSERT_NE(cache.find(66), nullptr);
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(kept.image->row(1)[3], 0xAB);
    EXPECT_EQ(watch.use_count(), 1);
}

TEST(FontCache, CodesAboveTheSignBitOrderAfterSmallerCodes)
{
    FontCache cache(16);
    for (std::uint32_t code : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 0xFFFFFF80u, 0u}) {
        cache.insert(code, GlyphData{});
    }
    std::vector<std::uint32_t> order;
    for (const auto& [code, glyph] : cache.getGlyphs()) {
        order.push_back(code);
    }
    EXPECT_EQ(order, (std::vector<std::uint32_t>{0u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFF80u,
                                                 0xFFFFFFFFu}));
    EXPECT_NE(cache.find(0xFFFFFF80u), nullptr);
}
