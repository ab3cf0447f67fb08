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

std::uint32_t pixel(const Image& image, std::int32_t x, std::int32_t y)
{
    std::uint32_t word;
    std::memcpy(&word, image.row(static_cast<std::uint32_t>(y)) + 4 * x, 4);
    return word & 0xFFFFFF;
}

// The smallest rectangle holding every non-black pixel, and how many pixels are `color`.
std::pair<Rect, int> ink(const Image& image, std::uint32_t color)
{
    Rect area;
    int matches = 0;
    for (std::int32_t y = 0; y < static_cast<std::int32_t>(image.getHeight()); ++y) {
        for (std::int32_t x = 0; x < static_cast<std::int32_t>(image.getWidth()); ++x) {
            if (pixel(image, x, y) != 0) {
                area = unite(area, Rect{x, y, x + 1, y + 1});
            }
            matches += pixel(image, x, y) == color ? 1 : 0;
        }
    }
    return {area, matches};
}

} // namespace

TEST(TextDrawing, AFrameRateLinePutsInkExactlyWithinItsBounds)
{
    Font font(sceneFace, 0, 32, false, false);
    const char text[] = "60.000 fps : screen(1)";
    TextSprite sprite({}, {}, 10000, 7, 5, 600, text, sizeof text - 1, font, Color::gray(255));
    DrawCommands commands;
    DrawResources resources;
    sprite.show();
    sprite.draw(commands, resources);
    const DrawCommand& command = commands.at(0);
    ASSERT_FALSE(command.bounds.isEmpty());
    EXPECT_GE(command.bounds.top, 5);
    EXPECT_LE(command.bounds.bottom, 5 + font.getMetrics().height);

    Image canvas(400, 48, PixelFormat::Bgrx32);
    std::memset(canvas.getPixels(), 0, static_cast<std::size_t>(canvas.getPitch()) * 48);
    drawGlyphs(canvas, nullptr, BlendMode::Normal, command.origin, command.glyphs,
               command.count, command.color, command.opacity);
    // Padding columns carry no ink, so the ink may end up to three columns short.
    auto [area, white] = ink(canvas, 0xFFFFFF);
    EXPECT_EQ(area.left, command.bounds.left);
    EXPECT_EQ(area.top, command.bounds.top);
    EXPECT_EQ(area.bottom, command.bounds.bottom);
    EXPECT_LE(area.right, command.bounds.right);
    EXPECT_GE(area.right, command.bounds.right - 3);
    EXPECT_GT(white, 0);
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
    auto [area, white] = ink(picture, 0xFFFFFF);
    EXPECT_EQ(area.left, line->getBounds().left);
    EXPECT_GE(area.top, line->getBounds().top);
    EXPECT_LE(area.right, shadow->getBounds().right);
    EXPECT_EQ(area.bottom, shadow->getBounds().bottom);
    EXPECT_GT(white, 50);
    EXPECT_GT(ink(picture, 0x404040).second, 10);
}
