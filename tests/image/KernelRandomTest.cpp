#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "engine/image/DrawingOperations.h"
#include "tests/image/KernelIsaFixture.h"
#include "tests/image/KernelReference.h"
#include "tests/image/KernelTestImages.h"

// Every operation against the reference on random images, rectangles, clips, modes,
// opacities and source formats, the whole destination buffer compared byte for byte.
namespace {

using namespace vantrel;
using namespace kerneltest;

constexpr std::uint8_t formats[] = {0, 1, 2, 3, 4, 7};
constexpr std::uint8_t modes[] = {0, 1, 2, 3, 4, 9};

// Opaque, translucent (1..254) and, now and then, invisible.
std::uint8_t opacityOfClass(std::mt19937& random, int opacityClass)
{
    if (uniform(random, 0, 15) == 0) {
        return 0;
    }
    if (opacityClass == 0) {
        return 255;
    }
    static constexpr std::uint8_t special[] = {1, 127, 128, 254};
    return uniform(random, 0, 1) ? special[uniform(random, 0, 3)]
                                 : static_cast<std::uint8_t>(uniform(random, 1, 254));
}

std::uint8_t randomByte(std::mt19937& random)
{
    return static_cast<std::uint8_t>(uniform(random, 0, 255));
}

// A random destination, its copy, a rectangle and a clip over it.
struct Case {
    Image expected;
    Image actual;
    std::int32_t width;
    std::int32_t height;
    Rect rect;
    std::unique_ptr<ClipRegion> clip;

    Case(std::mt19937& random, int maxWidth, int maxHeight)
        : expected(randomImage(random, uniform(random, 1, maxWidth), uniform(random, 1, maxHeight),
                               PixelFormat::Bgrx32, uniform(random, 0, 1) * uniform(random, 1, 6))),
          actual(cloneImage(expected)), width(static_cast<std::int32_t>(expected.getWidth())),
          height(static_cast<std::int32_t>(expected.getHeight())),
          rect(randomRect(random, width, height)), clip(randomClip(random, width, height))
    {
    }
};

// Calls body(random, mode, opacity, format) `each` times for every kernel level, mode, opacity
// class and (when asked) source format, with the same cases at every level.
template <class Body>
void forEveryKernel(unsigned seed, int each, bool withFormats, Body body)
{
    forEveryKernelIsa([&] {
        std::mt19937 random(seed);
        int trial = 0;
        for (std::uint8_t mode : modes) {
            for (int opacityClass = 0; opacityClass < 2; ++opacityClass) {
                for (std::uint8_t format : formats) {
                    for (int i = 0; i < each; ++i) {
                        const std::uint8_t opacity = opacityOfClass(random, opacityClass);
                        SCOPED_TRACE(testing::Message() << "trial " << ++trial << " mode " << +mode
                                                        << " opacity " << +opacity << " format "
                                                        << +format);
                        body(random, static_cast<BlendMode>(mode), opacity,
                             static_cast<PixelFormat>(format));
                        if (testing::Test::HasFatalFailure()) {
                            return;
                        }
                    }
                    if (!withFormats) {
                        break;
                    }
                }
            }
        }
    });
}

TEST(KernelsMatchTheReference, FillRect)
{
    forEveryKernel(1, 40, false, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity,
                                    PixelFormat) {
        Case c(random, 45, 7);
        const Color color = uniform(random, 0, 3) == 0
                                ? Color::gray(randomByte(random))
                                : Color::rgb(randomByte(random), randomByte(random),
                                             randomByte(random));
        reference::fillRect(c.expected, c.clip.get(), mode, c.rect, color, opacity);
        fillRect(c.actual, c.clip.get(), mode, c.rect, color, opacity);
        ASSERT_EQ(bytesOf(c.actual), bytesOf(c.expected));
    });
}

TEST(KernelsMatchTheReference, DrawImage)
{
    forEveryKernel(2, 8, true, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity,
                                  PixelFormat format) {
        Case c(random, 45, 7);
        const Image source = randomImage(random, uniform(random, 0, 45), uniform(random, 0, 8),
                                         format, uniform(random, 0, 3));
        const Point position =
            uniform(random, 0, 1)
                ? Point{uniform(random, -3, 3), uniform(random, -2, 2)}
                : Point{uniform(random, -5, static_cast<int>(source.getWidth()) + 3),
                        uniform(random, -3, static_cast<int>(source.getHeight()) + 2)};
        reference::drawImage(c.expected, c.clip.get(), mode, c.rect, source, position, opacity);
        drawImage(c.actual, c.clip.get(), mode, c.rect, source, position, opacity);
        ASSERT_EQ(bytesOf(c.actual), bytesOf(c.expected));
    });
}

