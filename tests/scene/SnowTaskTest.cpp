#include <gtest/gtest.h>

#include <random>

#include "scene/SnowTask.h"
#include "scene/UniformDraw.h"

namespace {

constexpr std::uint32_t W = 1366;
constexpr std::uint32_t H = 768;

FlakeState move(std::int32_t x, std::int32_t y, std::uint8_t opacity, int drift, std::uint32_t speed)
{
    return moveFlake(FlakeState{x, y, opacity}, drift, speed, 192, W, H);
}

} // namespace

TEST(UniformDraw, MatchesTheDoublePrecisionFormulaOnePerOutput)
{
    std::mt19937 draws(5489u);
    std::mt19937 outputs(5489u);
    bool sawMax = false;
    for (int i = 0; i < 20000; ++i) {
        const int value = drawUniform(draws, 0, 4);
        const double v = outputs() / 4294967296.0 * 5.0;
        ASSERT_EQ(value, v >= 4.0 ? 4 : static_cast<int>(v));
        sawMax |= value == 4;
    }
    EXPECT_TRUE(sawMax);
    EXPECT_EQ(draws, outputs);
}

TEST(UniformDraw, StandardSeedGivesTheFirstFlake)
{
    // The first three outputs of the standard generator are 3499211612, 581869302 and
    // 3890346734: x = 1113, y = 104, speed 4.
    std::mt19937 generator(5489u);
    EXPECT_EQ(drawUniform(generator, 0, static_cast<int>(W)), 1113);
    EXPECT_EQ(drawUniform(generator, 0, static_cast<int>(H)), 104);
    EXPECT_EQ(drawUniform(generator, 1, 4), 4);
}

TEST(MoveFlake, FallsAndReentersAtTheTopWithItsResetOpacity)
{
    EXPECT_EQ(move(10, 20, 100, 0, 3), (FlakeState{10, 23, 100}));
    EXPECT_EQ(move(10, H - 1, 100, 0, 2), (FlakeState{10, -10, 192}));
    EXPECT_EQ(move(10, H - 2, 100, 1, 2), (FlakeState{11, static_cast<std::int32_t>(H), 101}));
}

TEST(MoveFlake, WrapsOnlyAtTheRightEdge)
{
    EXPECT_EQ(move(W + 9, 0, 50, 2, 2).x, -10);
    EXPECT_EQ(move(W + 8, 0, 50, 2, 2).x, static_cast<std::int32_t>(W + 10));
    EXPECT_EQ(move(-50, 0, 50, -2, 4).x, -52);
}

TEST(MoveFlake, OpacityKeepsOnlyItsLowBitsAndNeverGoesBelowZero)
{
    EXPECT_EQ(move(0, 0, 255, 1, 2).opacity, 0);
    EXPECT_EQ(move(0, 0, 255, 2, 2).opacity, 1);
    EXPECT_EQ(move(0, 0, 1, -2, 2).opacity, 0);
}

TEST(MoveFlake, SlowFlakesDriftAtMostOnePixel)
{
    EXPECT_EQ(move(100, 0, 100, 2, 1), (FlakeState{101, 1, 102}));
    EXPECT_EQ(move(100, 0, 100, -2, 1), (FlakeState{99, 1, 98}));
    EXPECT_EQ(move(100, 0, 100, -2, 3), (FlakeState{98, 3, 98}));
}

TEST(FlakeOpacity, CyclesThroughTheTableById)
{
    EXPECT_EQ(flakeOpacity(100), 32);
    EXPECT_EQ(flakeOpacity(101), 64);
    EXPECT_EQ(flakeOpacity(102), 128);
    EXPECT_EQ(flakeOpacity(103), 192);
}
