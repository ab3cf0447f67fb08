#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/Font.h>
#include "tests/support/Pixels.h"

using namespace vantrel;

// A readout line over its shadow, one pixel down and right: the ink lies exactly within the
// sprites' bounds, which lie within their lines.
TEST(TextDrawing, AScreenShowsATextLineAndItsShadowExactlyWithinTheirBounds)
{
    Font font(sceneFace, 0, 32, false, false);
    auto target = std::make_shared<MemoryPresentTarget>(400, 64);
    Screen screen(target, 400, 64, 1);
    screen.createFillRectSprite(0, 1u, Rect{0, 0, 400, 64}, 0, Color::gray(0))->show();
    const char text[] = "60.000 fps : screen(1)";
    auto line = screen.createTextSprite(0, 10001u, 7, 5, 600, text, sizeof text - 1, font, Color::gray(255));
    auto shadow = screen.createTextSprite(0, 10001u, 8, 6, 599, text, sizeof text - 1, font, Color::gray(64));
    line->show();
    shadow->show();
    for (std::uint32_t time = 0; time <= 48; time += 16) {
        screen.step(time);
    }
    const Rect bounds = line->getBounds();
    ASSERT_FALSE(bounds.isEmpty());
    EXPECT_GE(bounds.top, 5);
    EXPECT_LE(bounds.bottom, 5 + font.getMetrics().height);
    EXPECT_EQ(shadow->getBounds(), bounds.offsetBy(1, 1));

    // Padding columns carry no ink, so the ink may end up to three columns short.
    Image picture = target->snapshot();
    auto count = [&picture](std::uint32_t color) {
        int matches = 0;
        for (std::uint32_t y = 0; y < picture.getHeight(); ++y) {
            for (std::uint32_t x = 0; x < picture.getWidth(); ++x) {
                matches += (pixelAt(picture, x, y) & 0xFFFFFF) == color ? 1 : 0;
            }
        }
        return matches;
    };
    const Rect area = inkArea(picture);
    EXPECT_EQ(area.left, bounds.left);
    EXPECT_EQ(area.top, bounds.top);
    EXPECT_EQ(area.bottom, bounds.bottom + 1);
    EXPECT_LE(area.right, bounds.right + 1);
    EXPECT_GE(area.right, bounds.right + 1 - 3);
    EXPECT_GT(count(0xFFFFFF), 50);
    EXPECT_GT(count(0x404040), 10);
}
