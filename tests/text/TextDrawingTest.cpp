#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "engine/image/DrawingOperations.h"
#include "engine/screen/MemoryPresentTarget.h"
#include "engine/screen/Screen.h"
#include "engine/sprite/TextSprite.h"
#include "engine/text/Font.h"

using namespace vantrel;

namespace {

const char* const sceneFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

Image blackCanvas(std::uint32_t width, std::uint32_t height)
{
    Image canvas(width, height, PixelFormat::Bgrx32);
    std::memset(canvas.getPixels(), 0, static_cast<std::size_t>(canvas.getPitch()) * height);
    return canvas;
}

std::uint32_t pixel(const Image& image, std::int32_t x, std::int32_t y)
{
    std::uint32_t word;
    std::memcpy(&word, image.row(static_cast<std::uint32_t>(y)) + 4 * x, 4);
    return word & 0xFFFFFF;
}

// The smallest rectangle holding every non-black pixel.
Rect inkedArea(const Image& image)
{
    Rect area;
    for (std::int32_t y = 0; y < static_cast<std::int32_t>(image.getHeight()); ++y) {
        for (std::int32_t x = 0; x < static_cast<std::int32_t>(image.getWidth()); ++x) {
            if (pixel(image, x, y) != 0) {
                area = unite(area, Rect{x, y, x + 1, y + 1});
            }
        }
    }
    return area;
}

DrawCommand commandOf(TextSprite& sprite)
{
    DrawCommands commands;
    DrawResources resources;
    sprite.show();
    sprite.draw(commands, resources);
    return commands.at(0);
}

} // namespace

TEST(TextDrawing, AFrameRateLinePutsInkExactlyWithinItsBounds)
{
    Font font(sceneFace, 0, 32, false, false);
    const char text[] = "60.000 fps : screen(1)";
    TextSprite sprite({}, {}, 10000, 7, 5, 600, text, sizeof text - 1, font, Color::gray(255));
    DrawCommand command = commandOf(sprite);
    ASSERT_FALSE(command.bounds.isEmpty());
    EXPECT_GE(command.bounds.top, 5);
    EXPECT_LE(command.bounds.bottom, 5 + font.getMetrics().height);

    Image canvas = blackCanvas(400, 48);
    drawGlyphs(canvas, nullptr, BlendMode::Normal, command.origin, command.glyphs,
               command.count, command.color, command.opacity);
    // Padding columns carry no ink, so the ink may end up to three columns short.
    Rect ink = inkedArea(canvas);
    EXPECT_EQ(ink.left, command.bounds.left);
    EXPECT_EQ(ink.top, command.bounds.top);
    EXPECT_EQ(ink.bottom, command.bounds.bottom);
    EXPECT_LE(ink.right, command.bounds.right);
    EXPECT_GE(ink.right, command.bounds.right - 3);

    bool fullWhite = false;
    for (std::int32_t y = ink.top; y < ink.bottom && !fullWhite; ++y) {
        for (std::int32_t x = ink.left; x < ink.right; ++x) {
            fullWhite = fullWhite || pixel(canvas, x, y) == 0xFFFFFF;
        }
    }
    EXPECT_TRUE(fullWhite);
}

TEST(TextDrawing, AScreenShowsATextSpriteWithItsShadow)
{
    Font font(sceneFace, 0, 24, false, false);
    auto target = std::make_shared<MemoryPresentTarget>(320, 64);
    Screen screen(target, 320, 64, 1);
    screen.createFillRectSprite(0, 1u, Rect{0, 0, 320, 64}, 0, Color::gray(0))->show();
    const char text[] = "CPU(0) : 12.50";
    auto line = screen.createTextSprite(0, 10001u, 10, 8, 600, text, sizeof text - 1, font,
                                        Color::gray(255));
    auto shadow = screen.createTextSprite(0, 10001u, 11, 9, 599, text, sizeof text - 1, font,
                                          Color::gray(64));
    line->show();
    shadow->show();
    for (std::uint32_t time = 0; time <= 48; time += 16) {
        screen.step(time);
    }

    Image picture = target->snapshot();
    Rect expected = unite(line->getBounds(), shadow->getBounds());
    Rect ink = inkedArea(picture);
    EXPECT_GE(ink.left, expected.left);
    EXPECT_GE(ink.top, expected.top);
    EXPECT_LE(ink.right, expected.right);
    EXPECT_LE(ink.bottom, expected.bottom);
    EXPECT_EQ(ink.left, line->getBounds().left);
    EXPECT_EQ(ink.bottom, shadow->getBounds().bottom);

    int white = 0;
    int shade = 0;
    for (std::int32_t y = ink.top; y < ink.bottom; ++y) {
        for (std::int32_t x = ink.left; x < ink.right; ++x) {
            white += pixel(picture, x, y) == 0xFFFFFF ? 1 : 0;
            shade += pixel(picture, x, y) == 0x404040 ? 1 : 0;
        }
    }
    EXPECT_GT(white, 50);
    EXPECT_GT(shade, 10);
}
