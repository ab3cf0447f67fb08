#include <gtest/gtest.h>

#include "bench/scene/BenchOptions.h"
#include "bench/scene/TimingObserver.h"

namespace {

std::optional<BenchOptions> parse(std::vector<const char*> arguments, std::string& error)
{
    arguments.insert(arguments.begin(), "vantrel-bench");
    return parseBenchOptions(static_cast<int>(arguments.size()), arguments.data(), error);
}

} // namespace

TEST(BenchOptions, ReadsEveryOptionAndRejectsWhatItCannotUse)
{
    std::string error;
    auto all = parse({"--seconds", "2.5", "--workers", "2", "--screenshot", "a.png", "--json", "--redraw",
                      "--whole-present", "--stepped", "64", "--stepped-checksum", "700"},
                     error);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->seconds, 2.5);
    EXPECT_EQ(all->workers, 2u);
    EXPECT_EQ(all->screenshot, "a.png");
    EXPECT_TRUE(all->json);
    EXPECT_TRUE(all->redraw);
    EXPECT_TRUE(all->wholePresent);
    EXPECT_EQ(all->steps, 64);
    EXPECT_EQ(all->checksumSteps, 700);

    for (std::vector<const char*> bad : std::vector<std::vector<const char*>>{
             {"--seconds"}, {"--seconds", "0"}, {"--seconds", "x"}, {"--workers", "0"}, {"--workers", "2x"},
             {"--stepped", "0"}, {"--stepped-checksum", "0"}, {"--frobnicate"}}) {
        error.clear();
        EXPECT_FALSE(parse(bad, error));
        EXPECT_FALSE(error.empty());
    }
    error = "unchanged";
    EXPECT_FALSE(parse({"--help"}, error));
    EXPECT_TRUE(error.empty());
    EXPECT_TRUE(parse({"--json", "--version"}, error)->version);
}

TEST(Percentile, NearestRankInMilliseconds)
{
    std::vector<std::uint64_t> samples;
    for (std::uint64_t i = 100; i >= 1; --i) {
        samples.push_back(i * 1000000);
    }
    EXPECT_DOUBLE_EQ(percentileMilliseconds(samples, 50), 50.0);
    EXPECT_DOUBLE_EQ(percentileMilliseconds(samples, 99), 99.0);
    EXPECT_DOUBLE_EQ(percentileMilliseconds(samples, 100), 100.0);
    EXPECT_DOUBLE_EQ(percentileMilliseconds({}, 50), 0.0);
    EXPECT_DOUBLE_EQ(percentileMilliseconds({3000000}, 99), 3.0);
}
