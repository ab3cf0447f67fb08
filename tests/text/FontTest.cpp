#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <array>
#include <cstring>
#include <limits>
#include <string>

#include <vantrel/base/Exception.h>
#include <vantrel/text/Font.h>

using namespace vantrel;

namespace {

// The face name the scene asks for, UTF-8.
const char* const sceneFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

class SceneFont : public ::testing::Test {
protected:
    static void SetUpTestSuite() { line32 = new Font(sceneFace, 0, 32, false, false); }
    static void TearDownTestSuite() { delete line32; }

    static Font* line32;
};

Font* SceneFont::line32 = nullptr;

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

TEST_F(SceneFont, FaceNamesFindTheProportionalGothicFaceWithItsLineMetrics)
{
    EXPECT_EQ(line32->getFace().family, "IPAPGothic");
    EXPECT_EQ(Font("MS PGothic", 0, 16, false, false).getFace().family, "IPAPGothic");
    const FontMetrics& big = line32->getMetrics();
    EXPECT_EQ((std::array{big.height, big.ascent, big.descent}), (std::array{32, 26, 6}));

    for (const char* name : {"Vantrel No Such Face", ""}) {
        Font unknown(name, 0, 16, false, false);
        EXPECT_FALSE(unknown.getFace().file.empty()) << name;
        EXPECT_TRUE(unknown.getGlyphData('A').image) << name;
    }
}

TEST(Font, EachCodeIsRasterisedOnceAndItsImageShared)
{
    Font font(sceneFace, 0, 32, false, false);
    GlyphData first = font.getGlyphData('A');
    GlyphData second = font.getGlyphData('A');
    EXPECT_EQ(font.getRasterisationCount(), 1u);
    ASSERT_TRUE(first.image);
    EXPECT_EQ(first.image, second.image);
    font.getGlyphData('B');
    font.getGlyphData('A');
    EXPECT_EQ(font.getRasterisationCount(), 2u);

    GlyphData space = font.getGlyphData(' ');
    EXPECT_FALSE(space.image);
    EXPECT_GT(space.advance.x, 0);
    EXPECT_EQ(space.advance.y, 0);
}

// The image must hold FreeType's coverage byte for byte, with zero padding columns.
TEST_F(SceneFont, CoverageMatchesTheRasteriserAndPaddingColumnsAreZero)
{
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, line32->getFace().file.c_str(), line32->getFace().index,
                          &face),
              0);
    ASSERT_EQ(FT_Set_Char_Size(face, 1904, 1904, 72, 72), 0);

    int paddedGlyphs = 0;
    for (unsigned char c : std::string("Iil1.,Wgq@")) {
        ASSERT_EQ(FT_Load_Char(face, c, FT_LOAD_NO_BITMAP | FT_LOAD_RENDER), 0);
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        GlyphData glyph = line32->getGlyphData(c);
        ASSERT_TRUE(glyph.image) << c;
        const Image& image = *glyph.image;
        EXPECT_EQ(glyph.offset.x, face->glyph->bitmap_left) << c;
        EXPECT_EQ(glyph.offset.y, line32->getMetrics().ascent - face->glyph->bitmap_top) << c;
        EXPECT_EQ(glyph.advance.x, (face->glyph->advance.x + 32) >> 6) << c;
        ASSERT_EQ(image.getFormat(), PixelFormat::Gray8);
        ASSERT_EQ(image.getWidth(), (bitmap.width + 3) / 4 * 4) << c;
        ASSERT_EQ(image.getHeight(), bitmap.rows) << c;
        paddedGlyphs += image.getWidth() != bitmap.width ? 1 : 0;
        for (std::uint32_t y = 0; y < bitmap.rows; ++y) {
            const unsigned char* source = bitmap.buffer + y * bitmap.pitch;
            EXPECT_EQ(std::memcmp(image.row(y), source, bitmap.width), 0) << c << " row " << y;
            for (std::uint32_t x = bitmap.width; x < image.getWidth(); ++x) {
                EXPECT_EQ(image.row(y)[x], 0) << c << " row " << y << " column " << x;
            }
        }
    }
    EXPECT_GT(paddedGlyphs, 0);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

TEST_F(SceneFont, CodesFromBytesAbove127GiveTheMissingGlyph)
{
    GlyphData missing = line32->getGlyphData(0x10FFFF);
    for (std::uint32_t code : {0xFFFFFF80u, 0xFFFFFFC3u, 0xFFFFFFFFu, 0xD800u}) {
        GlyphData glyph = line32->getGlyphData(code);
        EXPECT_EQ(glyph.advance, missing.advance) << code;
        EXPECT_EQ(glyph.offset, missing.offset) << code;
        ASSERT_EQ(static_cast<bool>(glyph.image), static_cast<bool>(missing.image)) << code;
        if (glyph.image) {
            ASSERT_EQ(glyph.image->getWidth(), missing.image->getWidth());
            ASSERT_EQ(glyph.image->getHeight(), missing.image->getHeight());
            EXPECT_EQ(std::memcmp(glyph.image->getPixels(), missing.image->getPixels(),
                                  glyph.image->getWidth() * glyph.image->getHeight()),
                      0);
        }
    }
    EXPECT_NE(line32->getCache().find(0xFFFFFFFFu), nullptr);
}

TEST_F(SceneFont, MissingStylesAreSynthesisedAndAWidthNarrowsTheCharacters)
{
    Font bold(sceneFace, 0, 32, true, false);
    Font italic(sceneFace, 0, 32, false, true);
    EXPECT_TRUE(bold.isBoldSynthesised());
    EXPECT_FALSE(bold.isItalicSynthesised());
    EXPECT_TRUE(italic.isItalicSynthesised());
    EXPECT_FALSE(line32->isBoldSynthesised());

    GlyphData regular = line32->getGlyphData('l');
    GlyphData thick = bold.getGlyphData('l');
    GlyphData slanted = italic.getGlyphData('l');
    EXPECT_GT(inkWidth(*thick.image), inkWidth(*regular.image));
    EXPECT_GE(thick.advance.x, regular.advance.x);
    EXPECT_GT(inkWidth(*slanted.image), inkWidth(*regular.image) + 2);
    EXPECT_EQ(slanted.advance.x, regular.advance.x);

    Font narrow(sceneFace, 10, 32, false, false);
    EXPECT_LT(narrow.getGlyphData('0').advance.x, line32->getGlyphData('0').advance.x);
    GlyphData tall = narrow.getGlyphData('H');
    ASSERT_TRUE(tall.image);
    EXPECT_EQ(tall.image->getHeight(), line32->getGlyphData('H').image->getHeight());
}

TEST(Font, AnImpossibleSizeFailsWithTheCallsName)
{
    try {
        Font huge(sceneFace, 0, std::numeric_limits<std::int32_t>::max(), false, false);
        FAIL() << "no exception";
    } catch (const Win32Exception& error) {
        EXPECT_STREQ(error.what(), "FT_Set_Char_Size API failed in vantrel::Font::Font method.");
        EXPECT_NE(error.getErrorCode(), 0u);
    }
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
