#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include <vantrel/image/BlendMode.h>
#include <vantrel/image/Color.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/GlyphData.h>
#include <vantrel/image/Image.h>
#include <vantrel/image/TransitionTable.h>

// The drawing operations written the slow, obvious way: one pixel and one channel at a time,
// deciding everything per pixel. The engine's kernels must match these bit for bit.
namespace reference {

namespace detail {

using namespace vantrel;
using std::int64_t;

// A pixel as four separate values: blue, green, red, fourth byte.
using Channels = std::array<int64_t, 4>;

// With alpha, the fourth channel weighs the pixel.
struct SourcePixel {
    Channels value{};
    bool hasAlpha = false;
};

inline int64_t weightOf(int64_t v)
{
    return v * 129 / 128;
}

inline unsigned char* at(const Image& image, int64_t x, int64_t y, int64_t bytes)
{
    return image.getPixels() + y * image.getPitch() + x * bytes;
}

inline bool inside(const Image& image, int64_t x, int64_t y)
{
    return image.getPixels() != nullptr && x >= 0 && y >= 0 && x < image.getWidth() &&
           y < image.getHeight();
}

// Gray formats repeat their level in three channels; unknown formats are four-byte pixels
// without alpha.
inline std::optional<SourcePixel> readSource(const Image& image, int64_t x, int64_t y)
{
    if (!inside(image, x, y)) {
        return std::nullopt;
    }
    const int64_t bytes = bytesPerPixel(image.getFormat());
    const unsigned char* p = at(image, x, y, bytes);
    const bool gray = bytes <= 2;
    const Channels value{p[0], p[gray ? 0 : 1], p[gray ? 0 : 2], bytes % 2 == 0 ? p[bytes - 1] : 0};
    const PixelFormat format = image.getFormat();
    return SourcePixel{value, format == PixelFormat::GrayAlpha16 || format == PixelFormat::Bgra32};
}

// A gray level (in `red`) fills three channels.
inline SourcePixel colorPixel(const Color& color)
{
    return SourcePixel{color.isRgb ? Channels{color.blue, color.green, color.red, 0}
                                   : Channels{color.red, color.red, color.red, 0}};
}

inline int64_t blendChannel(int mode, int64_t d, int64_t s)
{
    switch (mode) {
    case 0:
        return s;
    case 1:
        return std::min<int64_t>(d + s, 255);
    case 2:
        return std::max<int64_t>(d - s, 0);
    case 3:
        return weightOf(s) * d / 256;
    default:
        return 255 - weightOf(255 - s) * (255 - d) / 256;
    }
}

inline Channels blendPixel(BlendMode blendMode, int64_t weight, const Channels& d, const SourcePixel& s)
{
    const int mode = std::min(static_cast<int>(blendMode), 4);
    const int64_t a = s.hasAlpha ? weightOf(s.value[3] * weight / 256) : weight;
    Channels out{};
    for (int c = 0; c < 3; ++c) {
        out[c] = (d[c] * (256 - a) + blendChannel(mode, d[c], s.value[c]) * a) / 256;
    }
    // Only an opaque draw without alpha keeps a fourth byte, wrapping where the others clamp.
    if (weight == 256 && !s.hasAlpha) {
        const int64_t wrapped = mode == 0 ? s.value[3] : mode == 1 ? d[3] + s.value[3] : d[3] - s.value[3];
        out[3] = mode <= 2 ? wrapped & 255 : 0;
    }
    return out;
}

struct Box {
    int64_t left, top, right, bottom;

