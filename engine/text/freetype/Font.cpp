#include <vantrel/text/Font.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <cstring>

#include <vantrel/base/Exception.h>
#include <vantrel/image/Image.h>

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::Font::Font";
constexpr const char* glyphMethodName = "vantrel::Font::getGlyphDataImpl";

void check(FT_Error error, const char* messageFormat, const char* method)
{
    if (error != 0) {
        auto message = format(messageFormat, method);
        throw Win32Exception(message, static_cast<std::uint32_t>(error));
    }
}

// The cell from the OS/2 "win" metrics, else from the horizontal header.
FaceUnits readFaceUnits(FT_Face face)
{
    FaceUnits units;
    units.unitsPerEm = face->units_per_EM;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF) {
        units.averageWidth = os2->xAvgCharWidth;
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            units.ascent = os2->usWinAscent;
            units.descent = os2->usWinDescent;
            return units;
        }
    }
    units.ascent = face->ascender;
    units.descent = -face->descender;
    return units;
}

bool isBoldDesign(FT_Face face)
{
    if ((face->style_flags & FT_STYLE_FLAG_BOLD) != 0) {
        return true;
    }
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return os2 != nullptr && os2->version != 0xFFFF && os2->usWeightClass >= 600;
}

bool isCodePoint(std::uint32_t code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

std::uint32_t roundUpToFour(std::uint32_t value)
{
    return (value + 3u) & ~3u;
}

// Copies the rendered coverage into rows padded to 4 bytes with zero columns.
std::shared_ptr<Image> makeCoverageImage(const FT_Bitmap& bitmap)
{
    std::uint32_t width = bitmap.width;
    std::uint32_t rows = bitmap.rows;
    auto image = std::make_shared<Image>(roundUpToFour(width), rows, PixelFormat::Gray8);
    std::uint32_t padding = image->getWidth() - width;
    std::ptrdiff_t pitch = bitmap.pitch;
    const unsigned char* top = bitmap.buffer;
    if (pitch < 0) {
        top -= static_cast<std::ptrdiff_t>(rows - 1) * pitch;
    }
    for (std::uint32_t y = 0; y < rows; ++y) {
        unsigned char* row = image->row(y);
        std::memcpy(row, top + static_cast<std::ptrdiff_t>(y) * pitch, width);
        std::memset(row + width, 0, padding);
    }
    return image;
}

std::int32_t roundPixels(FT_Pos value26Dot6)
{
    return static_cast<std::int32_t>((value26Dot6 + 32) >> 6);
}

} // namespace

Font::Font(const char* faceName, std::int32_t width, std::int32_t height, bool bold, bool italic)
{
    FT_Library rawLibrary = nullptr;
    check(FT_Init_FreeType(&rawLibrary), "FT_Init_FreeType API failed in %s method.",
          constructorName);
    library.reset(rawLibrary, [](FT_Library handle) {
        if (handle != nullptr) {
            FT_Done_FreeType(handle);
        }
    });

    face = findFontFace(faceName, bold, italic);

    FT_Face rawFace = nullptr;
    check(FT_New_Face(library.get(), face.file.c_str(), face.index, &rawFace),
          "FT_New_Face API failed in %s method.", constructorName);
    ftFace.reset(rawFace, [](FT_Face handle) {
        if (handle != nullptr) {
            FT_Done_Face(handle);
        }
    });

    scale = computeFontScale(readFaceUnits(rawFace), width, height);
    check(FT_Set_Char_Size(rawFace, scale.emWidth, scale.emHeight, 72, 72),
          "FT_Set_Char_Size API failed in %s method.", constructorName);

    synthesiseBold = bold && !isBoldDesign(rawFace);
    synthesiseItalic = italic && (rawFace->style_flags & FT_STYLE_FLAG_ITALIC) == 0;
}

Font::~Font() = default;

GlyphData Font::getGlyphDataImpl(std::uint32_t code)
{
    if (const GlyphData* cached = cache.find(code)) {
        return *cached;
    }
    GlyphData glyph = rasterise(code);
    cache.insert(code, glyph);
    ++rasterisations;
    return glyph;
}

GlyphData Font::rasterise(std::uint32_t code)
{
    FT_Face handle = ftFace.get();
    FT_UInt index = isCodePoint(code) ? FT_Get_Char_Index(handle, code) : 0;
    check(FT_Load_Glyph(handle, index, FT_LOAD_NO_BITMAP),
          "FT_Load_Glyph API failed in %s method.", glyphMethodName);
    FT_GlyphSlot slot = handle->glyph;
    if (synthesiseBold) {
        FT_GlyphSlot_Embolden(slot);
    }
    if (synthesiseItalic) {
        FT_GlyphSlot_Oblique(slot);
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP) {
        check(FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL),
              "FT_Render_Glyph API failed in %s method.", glyphMethodName);
    }

    GlyphData glyph;
    glyph.offset = Point{slot->bitmap_left, scale.metrics.ascent - slot->bitmap_top};
    glyph.advance = Point{roundPixels(slot->advance.x), roundPixels(slot->advance.y)};
    if (slot->bitmap.width != 0 && slot->bitmap.rows != 0 &&
        slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        glyph.image = makeCoverageImage(slot->bitmap);
    }
    return glyph;
}

} // namespace vantrel
