#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "scene/ProcessorLoadSource.h"

// One instance per processor, "(0)", "(1)", ..., then "(_Total)", whichever system source
// delivers them (performance counters, or kernel times where counters expand to nothing).
TEST(ProcessorLoadWin32, EveryProcessorAndTheTotalWithLoadsInPercent)
{
    ProcessorLoadSource source;
    const std::size_t processors = GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
    ASSERT_EQ(source.getCount(), processors + 1);
    for (std::size_t i = 0; i < processors; ++i) {
        EXPECT_EQ(source.getLabel(i), "(" + std::to_string(i) + ")");
    }
    EXPECT_EQ(source.getLabel(processors), "(_Total)");

    source.collect();
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    volatile std::uint64_t spin = 0;
    while (std::chrono::steady_clock::now() < end) {
        spin = spin + 1;
    }
    source.collect();
    double highest = 0.0;
    for (std::size_t i = 0; i < source.getCount(); ++i) {
        EXPECT_GE(source.getLoad(i), 0.0);
        EXPECT_LE(source.getLoad(i), 100.0);
        highest = std::max(highest, source.getLoad(i));
    }
    EXPECT_GT(highest, 0.0) << "a processor was busy spinning";
}
