#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#include "tests/image/KernelChecks.h"

// Threads drawing into separate row bands of one image, as the drawing workers do, each with
// scaled copies of different widths (which use per-thread working memory).
namespace {

using namespace vantrel;
using namespace kerneltest;

TEST(KernelThreads, BandsDrawnConcurrentlyMatchTheReference)
{
    std::mt19937 random(31);
    constexpr int bands = 4;
    constexpr int bandHeight = 6;
    const Image start = randomImage(random, 90, bands * bandHeight, PixelFormat::Bgrx32);
    const Image picture = randomImage(random, 23, 9, PixelFormat::Bgra32);
    const Image gray = randomImage(random, 40, 7, PixelFormat::Gray8);

    const auto drawBand = [&](Image& target, int band, auto ops) {
        const ClipRegion clip{Rect{0, band * bandHeight, 90, (band + 1) * bandHeight}, Point{0, 0}};
        for (int round = 0; round < 3; ++round) {
            ops.stretchImage(target, &clip, BlendMode::Normal, Rect{-3, -2, 88 - band * 7, 25}, picture,
                             Rect{0, 0, 23, 9}, 200, (band + round) % 2 == 0);
            ops.stretchImage(target, &clip, BlendMode::Add, Rect{5, 1, 70 + band, 23}, gray, Rect{2, 1, 40, 7}, 255,
                             round == 1);
            ops.drawImage(target, &clip, BlendMode::Multiply, Rect{4, 0, 60, 24}, picture, Point{1, 1}, 128);
        }
    };

    Image expected = cloneImage(start);
    for (int band = 0; band < bands; ++band) {
        drawBand(expected, band, reference::ReferenceOps{});
    }
    for (int attempt = 0; attempt < 5; ++attempt) {
        Image actual = cloneImage(start);
        std::vector<std::thread> threads;
        for (int band = 0; band < bands; ++band) {
            threads.emplace_back([&, band] { drawBand(actual, band, EngineOps{}); });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        ASSERT_EQ(bytesOf(actual), bytesOf(expected));
    }
}

} // namespace
