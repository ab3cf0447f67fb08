#pragma once

#include <cstdint>

namespace vantrel {

/// Every value above Bgrx32 is drawn like Bgrx32 and has four bytes per pixel.
enum class PixelFormat : std::uint8_t {
    Gray8 = 0,
    Bgr24 = 1,
    GrayAlpha16 = 2,
    Bgra32 = 3,
    Bgrx32 = 4,
};

/// Bytes of one pixel in `format`.
constexpr std::uint32_t bytesPerPixel(PixelFormat format) noexcept
{
    switch (format) {
    case PixelFormat::Gray8:
        return 1;
    case PixelFormat::Bgr24:
        return 3;
    case PixelFormat::GrayAlpha16:
        return 2;
    default:
        return 4;
    }
}

} // namespace vantrel
