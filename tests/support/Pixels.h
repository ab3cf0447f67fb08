#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <vantrel/image/Image.h>

// The name of the face the scene's read-outs ask for (UTF-8).
inline const char* const sceneFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

// A Bgrx32 image with every pixel `word`.
inline vantrel::Image filledImage(std::uint32_t width, std::uint32_t height, std::uint32_t word)
{
    vantrel::Image image(width, height, vantrel::PixelFormat::Bgrx32);
    for (std::uint32_t y = 0; y < height; ++y) {
        auto* row = image.row(y);
        for (std::uint32_t x = 0; x < width; ++x) {
            std::memcpy(row + 4 * x, &word, 4);
        }
    }
    return image;
}

// The four bytes of a 32-bit pixel, as one word.
inline std::uint32_t pixelAt(const vantrel::Image& image, std::int32_t x, std::int32_t y)
{
    std::uint32_t word;
    std::memcpy(&word, image.row(static_cast<std::uint32_t>(y)) + 4 * x, 4);
    return word;
}

// Same size and the same bytes in every row's pixels (padding aside).
inline bool sameImage(const vantrel::Image* a, const vantrel::Image* b)
{
    if (!a || !b || a->getWidth() != b->getWidth() || a->getHeight() != b->getHeight()) {
        return a == b;
    }
    const std::size_t rowBytes = std::size_t{a->getWidth()} * vantrel::bytesPerPixel(a->getFormat());
    for (std::uint32_t y = 0; y < a->getHeight(); ++y) {
        if (std::memcmp(a->row(y), b->row(y), rowBytes) != 0) {
            return false;
        }
    }
    return true;
}
