#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>
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

PixelFormat randomFormat(std::mt19937& random)
{
    return static_cast<PixelFormat>(formats[uniform(random, 0, 5)]);
}

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

// Calls body(mode, opacity, format) `each` times for every mode, opacity class and format.
template <class Body>
void forEveryKernel(std::mt19937& random, int each, bool withFormats, Body body)
{
    for (std::uint8_t mode : modes) {
        for (int opacityClass = 0; opacityClass < 2; ++opacityClass) {
            for (std::uint8_t format : formats) {
                for (int trial = 0; trial < each; ++trial) {
                    body(static_cast<BlendMode>(mode), opacityOfClass(random, opacityClass),
                         static_cast<PixelFormat>(format));
                }
                if (!withFormats) {
                    break;
                }
            }
        }
    }
}

Image randomDestination(std::mt19937& random)
{
    return randomImage(random, uniform(random, 1, 45), uniform(random, 1, 7), PixelFormat::Bgrx32,
                       uniform(random, 0, 1) * uniform(random, 1, 6));
}

std::string describe(const Rect& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

std::string describe(const ClipRegion* clip)
{
    return clip ? describe(clip->rect) + " offset " + std::to_string(clip->offset.x) + "," +
                      std::to_string(clip->offset.y)
                : "none";
}

class KernelsMatchTheReference : public KernelIsaTest {};

TEST_P(KernelsMatchTheReference, FillRect)
{
    std::mt19937 random(1);
    int trial = 0;
    forEveryKernel(random, 40, false, [&](BlendMode mode, std::uint8_t opacity, PixelFormat) {
        ++trial;
        Image expected = randomDestination(random);
        Image actual = cloneImage(expected);
        const auto w = static_cast<std::int32_t>(expected.getWidth());
        const auto h = static_cast<std::int32_t>(expected.getHeight());
        const Rect rect = randomRect(random, w, h);
        const auto clip = randomClip(random, w, h);
        const Color color = uniform(random, 0, 3) == 0
                                ? Color::gray(static_cast<std::uint8_t>(uniform(random, 0, 255)))
                                : Color::rgb(static_cast<std::uint8_t>(uniform(random, 0, 255)),
                                             static_cast<std::uint8_t>(uniform(random, 0, 255)),
                                             static_cast<std::uint8_t>(uniform(random, 0, 255)));
        SCOPED_TRACE("trial " + std::to_string(trial) + " rect " + describe(rect) + " clip " +
                     describe(clip.get()) + " mode " + std::to_string(int(mode)) + " opacity " +
                     std::to_string(opacity));
        reference::fillRect(expected, clip.get(), mode, rect, color, opacity);
        fillRect(actual, clip.get(), mode, rect, color, opacity);
        ASSERT_EQ(bytesOf(actual), bytesOf(expected));
    });
}

TEST_P(KernelsMatchTheReference, DrawImage)
{
    std::mt19937 random(2);
    int trial = 0;
    forEveryKernel(random, 8, true, [&](BlendMode mode, std::uint8_t opacity, PixelFormat format) {
        ++trial;
        Image expected = randomDestination(random);
        Image actual = cloneImage(expected);
        const auto w = static_cast<std::int32_t>(expected.getWidth());
        const auto h = static_cast<std::int32_t>(expected.getHeight());
        const Image source = randomImage(random, uniform(random, 0, 45), uniform(random, 0, 8),
                                         format, uniform(random, 0, 3));
        const Rect rect = randomRect(random, w, h);
        const auto clip = randomClip(random, w, h);
        const Point position =
            uniform(random, 0, 1)
                ? Point{uniform(random, -3, 3), uniform(random, -2, 2)}
                : Point{uniform(random, -5, static_cast<int>(source.getWidth()) + 3),
                        uniform(random, -3, static_cast<int>(source.getHeight()) + 2)};
        SCOPED_TRACE("trial " + std::to_string(trial) + " format " + std::to_string(int(format)) +
                     " rect " + describe(rect) + " clip " + describe(clip.get()) + " mode " +
                     std::to_string(int(mode)) + " opacity " + std::to_string(opacity));
        reference::drawImage(expected, clip.get(), mode, rect, source, position, opacity);
        drawImage(actual, clip.get(), mode, rect, source, position, opacity);
        ASSERT_EQ(bytesOf(actual), bytesOf(expected));
    });
}

TEST_P(KernelsMatchTheReference, StretchImage)
{
    std::mt19937 random(3);
    int trial = 0;
    forEveryKernel(random, 16, true, [&](BlendMode mode, std::uint8_t opacity, PixelFormat format) {
        ++trial;
        Image expected = randomImage(random, uniform(random, 1, 70), uniform(random, 1, 6),
                                     PixelFormat::Bgrx32, uniform(random, 0, 2));
        Image actual = cloneImage(expected);
        const auto w = static_cast<std::int32_t>(expected.getWidth());
        const auto h = static_cast<std::int32_t>(expected.getHeight());
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
        Rect to = randomRect(random, w, h);
        if (uniform(random, 0, 2) == 0) {
            const int left = uniform(random, -8, w / 2);
            const int top = uniform(random, -2, h / 2);
            to =
                Rect{left, top, left + from.width() * uniform(random, 2, 9) + uniform(random, 0, 5),
                     top + from.height() * uniform(random, 1, 3) + uniform(random, 0, 2)};
        }
        const auto clip = randomClip(random, w, h);
        const bool smooth = uniform(random, 0, 1) == 1;
        SCOPED_TRACE("trial " + std::to_string(trial) + " format " + std::to_string(int(format)) +
                     " to " + describe(to) + " from " + describe(from) + " clip " +
                     describe(clip.get()) + " mode " + std::to_string(int(mode)) + " opacity " +
                     std::to_string(opacity) + (smooth ? " smooth" : " nearest"));
        reference::stretchImage(expected, clip.get(), mode, to, source, from, opacity, smooth);
        stretchImage(actual, clip.get(), mode, to, source, from, opacity, smooth);
        ASSERT_EQ(bytesOf(actual), bytesOf(expected));
    });
}

TEST_P(KernelsMatchTheReference, DrawGlyphs)
{
    std::mt19937 random(4);
    int trial = 0;
    forEveryKernel(random, 30, false, [&](BlendMode mode, std::uint8_t opacity, PixelFormat) {
        ++trial;
        Image expected = randomDestination(random);
        Image actual = cloneImage(expected);
        const auto w = static_cast<std::int32_t>(expected.getWidth());
        const auto h = static_cast<std::int32_t>(expected.getHeight());
        std::vector<GlyphData> run(static_cast<std::size_t>(uniform(random, 0, 6)));
        for (GlyphData& glyph : run) {
            glyph.offset = Point{uniform(random, -3, 3), uniform(random, -6, 1)};
            glyph.advance = Point{uniform(random, 0, 12), uniform(random, -1, 1)};
            if (uniform(random, 0, 4) != 0) {
                const PixelFormat format =
                    uniform(random, 0, 4) == 0 ? randomFormat(random) : PixelFormat::Gray8;
                glyph.image = std::make_shared<Image>(randomImage(random, uniform(random, 0, 21),
                                                                  uniform(random, 0, 9), format,
                                                                  uniform(random, 0, 2)));
            }
        }
        const Point origin{uniform(random, -10, w), uniform(random, -3, h + 3)};
        const auto clip = randomClip(random, w, h);
        const Color color = Color::rgb(static_cast<std::uint8_t>(uniform(random, 0, 255)),
                                       static_cast<std::uint8_t>(uniform(random, 0, 255)),
                                       static_cast<std::uint8_t>(uniform(random, 0, 255)));
        SCOPED_TRACE("trial " + std::to_string(trial) + " clip " + describe(clip.get()) + " mode " +
                     std::to_string(int(mode)) + " opacity " + std::to_string(opacity));
        reference::drawGlyphs(expected, clip.get(), mode, origin, run.data(), run.size(), color,
                              opacity);
        drawGlyphs(actual, clip.get(), mode, origin, run.data(), run.size(), color, opacity);
        ASSERT_EQ(bytesOf(actual), bytesOf(expected));
    });
}

TEST_P(KernelsMatchTheReference, DrawTransition)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 400; ++trial) {
        Image expected = randomDestination(random);
        Image actual = cloneImage(expected);
        const auto w = static_cast<std::int32_t>(expected.getWidth());
        const auto h = static_cast<std::int32_t>(expected.getHeight());
        const PixelFormat format = randomFormat(random);
        const Image source = randomImage(random, uniform(random, 0, 50), uniform(random, 0, 8),
                                         format, uniform(random, 0, 3));
        const Image mask = randomImage(random, uniform(random, 0, 50), uniform(random, 0, 8),
                                       PixelFormat::Gray8, uniform(random, 0, 3));
        TransitionTable table;
        static constexpr std::uint32_t progress[] = {0, 1, 128, 255, 256};
        table.progress = progress[uniform(random, 0, 4)];
        for (auto& weight : table.weights) {
            weight = static_cast<std::uint8_t>(uniform(random, 0, 255));
        }
        const Rect rect = randomRect(random, w, h);
        const Point sourcePosition{uniform(random, -4, 6), uniform(random, -2, 3)};
        const Point maskPosition{uniform(random, -4, 6), uniform(random, -2, 3)};
        SCOPED_TRACE("trial " + std::to_string(trial) + " format " + std::to_string(int(format)) +
                     " rect " + describe(rect));
        reference::drawTransition(expected, rect, source, sourcePosition, mask, maskPosition,
                                  table);
        drawTransition(actual, rect, source, sourcePosition, mask, maskPosition, table);
        ASSERT_EQ(bytesOf(actual), bytesOf(expected));
    }
}

VANTREL_FOR_EVERY_KERNEL_ISA(KernelsMatchTheReference);

} // namespace
