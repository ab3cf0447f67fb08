#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include <vantrel/text/Font.h>

using namespace vantrel;

namespace {

const char* const sceneFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";

// Builds a font and rasterises a few hundred glyphs twice, returning the sum of their advances.
std::int64_t typeset(std::int32_t height)
{
    Font font(sceneFace, 0, height, false, false);
    std::int64_t total = 0;
    for (int round = 0; round < 2; ++round) {
        for (std::uint32_t code = 0x20; code < 0x180; ++code) {
            total += font.getGlyphData(code).advance.x;
        }
    }
    return total;
}

} // namespace

TEST(FontThreads, FontsOnSeparateThreadsAgreeWithASingleThread)
{
    const std::int64_t expected[] = {typeset(32), typeset(24)};
    std::vector<std::int64_t> results(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < results.size(); ++i) {
        threads.emplace_back([&, i] { results[i] = typeset(i % 2 == 0 ? 32 : 24); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(results, (std::vector<std::int64_t>{expected[0], expected[1], expected[0],
                                                  expected[1]}));
}
