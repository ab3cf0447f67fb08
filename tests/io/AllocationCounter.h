#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>

// Counts the heap bytes the process holds (malloc and everything built on it: operator new,
// libpng, zlib, SDL) so that a test can bound what an action allocates. Not available under
// a sanitizer, which brings its own allocator.
bool allocationCountingAvailable();
std::size_t allocatedBytesNow();

// The most bytes held at once above what was held when the scope began, and its duration.
class AllocationScope {
public:
    AllocationScope();
    std::size_t peakBytes() const;
    double milliseconds() const;
    // One line of figures for the test log.
    void print(const char* label) const;

private:
    std::size_t baseline;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

constexpr std::size_t operator""_MiB(unsigned long long count)
{
    return static_cast<std::size_t>(count) << 20;
}
