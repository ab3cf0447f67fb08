#include <gtest/gtest.h>

#include <algorithm>

#include <vantrel/text/Font.h>
#include "scene/SceneFonts.h"

using namespace vantrel;

namespace {

bool samePixels(const Image& a, const Image& b)
{
    if (a.getWidth() != b.getWidth() || a.getHeight() != b.getHeight()) {
        return false;
    }
    for (std::uint32_t y = 0; y < a.getHeight(); ++y) {
        if (!std::equal(a.row(y), a.row(y) + a.getWidth(), b.row(y))) {
            return false;
        }
    }
    return true;
}

} // namespace

// The session maps the read-out face to IPAPGothic; the UTF-16 name has to reach GDI for
// that mapping to apply.
TEST(GdiFont, ReadoutFaceResolvesToTheSubstituteAndDrawsJapanese)
{
    Font font(readoutFaceName, 0, 24, false, false);
    Font substitute("IPAPGothic", 0, 24, false, false);
    EXPECT_STRNE(substitute.getSelectedFace(), "");
    EXPECT_STREQ(font.getSelectedFace(), substitute.getSelectedFace());
    EXPECT_NEAR(font.getMetrics().height, 24, 1);

    GlyphData hiragana = font.getGlyphData(U'あ');
    GlyphData missing = font.getGlyphData(0xE000); // private use: the missing-glyph box
    ASSERT_TRUE(hiragana.image);
    ASSERT_TRUE(missing.image);
    EXPECT_FALSE(samePixels(*hiragana.image, *missing.image));
}

TEST(GdiFont, GlyphsArePaddedCoverageMapsAndCached)
{
    Font font(readoutFaceName, 0, 32, false, false);
    GlyphData space = font.getGlyphData(U' ');
    EXPECT_FALSE(space.image);
    EXPECT_GT(space.advance.x, 0);
    EXPECT_EQ(space.advance.y, 0);

    GlyphData block = font.getGlyphData(U'■');
    ASSERT_TRUE(block.image);
    EXPECT_EQ(block.image->getWidth() % 4, 0u);
    EXPECT_EQ(block.image->getFormat(), PixelFormat::Gray8);
    // A solid square has fully covered pixels: GDI's level 64 becomes 255.
    unsigned char highest = 0;
    for (std::uint32_t y = 0; y < block.image->getHeight(); ++y) {
        highest = std::max(highest, *std::max_element(block.image->row(y), block.image->row(y) + block.image->getWidth()));
    }
    EXPECT_EQ(highest, 255);
    EXPECT_GT(block.offset.y, 0); // below the ascent line

    GlyphData again = font.getGlyphData(U'■');
    EXPECT_EQ(again.image, block.image);
    EXPECT_EQ(font.getCache().getCount(), 2u);
}
