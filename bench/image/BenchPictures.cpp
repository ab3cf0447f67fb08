#include "bench/image/BenchPictures.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <vantrel/image/MemoryHelper.h>

namespace benchpictures {

using vantrel::Image;
using vantrel::PixelFormat;

namespace {

void putWord(Image& image, std::uint32_t x, std::uint32_t y, std::uint32_t word)
{
    std::memcpy(image.row(y) + 4 * std::size_t{x}, &word, sizeof word);
}

std::uint32_t clampByte(double v)
{
    return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0));
}

} // namespace

Image makeFrame()
{
    const std::size_t size = std::size_t{frameWidth} * 4 * frameHeight;
    Image frame(frameWidth, frameHeight, PixelFormat::Bgrx32, frameWidth * 4,
                vantrel::MemoryHelper::allocateAligned(size));
    for (std::uint32_t y = 0; y < frameHeight; ++y) {
        for (std::uint32_t x = 0; x < frameWidth; ++x) {
            putWord(frame, x, y, (x * 255 / frameWidth) << 16 | (y * 255 / frameHeight) << 8 | 96);
        }
    }
    return frame;
}

Image makeSprite(std::uint32_t size)
{
    Image sprite(size, size, PixelFormat::Bgra32);
    const double centre = (size - 1) / 2.0;
    const double radius = size / 2.0;
    for (std::uint32_t y = 0; y < size; ++y) {
        for (std::uint32_t x = 0; x < size; ++x) {
            const double distance = std::hypot(x - centre, y - centre) / radius;
            const std::uint32_t alpha = clampByte((1.0 - distance) * 3.0 * 255.0);
            putWord(sprite, x, y,
                    alpha << 24 | clampByte(255 - distance * 80) << 16 |
                        clampByte(200 - distance * 120) << 8 | clampByte(120 + distance * 100));
        }
    }
    return sprite;
}

Image makePicture(std::uint32_t width, std::uint32_t height)
{
    Image picture(width, height, PixelFormat::Bgrx32);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t r = (x * 7 + y * 3) & 255;
            const std::uint32_t g = ((x ^ y) * 5) & 255;
            const std::uint32_t b = (x * y) & 255;
            putWord(picture, x, y, r << 16 | g << 8 | b);
        }
    }
    return picture;
}

Image makeGlyph(std::uint32_t width, std::uint32_t height)
{
    Image glyph(width, height, PixelFormat::Gray8);
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const double d = std::hypot((x - cx) / cx, (y - cy) / cy);
            glyph.row(y)[x] =
                static_cast<unsigned char>(clampByte((0.25 - std::abs(d - 0.7)) * 1200));
        }
    }
    return glyph;
}

Image makeRule(std::uint32_t width, std::uint32_t height)
{
    Image rule(width, height, PixelFormat::Gray8);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            rule.row(y)[x] = static_cast<unsigned char>((x + y) * 255 / (width + height));
        }
    }
    return rule;
}

} // namespace benchpictures