    bool holds(int64_t x, int64_t y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

// `r` moved by the clip's offset.
inline Box placed(const Rect& r, const ClipRegion* clip)
{
    const int64_t dx = clip ? clip->offset.x : 0;
    const int64_t dy = clip ? clip->offset.y : 0;
    return Box{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Blends source(x, y), wherever it gives a pixel, into every pixel of a four-byte destination
// inside `box` and the clip.
template <class Source>
void paint(Image& destination, const ClipRegion* clip, BlendMode mode, std::uint8_t opacity,
           const Box& box, Source source)
{
    const int64_t weight = weightOf(opacity);
    if (weight == 0 || destination.getPixels() == nullptr || bytesPerPixel(destination.getFormat()) != 4) {
        return;
    }
    const Box limit = clip ? placed(clip->rect, nullptr) : box;
    for (int64_t y = 0; y < destination.getHeight(); ++y) {
        for (int64_t x = 0; x < destination.getWidth(); ++x) {
            const std::optional<SourcePixel> s =
                box.holds(x, y) && limit.holds(x, y) ? source(x, y) : std::nullopt;
            if (s) {
                unsigned char* p = at(destination, x, y, 4);
                const Channels out = blendPixel(mode, weight, Channels{p[0], p[1], p[2], p[3]}, *s);
                std::copy(out.begin(), out.end(), p);
            }
        }
    }
}

// `a` moved towards `b` by f/64.
inline void mix(Channels& a, const Channels& b, int64_t f)
{
    for (int i = 0; i < 4; ++i) {
        a[i] = (a[i] * (64 - f) + b[i] * f) / 64;
    }
}

} // namespace detail

using namespace detail;

// The reference under the engine's names; a stretch to the same size is a plain copy,
// smoothed or not.
struct ReferenceOps {
    static void fillRect(Image& destination, const ClipRegion* clip, BlendMode mode, const Rect& rect,
                         Color color, std::uint8_t opacity)
    {
        paint(destination, clip, mode, opacity, placed(rect, clip),
              [&](int64_t, int64_t) { return std::optional(colorPixel(color)); });
    }

    static void drawImage(Image& destination, const ClipRegion* clip, BlendMode mode,
                          const Rect& destinationRect, const Image& source, Point sourcePosition,
                          std::uint8_t opacity)
    {
        const Box box = placed(destinationRect, clip);
        paint(destination, clip, mode, opacity, box, [&](int64_t x, int64_t y) {
            return readSource(source, x - box.left + sourcePosition.x, y - box.top + sourcePosition.y);
        });
    }

    static void stretchImage(Image& destination, const ClipRegion* clip, BlendMode mode,
                             const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                             std::uint8_t opacity, bool smooth)
    {
        const Box t = placed(destinationRect, clip);
        const Box s{std::max<int64_t>(sourceRect.left, 0), std::max<int64_t>(sourceRect.top, 0),
                    std::min<int64_t>(sourceRect.right, source.getWidth()),
                    std::min<int64_t>(sourceRect.bottom, source.getHeight())};
        if (source.getPixels() == nullptr || t.left >= t.right || t.top >= t.bottom || s.left >= s.right ||
            s.top >= s.bottom) {
            return;
        }
        const int64_t stepX = ((s.right - s.left) << 16) / (t.right - t.left);
        const int64_t stepY = ((s.bottom - s.top) << 16) / (t.bottom - t.top);
        paint(destination, clip, mode, opacity, t, [&](int64_t x, int64_t y) {
            const int64_t xPosition = (x - t.left) * stepX + (s.left << 16);
            const int64_t yPosition = (y - t.top) * stepY + (s.top << 16);
            const int64_t column = xPosition >> 16;
            const int64_t row = yPosition >> 16;
            std::optional<SourcePixel> pixel = readSource(source, column, row);
            if (smooth) {
                // Columns mix while the next destination pixel still starts before the last source
                // column; rows mix but for the last.
                const bool mixColumns = (((x + 1 - t.left) * stepX) >> 16) + 1 < s.right - s.left;
                const auto mixedRow = [&](int64_t r) {
                    Channels c = readSource(source, column, r)->value;
                    if (mixColumns) {
                        mix(c, readSource(source, column + 1, r)->value, (xPosition >> 10) & 63);
                    }
                    return c;
                };
                pixel->value = mixedRow(row);
                if (row + 1 != s.bottom) {
                    mix(pixel->value, mixedRow(row + 1), (yPosition >> 10) & 63);
                }
            }
            return pixel;
        });
    }

    static void drawGlyphs(Image& destination, const ClipRegion* clip, BlendMode mode, Point origin,
                           const GlyphData* glyphs, std::size_t count, Color color, std::uint8_t opacity)
    {
        int64_t penX = origin.x + int64_t{clip ? clip->offset.x : 0};
        int64_t penY = origin.y + int64_t{clip ? clip->offset.y : 0};
        for (std::size_t i = 0; i < count; ++i) {
            const GlyphData& glyph = glyphs[i];
            const int64_t left = penX + glyph.offset.x;
            const int64_t top = penY + glyph.offset.y;
            penX += glyph.advance.x;
            penY += glyph.advance.y;
            if (!glyph.image || glyph.image->getPixels() == nullptr) {
                continue;
            }
            const Image& coverage = *glyph.image;
            const Box box{left, top, left + coverage.getWidth(), top + coverage.getHeight()};
            paint(destination, clip, mode, opacity, box, [&](int64_t x, int64_t y) {
                SourcePixel s = colorPixel(color);
                s.value[3] = *at(coverage, x - left, y - top, 1);
                s.hasAlpha = true;
                return std::optional(s);
            });
        }
    }

    // The mask's byte picks the source's weight from the table.
    static void drawTransition(Image& destination, const Rect& rect, const Image& source,
                               Point sourcePosition, const Image& mask, Point maskPosition,
                               const TransitionTable& table)
    {
        if (table.progress == 0) {
            return;
        }
        const Box box = placed(rect, nullptr);
        paint(destination, nullptr, BlendMode::Normal, 255, box, [&](int64_t x, int64_t y) {
            std::optional<SourcePixel> s = readSource(source, x - box.left + sourcePosition.x,
                                                      y - box.top + sourcePosition.y);
            const int64_t mx = x - box.left + maskPosition.x;
            const int64_t my = y - box.top + maskPosition.y;
            if (!s || !inside(mask, mx, my)) {
                return std::optional<SourcePixel>();
            }
            s->value[3] = table.weights[*at(mask, mx, my, 1)];
            s->hasAlpha = true;
            return s;
        });
    }

    static constexpr auto drawImageRect = &stretchImage;
};

} // namespace reference
