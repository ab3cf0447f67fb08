#include <gtest/gtest.h>

#include <cstdint>
#include <future>
#include <vector>

#include <vantrel/text/Font.h>
#include "tests/support/Pixels.h"

using namespace vantrel;

TEST(FontThreads, FontsOnSeparateThreadsAgreeWithASingleThread)
{
    // Builds a font and asks for a few hundred glyphs twice (rasterised, then cached),
    // returning the sum of their advances.
    auto typeset = [](std::int32_t height) {
        Font font(sceneFace, 0, height, false, false);
        std::int64_t total = 0;
        for (std::uint32_t code = 0; code < 2 * 0x160; ++code) {
            total += font.getGlyphData(0x20 + code % 0x160).advance.x;
        }
        return total;
    };
    const std::int64_t expected[] = {typeset(32), typeset(24)};
    std::vector<std::future<std::int64_t>> results;
    for (int i = 0; i < 4; ++i) {
        results.push_back(std::async(std::launch::async, typeset, i % 2 == 0 ? 32 : 24));
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(results[i].get(), expected[i % 2]) << i;
    }
}