TEST(KernelsMatchTheReference, StretchImage)
{
    forEveryKernel(3, 16, true, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity,
                                   PixelFormat format) {
        Case c(random, 70, 6);
        const Image source = randomImage(random, uniform(random, 0, 24), uniform(random, 0, 6),
                                         format, uniform(random, 0, 3));
        const auto sw = static_cast<std::int32_t>(source.getWidth());
        const auto sh = static_cast<std::int32_t>(source.getHeight());
        // Mostly a source rectangle inside the source, sometimes one that sticks out.
        Rect from = randomRect(random, sw, sh);
        if (uniform(random, 0, 3) != 0 && sw > 0 && sh > 0) {
            const int left = uniform(random, 0, sw - 1);
            const int top = uniform(random, 0, sh - 1);
            from = Rect{left, top, uniform(random, left + 1, sw), uniform(random, top + 1, sh)};
        }
        // Enlargements, reductions and everything between.
        Rect to = c.rect;
        if (uniform(random, 0, 2) == 0) {
            const int left = uniform(random, -8, c.width / 2);
            const int top = uniform(random, -2, c.height / 2);
            to =
                Rect{left, top, left + from.width() * uniform(random, 2, 9) + uniform(random, 0, 5),
                     top + from.height() * uniform(random, 1, 3) + uniform(random, 0, 2)};
        }
        const bool smooth = uniform(random, 0, 1) == 1;
        reference::stretchImage(c.expected, c.clip.get(), mode, to, source, from, opacity, smooth);
        stretchImage(c.actual, c.clip.get(), mode, to, source, from, opacity, smooth);
        ASSERT_EQ(bytesOf(c.actual), bytesOf(c.expected));
    });
}

TEST(KernelsMatchTheReference, DrawGlyphs)
{
    forEveryKernel(4, 30, false, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity,
                                    PixelFormat) {
        Case c(random, 45, 7);
        std::vector<GlyphData> run(static_cast<std::size_t>(uniform(random, 0, 6)));
        for (GlyphData& glyph : run) {
            glyph.offset = Point{uniform(random, -3, 3), uniform(random, -6, 1)};
            glyph.advance = Point{uniform(random, 0, 12), uniform(random, -1, 1)};
            if (uniform(random, 0, 4) != 0) {
                const PixelFormat format = uniform(random, 0, 4) == 0
                                               ? static_cast<PixelFormat>(formats[uniform(random, 0, 5)])
                                               : PixelFormat::Gray8;
                glyph.image = std::make_shared<Image>(randomImage(random, uniform(random, 0, 21),
                                                                  uniform(random, 0, 9), format,
                                                                  uniform(random, 0, 2)));
            }
        }
        const Point origin{uniform(random, -10, c.width), uniform(random, -3, c.height + 3)};
        const Color color = Color::rgb(randomByte(random), randomByte(random), randomByte(random));
        reference::drawGlyphs(c.expected, c.clip.get(), mode, origin, run.data(), run.size(), color,
                              opacity);
        drawGlyphs(c.actual, c.clip.get(), mode, origin, run.data(), run.size(), color, opacity);
        ASSERT_EQ(bytesOf(c.actual), bytesOf(c.expected));
    });
}

// Transitions have no mode or opacity; only the source format varies.
TEST(KernelsMatchTheReference, DrawTransition)
{
    forEveryKernel(5, 6, true, [](std::mt19937& random, BlendMode, std::uint8_t,
                                  PixelFormat format) {
        Case c(random, 45, 7);
        const Image source = randomImage(random, uniform(random, 0, 50), uniform(random, 0, 8),
                                         format, uniform(random, 0, 3));
        const Image mask = randomImage(random, uniform(random, 0, 50), uniform(random, 0, 8),
                                       PixelFormat::Gray8, uniform(random, 0, 3));
        TransitionTable table;
        static constexpr std::uint32_t progress[] = {0, 1, 128, 255, 256};
        table.progress = progress[uniform(random, 0, 4)];
        for (auto& weight : table.weights) {
            weight = randomByte(random);
        }
        const Point sourcePosition{uniform(random, -4, 6), uniform(random, -2, 3)};
        const Point maskPosition{uniform(random, -4, 6), uniform(random, -2, 3)};
        reference::drawTransition(c.expected, c.rect, source, sourcePosition, mask, maskPosition,
                                  table);
        drawTransition(c.actual, c.rect, source, sourcePosition, mask, maskPosition, table);
        ASSERT_EQ(bytesOf(c.actual), bytesOf(c.expected));
    });
}

} // namespace
