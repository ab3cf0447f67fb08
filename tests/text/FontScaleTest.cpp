#include <gtest/gtest.h>

#include "engine/text/FontScale.h"

using namespace vantrel;

namespace {

// IPAPGothic's design numbers: 2048 units per em, win ascent 1802, descent 401.
constexpr FaceUnits gothic{2048, 1802, 401, 956};

} // namespace

TEST(FontScale, APositiveHeightIsTheCellHeight)
{
    FontScale scale = computeFontScale(gothic, 0, 32);
    // 32 x 2048 / 2203 = 29.75 px per em.
    EXPECT_EQ(scale.emHeight, 1904);
    EXPECT_EQ(scale.emWidth, 1904);
    EXPECT_EQ(scale.metrics.height, 32);
    EXPECT_EQ(scale.metrics.ascent, 26); // 1802 x 32 / 2203 = 26.18
    EXPECT_EQ(scale.metrics.descent, 6);
    EXPECT_EQ(scale.metrics.averageCharWidth, 14); // 956 x 29.75 / 2048 = 13.89

    FontScale small = computeFontScale(gothic, 0, 24);
    EXPECT_EQ(small.emHeight, 1428); // 22.31 px per em
    EXPECT_EQ(small.metrics.ascent, 20);
    EXPECT_EQ(small.metrics.descent, 4);
    EXPECT_EQ(small.metrics.height, 24);
}

TEST(FontScale, ANegativeHeightIsTheEmHeight)
{
    FontScale scale = computeFontScale(gothic, 0, -32);
    EXPECT_EQ(scale.emHeight, 32 * 64);
    EXPECT_EQ(scale.metrics.height, 34); // 32 x 2203 / 2048 = 34.42
    EXPECT_EQ(scale.metrics.ascent + scale.metrics.descent, 34);
}

TEST(FontScale, AWidthSetsTheAverageCharacterWidth)
{
    FontScale scale = computeFontScale(gothic, 10, 32);
    EXPECT_EQ(scale.emHeight, 1904);
    EXPECT_EQ(scale.emWidth, 1371); // 10 x 64 x 2048 / 956 = 1371.1
    EXPECT_EQ(scale.metrics.averageCharWidth, 10);
    EXPECT_EQ(computeFontScale(gothic, -10, 32).emWidth, 1371);
}

TEST(FontScale, MissingDesignNumbersFallBackToTheEm)
{
    FontScale scale = computeFontScale(FaceUnits{1000, 0, 0, 0}, 8, 20);
    EXPECT_EQ(scale.emHeight, 20 * 64);
    EXPECT_EQ(scale.metrics.ascent, 20);
    EXPECT_EQ(scale.emWidth, 16 * 64); // an average of half an em

    FontScale broken = computeFontScale(FaceUnits{}, 0, 0);
    EXPECT_EQ(broken.metrics.height, 16);
    EXPECT_GT(broken.emHeight, 0);
}
