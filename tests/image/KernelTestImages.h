#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

// Images and rectangles for the kernel tests. Every image owns a buffer of exactly
// pitch x height bytes, so AddressSanitizer sees any access past its end.
namespace kerneltest {

using namespace vantrel;

inline int uniform(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

inline Image makeImage(std::uint32_t width, std::uint32_t height, PixelFormat format,
                       std::uint32_t padding = 0)
{
    const std::uint32_t pitch = width * bytesPerPixel(format) + padding;
    const std::size_t size = std::size_t{pitch} * height;
    std::shared_ptr<unsigned char> pixels;
    if (size != 0) {
        pixels.reset(new unsigned char[size], std::default_delete<unsigned char[]>());
    }
    return Image(width, height, format, pitch, pixels);
}

inline Image randomImage(std::mt19937& random, std::uint32_t width, std::uint32_t height,
                         PixelFormat format, std::uint32_t padding = 0)
{
    Image image = makeImage(width, height, format, padding);
    const std::size_t size = std::size_t{image.getPitch()} * height;
    for (std::size_t i = 0; i < size; ++i) {
        // Favour the extremes, where clamping and weights go wrong.
        const int choice = uniform(random, 0, 9);
        image.getPixels()[i] = static_cast<unsigned char>(choice == 0   ? 0
                                                          : choice == 1 ? 255
                                                                        : uniform(random, 0, 255));
    }
    return image;
}

// A deep copy, padding included.
inline Image cloneImage(const Image& image)
{
    Image copy = makeImage(image.getWidth(), image.getHeight(), image.getFormat(),
                           image.getPitch() - image.getWidth() * bytesPerPixel(image.getFormat()));
    if (image.getPixels() != nullptr) {
        std::memcpy(copy.getPixels(), image.getPixels(),
                    std::size_t{image.getPitch()} * image.getHeight());
    }
    return copy;
}

inline std::vector<unsigned char> bytesOf(const Image& image)
{
    if (image.getPixels() == nullptr) {
        return {};
    }
    return std::vector<unsigned char>(
        image.getPixels(), image.getPixels() + std::size_t{image.getPitch()} * image.getHeight());
}

// A rectangle that overlaps a width x height area, sticks out of it or misses it; never
// reversed, sometimes empty.
inline Rect randomRect(std::mt19937& random, std::int32_t width, std::int32_t height)
{
    switch (uniform(random, 0, 5)) {
    case 0: { // empty
        const int left = uniform(random, -2, width);
        const int top = uniform(random, -2, height);
        return uniform(random, 0, 1) ? Rect{left, top, left, top + 3}
                                     : Rect{left, top, left + 3, top};
    }
    case 1:
    case 2: { // anywhere: inside, sticking out or missing
        const int left = uniform(random, -width / 2 - 3, width + 2);
        const int top = uniform(random, -height / 2 - 3, height + 2);
        return Rect{left, top, left + uniform(random, 1, width + 6),
                    top + uniform(random, 1, height + 6)};
    }
    default: // most of the area, so that rows are long
        return Rect{uniform(random, -3, width / 4), uniform(random, -2, height / 4),
                    uniform(random, width - width / 4, width + 3),
                    uniform(random, height - height / 4, height + 2)};
    }
}

// Null half of the time.
inline std::unique_ptr<ClipRegion> randomClip(std::mt19937& random, std::int32_t width,
                                              std::int32_t height)
{
    if (uniform(random, 0, 1) == 0) {
        return nullptr;
    }
    auto clip = std::make_unique<ClipRegion>();
    clip->rect = randomRect(random, width, height);
    clip->offset = Point{uniform(random, -4, 4), uniform(random, -4, 4)};
    return clip;
}

} // namespace kerneltest
