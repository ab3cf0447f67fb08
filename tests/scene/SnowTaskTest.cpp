#include <gtest/gtest.h>

#include "scene/SnowTask.h"

TEST(MoveFlake, FallsDriftsWrapsAndFlickers)
{
    constexpr std::int32_t W = 1366;
    constexpr std::int32_t H = 768;
    struct Case {
        FlakeState from;
        int drift;
        std::uint32_t speed;
        FlakeState to;
    };
    const Case cases[] = {
        {{10, 20, 100}, 0, 3, {10, 23, 100}},
        {{10, H - 1, 100}, 0, 2, {10, -10, 192}}, // re-enters at the top with its reset opacity
        {{10, H - 2, 100}, 1, 2, {11, H, 101}},
        {{W + 9, 0, 50}, 2, 2, {-10, 2, 52}}, // wraps only at the right edge
        {{W + 8, 0, 50}, 2, 2, {W + 10, 2, 52}},
        {{-50, 0, 50}, -2, 4, {-52, 4, 48}},
        {{0, 0, 255}, 1, 2, {1, 2, 0}}, // opacity keeps only its low bits
        {{0, 0, 1}, -2, 2, {-2, 2, 0}}, // and never goes below zero
        {{100, 0, 100}, 2, 1, {101, 1, 102}}, // slow flakes drift at most their speed
        {{100, 0, 100}, -2, 1, {99, 1, 98}},
    };
    for (const Case& c : cases) {
        const FlakeState moved = moveFlake(c.from, c.drift, c.speed, 192, W, H);
        EXPECT_EQ(moved, c.to) << c.from.x << ", " << c.from.y << " drift " << c.drift << ": " << moved.x << ", "
                               << moved.y << ", " << int(moved.opacity);
    }
}
