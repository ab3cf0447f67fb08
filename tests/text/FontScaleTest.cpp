#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include <vantrel/text/FontScale.h>

using namespace vantrel;

// A positive height is the cell height, a negative one the em height; a width sets the average
// character width; missing design numbers fall back to the em.
TEST(FontScale, HeightsWidthsAndMissingDesignNumbers)
{
    // IPAPGothic's design numbers: 2048 units per em, win ascent 1802, descent 401.
    constexpr FaceUnits gothic{2048, 1802, 401, 956};
    // Design numbers, width and height -> emHeight, emWidth, height, ascent, descent, averageCharWidth.
    const std::tuple<FaceUnits, std::int32_t, std::int32_t, std::array<std::int64_t, 6>> rows[] = {
        // 32 x 2048 / 2203 = 29.75 px per em; 1802 x 32 / 2203 = 26.18; 956 x 29.75 / 2048 = 13.89
        {gothic, 0, 32, {1904, 1904, 32, 26, 6, 14}},
        {gothic, 0, 24, {1428, 1428, 24, 20, 4, 10}}, // 22.31 px per em
        {gothic, 0, -32, {32 * 64, 32 * 64, 34, 28, 6, 15}}, // 32 x 2203 / 2048 = 34.42
        {gothic, 10, 32, {1904, 1371, 32, 26, 6, 10}}, // 10 x 64 x 2048 / 956 = 1371.1
        {gothic, -10, 32, {1904, 1371, 32, 26, 6, 10}},
        {FaceUnits{1000, 0, 0, 0}, 8, 20, {20 * 64, 16 * 64, 20, 20, 0, 8}}, // average: half an em
    };
    for (const auto& [units, width, height, expected] : rows) {
        const FontScale scale = computeFontScale(units, width, height);
        const FontMetrics& m = scale.metrics;
        EXPECT_EQ((std::array<std::int64_t, 6>{scale.emHeight, scale.emWidth, m.height, m.ascent, m.descent,
                                               m.averageCharWidth}),
                  expected) << width << " x " << height;
    }
    FontScale broken = computeFontScale(FaceUnits{}, 0, 0);
    EXPECT_EQ(broken.metrics.height, 16);
    EXPECT_GT(broken.emHeight, 0);
}
