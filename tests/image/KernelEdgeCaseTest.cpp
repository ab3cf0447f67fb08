#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "tests/image/KernelChecks.h"

namespace {

using namespace vantrel;
using namespace kerneltest;

// An exact-size Bgrx32 buffer with every pixel `word`.
Image filledImage(std::uint32_t width, std::uint32_t height, std::uint32_t word)
{
    Image image = makeImage(width, height, PixelFormat::Bgrx32);
    for (std::size_t i = 0; i < std::size_t{width} * height; ++i) {
        std::memcpy(image.getPixels() + 4 * i, &word, 4);
    }
    return image;
}

// Rows of 19 pixels cover the vector loops and their one-pixel tails.
constexpr std::uint32_t wide = 19;

// Exact results of opaque, translucent and invisible fills and the clamping modes, worked out
// by hand; the rectangle sticks out on every side.
TEST(Fill, ExactResults)
{
    struct Row {
        std::uint32_t before;
        BlendMode mode;
        Color color;
        std::uint8_t opacity;
        std::uint32_t after;
    };
    const Row rows[] = {
        {0xAAFFFFFFu, BlendMode::Normal, Color::rgb(0, 0, 0), 0, 0xAAFFFFFFu},
        {0xAAFFFFFFu, BlendMode::Normal, Color::rgb(0, 0, 0), 1, 0x00FEFEFEu}, // 255 x 255 >> 8
        {0x77000000u, BlendMode::Normal, Color::rgb(1, 2, 3), 255, 0x00010203u},
        {0x77000000u, BlendMode::Normal, Color::rgb(255, 255, 255), 254, 0x00FEFEFEu},
        {0xFF000000u, BlendMode::Normal, Color::gray(255), 128, 0x00808080u},
        {0x5A123456u, BlendMode::Normal, Color::rgb(9, 8, 7), 255, 0x00090807u},
        {0x00640AFFu, BlendMode::Add, Color::rgb(200, 200, 200), 255, 0x00FFD2FFu},
        {0x00640AFFu, BlendMode::Subtract, Color::rgb(200, 200, 200), 255, 0x00000037u},
    };
    forEveryKernelIsa([&] {
        for (const Row& row : rows) {
            Image image = filledImage(wide, 2, row.before);
            fillRect(image, nullptr, row.mode, Rect{-5, -5, 100, 100}, row.color, row.opacity);
            EXPECT_EQ(bytesOf(image), bytesOf(filledImage(wide, 2, row.after))) << std::hex << row.before;
        }
    });
}

// drawImageRect copies equal sizes (the smooth flag ignored) and scales other sizes; sources
// wider than sixteen bits keep exact positions.
TEST(Stretch, DrawImageRectAndSourcesWiderThanSixteenBits)
{
    forEveryKernelIsa([&] {
        std::mt19937 random(13);
        const Image source = randomImage(random, 12, 4, PixelFormat::Bgra32);
        const Image wideSource = randomImage(random, 70000, 2, PixelFormat::Gray8);
        const Image start = randomImage(random, 40, 6, PixelFormat::Bgrx32);
        for (bool smooth : {false, true}) {
            for (const Rect& to : {Rect{3, 1, 13, 4}, Rect{0, 0, 17, 5}}) {
                expectLikeReference(start, [&](auto ops, Image& image) {
                    ops.drawImageRect(image, nullptr, BlendMode::Add, to, source, Rect{2, 1, 12, 4}, 200,
                                      smooth);
                });
            }
            for (const Rect& from : {Rect{0, 0, 70000, 2}, Rect{66000, 0, 69990, 2}}) {
                expectLikeReference(start, [&](auto ops, Image& image) {
                    ops.stretchImage(image, nullptr, BlendMode::Normal, Rect{0, 0, 40, 2}, wideSource, from,
                                     255, smooth);
                });
            }
        }
    });
}

// Nothing reads or writes outside an image, whatever the caller passes; AddressSanitizer
// watches the exact-size buffers, the reference says what must be drawn.

TEST(HostileInput, ExtremeRectanglesPositionsAndOffsets)
{
    forEveryKernelIsa([&] {
        std::mt19937 random(16);
        const Image start = randomImage(random, wide, 4, PixelFormat::Bgrx32, 1);
        const Image source = randomImage(random, 7, 3, PixelFormat::Bgr24);
        const Image mask = randomImage(random, 9, 5, PixelFormat::Gray8);
        const Rect rects[] = {Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Rect{INT_MIN, 0, INT_MIN + 5, 3},
                              Rect{INT_MAX - 3, 0, INT_MAX, 2}, Rect{-3, -2, 40, 40}};
        const Point points[] = {Point{INT_MIN, INT_MIN}, Point{INT_MAX, 0}, Point{-2, -1}, Point{0, 0}};
        const ClipRegion clips[] = {ClipRegion{Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Point{INT_MAX, INT_MAX}},
                                    ClipRegion{Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Point{INT_MIN, 1}},
                                    ClipRegion{Rect{-5, -5, 50, 50}, Point{-1, -1}}};
        TransitionTable table;
        table.progress = 256;
        table.weights.fill(200);
        for (const Rect& rect : rects) {
            for (const Point& point : points) {
                for (const ClipRegion* clip :
                     {&clips[0], &clips[1], &clips[2], static_cast<const ClipRegion*>(nullptr)}) {
                    expectLikeReference(start, [&](auto ops, Image& image) {
                        ops.drawImage(image, clip, BlendMode::Add, rect, source, point, 255);
                        ops.fillRect(image, clip, BlendMode::Subtract, rect, Color::gray(3), 99);
                        for (bool smooth : {false, true}) {
                            const Rect from{point.x, point.y, point.x / 2 + 4, point.y / 2 + 3};
                            ops.stretchImage(image, clip, BlendMode::Normal, rect, source, from, 255, smooth);
                        }
                        ops.drawTransition(image, rect, source, point, mask, Point{point.y, point.x}, table);
                    });
                    ASSERT_FALSE(testing::Test::HasFailure());
                }
            }
        }
    });
}

TEST(HostileInput, PenPositionsBeyondThirtyTwoBits)
{
    forEveryKernelIsa([&] {
        auto ink = std::make_shared<Image>(makeImage(2, 2, PixelFormat::Gray8));
        std::memset(ink->getPixels(), 200, 4);
        std::vector<GlyphData> run(6, GlyphData{Point{INT_MAX, INT_MIN}, Point{INT_MAX, INT_MAX}, ink});
        run.push_back(GlyphData{Point{0, 0}, Point{INT_MIN, INT_MIN}, nullptr});
        run.insert(run.end(), 6, GlyphData{Point{INT_MIN, INT_MIN}, Point{INT_MIN, INT_MIN}, nullptr});
        run.push_back(GlyphData{Point{0, 0}, Point{0, 0}, ink});
        expectLikeReference(filledImage(wide, 3, 0), [&](auto ops, Image& image) {
            ops.drawGlyphs(image, nullptr, BlendMode::Normal, Point{INT_MAX, INT_MIN}, run.data(), run.size(),
                           Color::gray(255), 255);
        });
    });
}

// Destinations that are empty or lack four-byte pixels, empty sources, masks and glyph images
// and a missing glyph run leave every byte alone.
TEST(HostileInput, UnusableImagesDrawNothing)
{
    forEveryKernelIsa([&] {
        std::mt19937 random(17);
        const Image source = randomImage(random, 5, 5, PixelFormat::Bgra32);
        const Image mask = randomImage(random, 5, 5, PixelFormat::Gray8);
        TransitionTable table;
        table.progress = 256;
        // Every operation but the fill, with `picture` as source, mask and glyph in turn.
        const auto drawWith = [&](Image& image, const Image& picture) {
            const Rect all{0, 0, 5, 5};
            drawImage(image, nullptr, BlendMode::Normal, all, picture, Point{0, 0}, 255);
            for (bool smooth : {false, true}) {
                stretchImage(image, nullptr, BlendMode::Normal, all, picture, Rect{0, 0, 2, 2}, 255, smooth);
            }
            drawTransition(image, all, picture, Point{0, 0}, mask, Point{0, 0}, table);
            drawTransition(image, all, source, Point{0, 0}, picture, Point{0, 0}, table);
            const GlyphData run[] = {GlyphData{Point{0, 0}, Point{1, 0}, std::make_shared<Image>(picture)}};
            drawGlyphs(image, nullptr, BlendMode::Normal, Point{0, 0}, run, 1, Color::gray(9), 255);
        };
        const Image empties[] = {makeImage(0, 0, PixelFormat::Bgrx32), makeImage(0, 5, PixelFormat::Bgrx32),
                                 makeImage(5, 0, PixelFormat::Bgrx32)};
        for (Image target : {empties[0], empties[1], empties[2], randomImage(random, 5, 5, PixelFormat::Gray8),
                             randomImage(random, 5, 5, PixelFormat::Bgr24),
                             randomImage(random, 5, 5, PixelFormat::GrayAlpha16)}) {
            const auto before = bytesOf(target);
            fillRect(target, nullptr, BlendMode::Normal, Rect{0, 0, 5, 5}, Color::gray(1), 255);
            drawWith(target, source);
            EXPECT_EQ(bytesOf(target), before);
        }
        Image image = filledImage(5, 5, 0x12345678u);
        for (const Image& empty : empties) {
            drawWith(image, empty);
        }
        drawGlyphs(image, nullptr, BlendMode::Normal, Point{0, 0}, nullptr, 4, Color::gray(9), 255);
        EXPECT_EQ(bytesOf(image), bytesOf(filledImage(5, 5, 0x12345678u)));
    });
}

} // namespace
