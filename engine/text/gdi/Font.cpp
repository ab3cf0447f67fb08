#include <vantrel/text/Font.h>

#include <windows.h>

#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/image/Image.h>

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::Font::Font";
constexpr const char* glyphMethodName = "vantrel::Font::getGlyphDataImpl";

[[noreturn]] void throwLastError(const char* fmt, const char* method)
{
    auto message = format(fmt, method);
    throw Win32Exception(message, GetLastError());
}

std::wstring widen(const char* utf8)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

// GDI's 65 coverage levels (0..64) spread over 0..255.
unsigned char coverageOf(unsigned char level)
{
    return static_cast<unsigned char>(level * 255u / 64u);
}

} // namespace

Font::Font(const char* faceName, std::int32_t width, std::int32_t height, bool bold, bool italic)
{
    std::shared_ptr<HDC__> screen(GetDC(nullptr), [](HDC screenDc) {
        if (screenDc != nullptr) {
            ReleaseDC(nullptr, screenDc);
        }
    });
    dc.reset(CreateCompatibleDC(screen.get()), [](HDC memoryDc) {
        if (memoryDc != nullptr) {
            DeleteDC(memoryDc);
        }
    });
    if (!dc) {
        throwLastError("CreateCompatibleDC API failed in %s method.", constructorName);
    }
    // UTF-16 face name: an ANSI name only matches on a system whose code page encodes it.
    std::wstring face = widen(faceName);
    fontHandle.reset(CreateFontW(height, width, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 0, face.c_str()),
                     [](HFONT font) {
                         if (font != nullptr) {
                             DeleteObject(font);
                         }
                     });
    if (!fontHandle) {
        throwLastError("CreateFontW API failed in %s method.", constructorName);
    }
    HDC memoryDc = dc.get();
    HGDIOBJ previous = SelectObject(memoryDc, fontHandle.get());
    if (previous == nullptr) {
        throwLastError("SelectObject API failed in %s method.", constructorName);
    }
    previousObject.reset(previous, [memoryDc](void* object) {
        if (object != nullptr) {
            SelectObject(memoryDc, static_cast<HGDIOBJ>(object));
        }
    });
    TEXTMETRICW textMetrics{};
    if (!GetTextMetricsW(memoryDc, &textMetrics)) {
        throwLastError("GetTextMetrics API failed in %s method.", constructorName);
    }
    metrics.ascent = textMetrics.tmAscent;
    metrics.height = textMetrics.tmHeight;
    // The family of the font really selected: the face name reads back as asked even
    // when a substitute stands in for it.
    UINT outlineSize = GetOutlineTextMetricsW(memoryDc, 0, nullptr);
    if (outlineSize >= sizeof(OUTLINETEXTMETRICW)) {
        std::vector<unsigned char> outline(outlineSize);
        auto* outlineMetrics = reinterpret_cast<OUTLINETEXTMETRICW*>(outline.data());
        if (GetOutlineTextMetricsW(memoryDc, outlineSize, outlineMetrics) != 0) {
            auto offset = reinterpret_cast<std::uintptr_t>(outlineMetrics->otmpFamilyName);
            if (offset > 0 && offset < outlineSize) {
                auto* family = reinterpret_cast<const wchar_t*>(outline.data() + offset);
                WideCharToMultiByte(CP_UTF8, 0, family, -1, selectedFace, sizeof selectedFace - 1, nullptr,
                                    nullptr);
            }
        }
    }
}

Font::~Font() = default;

GlyphData Font::getGlyphDataImpl(std::uint32_t code)
{
    if (const GlyphData* cached = cache.find(code)) {
        return *cached;
    }
    MAT2 identity{};
    identity.eM11.value = 1;
    identity.eM22.value = 1;
    GLYPHMETRICS glyphMetrics{};
    DWORD size = GetGlyphOutlineW(dc.get(), code, GGO_GRAY8_BITMAP, &glyphMetrics, 0, nullptr, &identity);
    if (size == GDI_ERROR) {
        throwLastError("GetGlyphOutline API failed in %s method.", glyphMethodName);
    }
    std::vector<unsigned char> levels(size);
    if (GetGlyphOutlineW(dc.get(), code, GGO_GRAY8_BITMAP, &glyphMetrics, size,
                         size != 0 ? levels.data() : nullptr, &identity) == GDI_ERROR) {
        throwLastError("GetGlyphOutline API failed in %s method.", glyphMethodName);
    }

    GlyphData glyph;
    std::uint32_t rows = glyphMetrics.gmBlackBoxY;
    // Rows of this format are padded to 4 bytes.
    std::uint32_t rowSize = rows != 0 ? size / rows : 0;
    if (size != 0 && rowSize != 0) {
        glyph.image = std::make_shared<Image>(rowSize, rows, PixelFormat::Gray8);
        for (std::uint32_t y = 0; y < rows; ++y) {
            unsigned char* row = glyph.image->row(y);
            const unsigned char* source = levels.data() + static_cast<std::size_t>(y) * rowSize;
            for (std::uint32_t x = 0; x < rowSize; ++x) {
                row[x] = coverageOf(source[x]);
            }
        }
    }
    glyph.offset = Point{glyphMetrics.gmptGlyphOrigin.x, metrics.ascent - glyphMetrics.gmptGlyphOrigin.y};
    glyph.advance = Point{glyphMetrics.gmCellIncX, glyphMetrics.gmCellIncY};
    cache.insert(code, glyph);
    return glyph;
}

} // namespace vantrel
