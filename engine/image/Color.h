#pragma once

#include <cstdint>

namespace vantrel {

/// The colour of fills and text: a gray level (isRgb == 0, level in `red`) or an RGB colour.
struct Color {
    std::uint8_t isRgb = 0; ///< 1: an RGB colour; 0: a gray level in `red`
    std::uint8_t red = 0; ///< red, or the gray level
    std::uint8_t green = 0; ///< green (RGB only)
    std::uint8_t blue = 0; ///< blue (RGB only)

    /// An RGB colour.
    static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept
    {
        return Color{1, r, g, b};
    }
    /// A gray level, 0 black to 255 white.
    static constexpr Color gray(std::uint8_t level) noexcept { return Color{0, level, 0, 0}; }

    /// The 0x00RRGGBB pixel word the drawing operations use; the fourth byte is 0.
    constexpr std::uint32_t toWord() const noexcept
    {
        if (isRgb == 0) {
            return red * 0x010101u;
        }
        return std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
    }
};

} // namespace vantrel
