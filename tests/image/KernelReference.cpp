#include "tests/image/KernelReference.h"

#include <algorithm>
#include <array>

namespace reference {

namespace {

using namespace vantrel;

// A pixel as four separate bytes: blue, green, red, fourth.
using Channels = std::array<std::int64_t, 4>;

struct SourcePixel {
    Channels value{};
    bool hasAlpha = false;
    std::int64_t alpha = 0;
};

std::int64_t weightOf(std::int64_t v)
{
    return v * 129 / 128;
}

unsigned char* at(const Image& image, std::int64_t x, std::int64_t y, std::int64_t bytes)
{
    return image.getPixels() + y * image.getPitch() + x * bytes;
}

bool inside(const Image& image, std::int64_t x, std::int64_t y)
{
    return image.getPixels() != nullptr && x >= 0 && y >= 0 && x < image.getWidth() &&
           y < image.getHeight();
}

Channels readDestination(const Image& image, std::int64_t x, std::int64_t y)
{
    const unsigned char* p = at(image, x, y, 4);
    return Channels{p[0], p[1], p[2], p[3]};
}

void writeDestination(const Image& image, std::int64_t x, std::int64_t y, const Channels& c)
{
    unsigned char* p = at(image, x, y, 4);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(c[i]);
    }
}

SourcePixel readSource(const Image& image, std::int64_t x, std::int64_t y)
{
    const unsigned char* p = at(image, x, y, bytesPerPixel(image.getFormat()));
    switch (static_cast<int>(image.getFormat())) {
    case 0:
        return SourcePixel{{p[0], p[0], p[0], 0}};
    case 1:
        return SourcePixel{{p[0], p[1], p[2], 0}};
    case 2:
        return SourcePixel{{p[0], p[0], p[0], p[1]}, true, p[1]};
    case 3:
        return SourcePixel{{p[0], p[1], p[2], p[3]}, true, p[3]};
    default: // unknown formats are four-byte pixels without alpha
        return SourcePixel{{p[0], p[1], p[2], p[3]}};
    }
}

std::int64_t blendChannel(int mode, std::int64_t d, std::int64_t s)
{
    switch (mode) {
    case 0:
        return s;
    case 1:
        return std::min<std::int64_t>(d + s, 255);
    case 2:
        return std::max<std::int64_t>(d - s, 0);
    case 3:
        return weightOf(s) * d / 256;
    default:
        return 255 - weightOf(255 - s) * (255 - d) / 256;
    }
}

// The fourth byte of an uncomposed (opaque, alpha-free) result.
std::int64_t blendFourthByte(int mode, std::int64_t d, std::int64_t s)
{
    switch (mode) {
    case 0:
        return s;
    case 1:
        return (d + s) % 256;
    case 2:
        return (d - s + 256) % 256;
    default:
        return 0;
    }
}

Channels blendPixel(BlendMode blendMode, std::int64_t weight, const Channels& d,
                    const SourcePixel& s)
{
    const int mode = std::min(static_cast<int>(blendMode), 4);
    Channels out{};
    if (weight == 256 && !s.hasAlpha) {
        for (int c = 0; c < 3; ++c) {
            out[c] = blendChannel(mode, d[c], s.value[c]);
        }
        out[3] = blendFourthByte(mode, d[3], s.value[3]);
        return out;
    }
    std::int64_t a = weight;
    if (s.hasAlpha) {
        a = weight == 256 ? weightOf(s.alpha) : weightOf(s.alpha * weight / 256);
    }
    for (int c = 0; c < 3; ++c) {
        const std::int64_t f = blendChannel(mode, d[c], s.value[c]);
        out[c] = (d[c] * (256 - a) + f * a) / 256;
    }
    out[3] = 0;
    return out;
}

SourcePixel colorPixel(const Color& color)
{
    SourcePixel s;
    s.value = color.isRgb ? Channels{color.blue, color.green, color.red, 0}
                          : Channels{color.red, color.red, color.red, 0};
    return s;
}

bool drawable(const Image& destination)
{
    return destination.getPixels() != nullptr && bytesPerPixel(destination.getFormat()) == 4;
}

struct Box {
    std::int64_t left, top, right, bottom;

