#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/text/Font.h>
#include "tests/support/Failure.h"
#include "tests/support/Pixels.h"

using namespace vantrel;

namespace {

// The scene's read-out font, made once and shared.
Font& line32()
{
    static Font& font = *new Font(sceneFace, 0, 32, false, false);
    return font;
}

// Number of columns from the first to the last holding ink.
std::uint32_t inkWidth(const Image& image)
{
    std::uint32_t first = image.getWidth();
    std::uint32_t end = 0;
    for (std::uint32_t y = 0; y < image.getHeight(); ++y) {
        for (std::uint32_t x = 0; x < image.getWidth(); ++x) {
            if (image.row(y)[x] != 0) {
                first = std::min(first, x);
                end = std::max(end, x + 1);
            }
        }
    }
    return end > first ? end - first : 0;
}

} // namespace

TEST(SceneFont, FaceNamesFindTheProportionalGothicFaceWithItsLineMetrics)
{
    EXPECT_EQ(line32().getFace().family, "IPAPGothic");
    EXPECT_EQ(Font("MS PGothic", 0, 16, false, false).getFace().family, "IPAPGothic");
    const FontMetrics& big = line32().getMetrics();
    EXPECT_EQ((std::array{big.height, big.ascent, big.descent}), (std::array{32, 26, 6}));

    for (const char* name : {"Vantrel No Such Face", ""}) {
        Font unknown(name, 0, 16, false, false);
        EXPECT_FALSE(unknown.getFace().file.empty()) << name;
        EXPECT_TRUE(unknown.getGlyphData('A').image) << name;
    }
}

TEST(Font, EachCodeIsRasterisedOnceAndASpaceHasNoInk)
{
    Font font(sceneFace, 0, 32, false, false);
    for (std::uint32_t code : {'A', 'A', 'B', 'A'}) {
        font.getGlyphData(code);
    }
    EXPECT_EQ(font.getRasterisationCount(), 2u);

    GlyphData space = font.getGlyphData(' ');
    EXPECT_FALSE(space.image);
    EXPECT_GT(space.advance.x, 0);
    EXPECT_EQ(space.advance.y, 0);
}

// The image must hold FreeType's coverage byte for byte, with zero padding columns (the narrow
// characters among these need some).
TEST(SceneFont, CoverageMatchesTheRasteriserAndPaddingColumnsAreZero)
{
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, line32().getFace().file.c_str(), line32().getFace().index, &face), 0);
    ASSERT_EQ(FT_Set_Char_Size(face, 1904, 1904, 72, 72), 0);

    for (unsigned char c : std::string("Iil1.,Wgq@")) {
        ASSERT_EQ(FT_Load_Char(face, c, FT_LOAD_NO_BITMAP | FT_LOAD_RENDER), 0);
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        GlyphData glyph = line32().getGlyphData(c);
        ASSERT_TRUE(glyph.image) << c;
        const Image& image = *glyph.image;
        EXPECT_EQ(glyph.offset.x, face->glyph->bitmap_left) << c;
        EXPECT_EQ(glyph.offset.y, line32().getMetrics().ascent - face->glyph->bitmap_top) << c;
        EXPECT_EQ(glyph.advance.x, (face->glyph->advance.x + 32) >> 6) << c;
        ASSERT_EQ(image.getFormat(), PixelFormat::Gray8);
        ASSERT_EQ(image.getWidth(), (bitmap.width + 3) / 4 * 4) << c;
        ASSERT_EQ(image.getHeight(), bitmap.rows) << c;
        for (std::uint32_t y = 0; y < bitmap.rows; ++y) {
            std::vector<unsigned char> want(image.getWidth()); // padding columns zero
            std::memcpy(want.data(), bitmap.buffer + y * bitmap.pitch, bitmap.width);
            EXPECT_EQ(std::vector(image.row(y), image.row(y) + image.getWidth()), want) << c << " row " << y;
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

TEST(SceneFont, CodesFromBytesAbove127GiveTheMissingGlyph)
{
    GlyphData missing = line32().getGlyphData(0x10FFFF);
    for (std::uint32_t code : {0xFFFFFF80u, 0xFFFFFFC3u, 0xFFFFFFFFu, 0xD800u}) {
        GlyphData glyph = line32().getGlyphData(code);
        EXPECT_EQ(glyph.advance, missing.advance) << code;
        EXPECT_EQ(glyph.offset, missing.offset) << code;
        EXPECT_TRUE(sameImage(glyph.image.get(), missing.image.get())) << code;
    }
    EXPECT_NE(line32().getCache().find(0xFFFFFFFFu), nullptr);
}

TEST(SceneFont, MissingStylesAreSynthesisedAndAWidthNarrowsTheCharacters)
{
    Font bold(sceneFace, 0, 32, true, false);
    Font italic(sceneFace, 0, 32, false, true);
    EXPECT_FALSE(bold.isItalicSynthesised());

    GlyphData regular = line32().getGlyphData('l');
    GlyphData thick = bold.getGlyphData('l');
    GlyphData slanted = italic.getGlyphData('l');
    EXPECT_GT(inkWidth(*thick.image), inkWidth(*regular.image));
    EXPECT_GE(thick.advance.x, regular.advance.x);
    EXPECT_GT(inkWidth(*slanted.image), inkWidth(*regular.image) + 2);
    EXPECT_EQ(slanted.advance.x, regular.advance.x);

    Font narrow(sceneFace, 10, 32, false, false);
    EXPECT_LT(narrow.getGlyphData('0').advance.x, line32().getGlyphData('0').advance.x);
    GlyphData tall = narrow.getGlyphData('H');
    ASSERT_TRUE(tall.image);
    EXPECT_EQ(tall.image->getHeight(), line32().getGlyphData('H').image->getHeight());
}

TEST(Font, AnImpossibleSizeFailsWithTheCallsName)
{
    auto error = thrownBy<Win32Exception>([] { Font(sceneFace, 0, std::numeric_limits<std::int32_t>::max(), false, false); });
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->what(), "FT_Set_Char_Size API failed in vantrel::Font::Font method.");
    EXPECT_NE(error->getErrorCode(), 0u);
}

TEST(Font, AFaceWithItsOwnBoldIsNotEmboldenedAgain)
{
    Font bold("DejaVu Sans", 0, 16, true, false);
    if (bold.getFace().family != "DejaVu Sans") {
        GTEST_SKIP() << "DejaVu Sans is not installed";
    }
    EXPECT_NE(bold.getFace().file.find("Bold"), std::string::npos);
    EXPECT_FALSE(bold.isBoldSynthesised());
    EXPECT_TRUE(bold.getGlyphData('H').image);
}
