#pragma once

#include <algorithm>
#include <cstdint>

namespace vantrel {

/// A pixel position.
struct Point {
    std::int32_t x = 0; ///< column
    std::int32_t y = 0; ///< row

    /// Equal coordinates.
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

/// Half-open: columns left..right-1, rows top..bottom-1. Never reversed.
struct Rect {
    std::int32_t left = 0; ///< first column
    std::int32_t top = 0; ///< first row
    std::int32_t right = 0; ///< one past the last column
    std::int32_t bottom = 0; ///< one past the last row

    /// Whether it covers no pixel.
    constexpr bool isEmpty() const noexcept { return left == right || top == bottom; }
    /// Columns covered.
    constexpr std::int32_t width() const noexcept { return right - left; }
    /// Rows covered.
    constexpr std::int32_t height() const noexcept { return bottom - top; }
    /// The same rectangle moved by (dx, dy).
    constexpr Rect offsetBy(std::int32_t dx, std::int32_t dy) const noexcept
    {
        return Rect{left + dx, top + dy, right + dx, bottom + dy};
    }

    /// Equal edges.
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

/// The other rectangle when either is empty, else the smallest rectangle holding both.
constexpr Rect unite(const Rect& a, const Rect& b) noexcept
{
    if (a.isEmpty()) {
        return b;
    }
    if (b.isEmpty()) {
        return a;
    }
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

/// The intersection; empty (all zero) when either is empty or they only touch or miss.
constexpr Rect intersect(const Rect& a, const Rect& b) noexcept
{
    if (a.isEmpty() || b.isEmpty()) {
        return Rect{};
    }
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.left >= r.right || r.top >= r.bottom) {
        return Rect{};
    }
    return r;
}

/// A rectangle and pen positions are first moved by `offset`, then cut to `rect`.
struct ClipRegion {
    Rect rect; ///< the rectangle drawing stays inside
    Point offset; ///< added to every position drawn
};

} // namespace vantrel