    bool holds(std::int64_t x, std::int64_t y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

Box placedBox(const Rect& r, const ClipRegion* clip)
{
    const std::int64_t dx = clip ? clip->offset.x : 0;
    const std::int64_t dy = clip ? clip->offset.y : 0;
    return Box{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool clipHolds(const ClipRegion* clip, std::int64_t x, std::int64_t y)
{
    return !clip ||
           Box{clip->rect.left, clip->rect.top, clip->rect.right, clip->rect.bottom}.holds(x, y);
}

// Every destination pixel inside the placed box and the clip.
template <class Visit>
void forEachPixel(const Image& destination, const Box& placed, const ClipRegion* clip, Visit visit)
{
    for (std::int64_t y = 0; y < destination.getHeight(); ++y) {
        for (std::int64_t x = 0; x < destination.getWidth(); ++x) {
            if (placed.holds(x, y) && clipHolds(clip, x, y)) {
                visit(x, y);
            }
        }
    }
}

} // namespace

void fillRect(Image& destination, const ClipRegion* clip, BlendMode mode, const Rect& rect,
              Color color, std::uint8_t opacity)
{
    const std::int64_t weight = weightOf(opacity);
    if (weight == 0 || !drawable(destination)) {
        return;
    }
    const SourcePixel s = colorPixel(color);
    forEachPixel(destination, placedBox(rect, clip), clip, [&](std::int64_t x, std::int64_t y) {
        writeDestination(destination, x, y,
                         blendPixel(mode, weight, readDestination(destination, x, y), s));
    });
}

void drawImage(Image& destination, const ClipRegion* clip, BlendMode mode,
               const Rect& destinationRect, const Image& source, Point sourcePosition,
               std::uint8_t opacity)
{
    const std::int64_t weight = weightOf(opacity);
    if (weight == 0 || !drawable(destination)) {
        return;
    }
    const Box placed = placedBox(destinationRect, clip);
    forEachPixel(destination, placed, clip, [&](std::int64_t x, std::int64_t y) {
        const std::int64_t sx = x - placed.left + sourcePosition.x;
        const std::int64_t sy = y - placed.top + sourcePosition.y;
        if (inside(source, sx, sy)) {
            writeDestination(destination, x, y,
                             blendPixel(mode, weight, readDestination(destination, x, y),
                                        readSource(source, sx, sy)));
        }
    });
}

void stretchImage(Image& destination, const ClipRegion* clip, BlendMode mode,
                  const Rect& destinationRect, const Image& source, const Rect& sourceRect,
                  std::uint8_t opacity, bool smooth)
{
    const std::int64_t weight = weightOf(opacity);
    if (weight == 0 || !drawable(destination) || source.getPixels() == nullptr) {
        return;
    }
    const Box t = placedBox(destinationRect, clip);
    Box d = t;
    if (clip) {
        d = Box{std::max<std::int64_t>(d.left, clip->rect.left),
                std::max<std::int64_t>(d.top, clip->rect.top),
                std::min<std::int64_t>(d.right, clip->rect.right),
                std::min<std::int64_t>(d.bottom, clip->rect.bottom)};
    }
    d = Box{std::max<std::int64_t>(d.left, 0), std::max<std::int64_t>(d.top, 0),
            std::min<std::int64_t>(d.right, destination.getWidth()),
            std::min<std::int64_t>(d.bottom, destination.getHeight())};
    const Box s{std::max<std::int64_t>(sourceRect.left, 0),
                std::max<std::int64_t>(sourceRect.top, 0),
                std::min<std::int64_t>(sourceRect.right, source.getWidth()),
                std::min<std::int64_t>(sourceRect.bottom, source.getHeight())};
    if (d.left >= d.right || d.top >= d.bottom || s.left >= s.right || s.top >= s.bottom) {
        return;
    }
    const std::int64_t stepX = ((s.right - s.left) << 16) / (t.right - t.left);
    const std::int64_t stepY = ((s.bottom - s.top) << 16) / (t.bottom - t.top);
    std::int64_t mixedEnd = d.right;
    while (mixedEnd > d.left && (((mixedEnd - t.left) * stepX) >> 16) + 1 >= s.right - s.left) {
        --mixedEnd;
    }
    for (std::int64_t y = d.top; y < d.bottom; ++y) {
        const std::int64_t yPosition = (y - t.top) * stepY + (s.top << 16);
        const std::int64_t row = yPosition >> 16;
        const std::int64_t fy = (yPosition >> 10) & 63;
        for (std::int64_t x = d.left; x < d.right; ++x) {
            const std::int64_t xPosition = (x - t.left) * stepX + (s.left << 16);
            const std::int64_t column = xPosition >> 16;
            const std::int64_t fx = (xPosition >> 10) & 63;
            SourcePixel pixel = readSource(source, column, row);
            if (smooth) {
                const auto mixRow = [&](std::int64_t r) {
                    Channels c = readSource(source, column, r).value;
                    if (x < mixedEnd) {
                        const Channels next = readSource(source, column + 1, r).value;
                        for (int i = 0; i < 4; ++i) {
                            c[i] = (c[i] * (64 - fx) + next[i] * fx) / 64;
                        }
                    }
                    return c;
                };
                pixel.value = mixRow(row);
                if (row + 1 != s.bottom) {
                    const Channels below = mixRow(row + 1);
                    for (int i = 0; i < 4; ++i) {
                        pixel.value[i] = (pixel.value[i] * (64 - fy) + below[i] * fy) / 64;
                    }
                }
                pixel.alpha = pixel.value[3];
            }
            writeDestination(destination, x, y,
                             blendPixel(mode, weight, readDestination(destination, x, y), pixel));
        }
    }
}

void drawGlyphs(Image& destination, const ClipRegion* clip, BlendMode mode, Point origin,
                const GlyphData* glyphs, std::size_t count, Color color, std::uint8_t opacity)
{
    const std::int64_t weight = weightOf(opacity);
    if (weight == 0 || !drawable(destination)) {
        return;
    }
    std::int64_t penX = origin.x;
    std::int64_t penY = origin.y;
    for (std::size_t i = 0; i < count; ++i) {
        const GlyphData& glyph = glyphs[i];
        const std::int64_t left = penX + glyph.offset.x + (clip ? clip->offset.x : 0);
        const std::int64_t top = penY + glyph.offset.y + (clip ? clip->offset.y : 0);
        penX += glyph.advance.x;
        penY += glyph.advance.y;
        if (!glyph.image || glyph.image->getPixels() == nullptr) {
            continue;
        }
        const Image& coverage = *glyph.image;
        const Box placed{left, top, left + coverage.getWidth(), top + coverage.getHeight()};
        forEachPixel(destination, placed, clip, [&](std::int64_t x, std::int64_t y) {
            SourcePixel s = colorPixel(color);
            s.hasAlpha = true;
            s.alpha = *at(coverage, x - left, y - top, 1);
            writeDestination(destination, x, y,
                             blendPixel(mode, weight, readDestination(destination, x, y), s));
        });
    }
}

void drawTransition(Image& destination, const Rect& rect, const Image& source, Point sourcePosition,
                    const Image& mask, Point maskPosition, const TransitionTable& table)
{
    if (table.progress == 0 || !drawable(destination)) {
        return;
    }
    const Box placed{rect.left, rect.top, rect.right, rect.bottom};
    forEachPixel(destination, placed, nullptr, [&](std::int64_t x, std::int64_t y) {
        const std::int64_t sx = x - rect.left + sourcePosition.x;
        const std::int64_t sy = y - rect.top + sourcePosition.y;
        const std::int64_t mx = x - rect.left + maskPosition.x;
        const std::int64_t my = y - rect.top + maskPosition.y;
        if (!inside(source, sx, sy) || !inside(mask, mx, my)) {
            return;
        }
        SourcePixel s = readSource(source, sx, sy);
        s.hasAlpha = false;
        const std::int64_t a = weightOf(table.weights[*at(mask, mx, my, 1)]);
        const Channels d = readDestination(destination, x, y);
        Channels out{};
        for (int c = 0; c < 3; ++c) {
            out[c] = (d[c] * (256 - a) + s.value[c] * a) / 256;
        }
        writeDestination(destination, x, y, out);
    });
}

} // namespace reference
