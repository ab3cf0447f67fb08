#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include <vantrel/screen/gdi/GdiPresentTarget.h>

using namespace vantrel;

namespace {

constexpr int width = 16;
constexpr int height = 8;
constexpr std::uint32_t untouched = 0xFFFFFFFF;

std::uint32_t framePixel(int x, int y)
{
    return static_cast<std::uint32_t>(y << 8 | x);
}

} // namespace

// The frame's first row is its top: each presented row lands on the same row of the DC,
// and nothing outside the rectangle changes.
TEST(GdiPresentTarget, BlitsExactlyTheRectangleTheRightWayUp)
{
    // 32 bits top-down, so row y of `bits` is row y of the DC
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    SelectObject(dc, bitmap);
    auto* dcPixels = static_cast<std::uint32_t*>(bits);

    Image frame(width, height, PixelFormat::Bgrx32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            reinterpret_cast<std::uint32_t*>(frame.row(static_cast<std::uint32_t>(y)))[x] = framePixel(x, y);
        }
    }

    for (Rect rect : {Rect{2, 1, 10, 6}, Rect{0, 0, width, height}, Rect{5, 7, 6, 8}}) {
        std::fill(dcPixels, dcPixels + width * height, untouched);
        GdiFlush();
        GdiPresentTarget(dc).present(frame, rect);
        GdiFlush();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                std::uint32_t expected = inside ? framePixel(x, y) : untouched;
                EXPECT_EQ(dcPixels[y * width + x] & 0xFFFFFF, expected & 0xFFFFFF) << "at " << x << ", " << y;
            }
        }
    }

    DeleteDC(dc);
    DeleteObject(bitmap);
}
