#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
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
    std::vector<std::int64_t> results(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < results.size(); ++i) {
        threads.emplace_back([&, i] { results[i] = typeset(i % 2 == 0 ? 32 : 24); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(results, (std::vector<std::int64_t>{expected[0], expected[1], expected[0], expected[1]}));
}
