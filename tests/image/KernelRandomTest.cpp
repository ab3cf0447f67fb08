#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "tests/image/KernelChecks.h"

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
    static constexpr std::uint8_t special[] = {1, 127, 128, 254};
    if (uniform(random, 0, 15) == 0) {
        return 0;
    }
    if (opacityClass == 0) {
        return 255;
    }
    return uniform(random, 0, 1) ? special[uniform(random, 0, 3)] : static_cast<std::uint8_t>(uniform(random, 1, 254));
}

std::uint8_t randomByte(std::mt19937& random)
{
    return static_cast<std::uint8_t>(uniform(random, 0, 255));
}

// A random destination with a rectangle and a clip over it.
struct Case {
    Image start;
    std::int32_t width;
    std::int32_t height;
    Rect rect;
    std::unique_ptr<ClipRegion> clip;

    Case(std::mt19937& random, int maxWidth, int maxHeight)
        : start(randomImage(random, uniform(random, 1, maxWidth), uniform(random, 1, maxHeight), PixelFormat::Bgrx32,
                            uniform(random, 0, 1) * uniform(random, 1, 6))),
          width(static_cast<std::int32_t>(start.getWidth())), height(static_cast<std::int32_t>(start.getHeight())),
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
                for (std::size_t f = 0; f < (withFormats ? std::size(formats) : 1); ++f) {
                    for (int i = 0; i < each; ++i) {
                        const std::uint8_t opacity = opacityOfClass(random, opacityClass);
                        SCOPED_TRACE(testing::Message() << "trial " << ++trial << " mode " << +mode << " opacity "
                                                        << +opacity << " format " << +formats[f]);
                        body(random, static_cast<BlendMode>(mode), opacity, static_cast<PixelFormat>(formats[f]));
                        if (testing::Test::HasFailure()) {
                            return;
                        }
                    }
                }
            }
        }
    });
}

Image randomSource(std::mt19937& random, int maxWidth, int maxHeight, PixelFormat format)
{
    return randomImage(random, uniform(random, 0, maxWidth), uniform(random, 0, maxHeight), format,
                       uniform(random, 0, 3));
}

TEST(KernelsMatchTheReference, FillRect)
{
    forEveryKernel(1, 40, false, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity, PixelFormat) {
        Case c(random, 45, 7);
        const Color color = uniform(random, 0, 3) == 0
                                ? Color::gray(randomByte(random))
                                : Color::rgb(randomByte(random), randomByte(random), randomByte(random));
        expectLikeReference(c.start, [&](auto ops, Image& image) {
            ops.fillRect(image, c.clip.get(), mode, c.rect, color, opacity);
        });
    });
}

TEST(KernelsMatchTheReference, DrawImage)
{
    forEveryKernel(2, 8, true, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity, PixelFormat format) {
        Case c(random, 45, 7);
        const Image source = randomSource(random, 45, 8, format);
        const Point position = uniform(random, 0, 1)
                                   ? Point{uniform(random, -3, 3), uniform(random, -2, 2)}
                                   : Point{uniform(random, -5, static_cast<int>(source.getWidth()) + 3),
                                           uniform(random, -3, static_cast<int>(source.getHeight()) + 2)};
        expectLikeReference(c.start, [&](auto ops, Image& image) {
            ops.drawImage(image, c.clip.get(), mode, c.rect, source, position, opacity);
        });
    });
}

TEST(KernelsMatchTheReference, StretchImage)
{
    forEveryKernel(3, 16, true, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity, PixelFormat format) {
        Case c(random, 70, 6);
        const Image source = randomSource(random, 24, 6, format);
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
            to = Rect{left, top, left + from.width() * uniform(random, 2, 9) + uniform(random, 0, 5),
                      top + from.height() * uniform(random, 1, 3) + uniform(random, 0, 2)};
        }
        const bool smooth = uniform(random, 0, 1) == 1;
        expectLikeReference(c.start, [&](auto ops, Image& image) {
            ops.stretchImage(image, c.clip.get(), mode, to, source, from, opacity, smooth);
        });
    });
}

TEST(KernelsMatchTheReference, DrawGlyphs)
{
    forEveryKernel(4, 30, false, [](std::mt19937& random, BlendMode mode, std::uint8_t opacity, PixelFormat) {
        Case c(random, 45, 7);
        std::vector<GlyphData> run(static_cast<std::size_t>(uniform(random, 0, 6)));
        for (GlyphData& glyph : run) {
            glyph.offset = Point{uniform(random, -3, 3), uniform(random, -6, 1)};
            glyph.advance = Point{uniform(random, 0, 12), uniform(random, -1, 1)};
            if (uniform(random, 0, 4) != 0) {
                const PixelFormat format = uniform(random, 0, 4) == 0
                                               ? static_cast<PixelFormat>(formats[uniform(random, 0, 5)])
                                               : PixelFormat::Gray8;
                glyph.image = std::make_shared<Image>(
                    randomImage(random, uniform(random, 0, 21), uniform(random, 0, 9), format, uniform(random, 0, 2)));
            }
        }
        const Point origin{uniform(random, -10, c.width), uniform(random, -3, c.height + 3)};
        const Color color = Color::rgb(randomByte(random), randomByte(random), randomByte(random));
        expectLikeReference(c.start, [&](auto ops, Image& image) {
            ops.drawGlyphs(image, c.clip.get(), mode, origin, run.data(), run.size(), color, opacity);
        });
    });
}

// Transitions have no mode or opacity; only the source format varies.
TEST(KernelsMatchTheReference, DrawTransition)
{
    forEveryKernel(5, 6, true, [](std::mt19937& random, BlendMode, std::uint8_t, PixelFormat format) {
        Case c(random, 45, 7);
        const Image source = randomSource(random, 50, 8, format);
        const Image mask = randomSource(random, 50, 8, PixelFormat::Gray8);
        TransitionTable table;
        static constexpr std::uint32_t progress[] = {0, 1, 128, 255, 256};
        table.progress = progress[uniform(random, 0, 4)];
        for (auto& weight : table.weights) {
            weight = randomByte(random);
        }
        const Point sourcePosition{uniform(random, -4, 6), uniform(random, -2, 3)};
        const Point maskPosition{uniform(random, -4, 6), uniform(random, -2, 3)};
        expectLikeReference(c.start, [&](auto ops, Image& image) {
            ops.drawTransition(image, c.rect, source, sourcePosition, mask, maskPosition, table);
        });
    });
}

} // namespace
