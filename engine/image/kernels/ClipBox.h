#pragma once

#include <algorithm>
#include <cstdint>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel::kernels {

// A half-open rectangle in 64 bits, so that moving a rectangle or a pen by any 32-bit amount
// cannot overflow. Reversed boxes count as empty.
struct ClipBox {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    constexpr bool isEmpty() const noexcept { return left >= right || top >= bottom; }
    constexpr std::int64_t width() const noexcept { return right - left; }
    constexpr std::int64_t height() const noexcept { return bottom - top; }

    constexpr ClipBox moved(std::int64_t dx, std::int64_t dy) const noexcept
    {
        return ClipBox{left + dx, top + dy, right + dx, bottom + dy};
    }
};

constexpr ClipBox boxOf(const Rect& r) noexcept
{
    return ClipBox{r.left, r.top, r.right, r.bottom};
}

// The whole image; empty when it has no pixels.
inline ClipBox boundsOf(const Image& image) noexcept
{
    if (image.getPixels() == nullptr) {
        return ClipBox{};
    }
    return ClipBox{0, 0, image.getWidth(), image.getHeight()};
}

// The intersection; empty when either is empty or they only touch or miss.
constexpr ClipBox cut(const ClipBox& a, const ClipBox& b) noexcept
{
    if (a.isEmpty() || b.isEmpty()) {
        return ClipBox{};
    }
    const ClipBox r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
    return r.isEmpty() ? ClipBox{} : r;
}

} // namespace vantrel::kernels
