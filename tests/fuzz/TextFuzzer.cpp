// libFuzzer harness for the text path: arbitrary character codes (lone surrogates, codes
// past U+10FFFF, control codes) through the font, and arbitrary byte strings of any length
// laid out by a text sprite and drawn.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/image/DrawingOperations.h>
#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/Font.h>
#include "tests/support/Pixels.h"

using namespace vantrel;

namespace {

// Each new code is a rasterisation; a few dozen keep one input well inside a second.
constexpr std::size_t codesPerInput = 32;

Font& fontFor(std::uint8_t selector)
{
    static Font fonts[] = {Font(sceneFace, 0, 12, false, false), Font(sceneFace, 0, 32, true, false),
                           Font("vantrel-no-such-face", 7, 20, false, true)};
    return fonts[selector % 3];
}

void layOutAndDraw(const std::uint8_t* data, std::size_t size)
{
    Font& font = fontFor(data[0]);
    const std::uint8_t* rest = data + 2;
    std::size_t restSize = size - 2;
    if ((data[1] & 1) != 0) { // character codes
        for (std::size_t i = 0; i + 4 <= restSize && i < 4 * codesPerInput; i += 4) {
            std::uint32_t code;
            std::memcpy(&code, rest + i, 4);
            (void)font.getGlyphData(code);
        }
        return;
    }
    TextSprite sprite({}, {}, 1u, static_cast<std::int8_t>(data[1]), -3, 0,
                      reinterpret_cast<const char*>(rest), restSize, font, Color::gray(255));
    sprite.show();
    DrawCommands commands;
    DrawResources resources;
    sprite.draw(commands, resources);
    Image canvas(96, 40, PixelFormat::Bgrx32);
    std::memset(canvas.getPixels(), 0, std::size_t{canvas.getPitch()} * canvas.getHeight());
    for (const DrawCommand& command : commands) {
        if (command.glyphs != nullptr) {
            drawGlyphs(canvas, nullptr, BlendMode::Normal, command.origin, command.glyphs, command.count,
                       command.color, command.opacity);
        }
    }
}

} // namespace

// Font set-up (fontconfig's first look at the system) is not the text path's cost.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fontFor(0); // makes all three
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    try {
        layOutAndDraw(data, size);
    } catch (const Exception&) {
        // A font that cannot rasterise a code says so with an exception: no finding.
    }
    return 0;
}

