#include "bench/scene/ProcessFigures.h"

#include <windows.h>
#include <io.h>
#include <psapi.h>

namespace {

double seconds(const FILETIME& t)
{
    const ULONGLONG ticks = (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<double>(ticks) * 1e-7; // 100 ns units
}

bool memoryCounters(PROCESS_MEMORY_COUNTERS& counters)
{
    counters = {};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) != 0;
}

} // namespace

double peakMemoryMiB()
{
    PROCESS_MEMORY_COUNTERS counters;
    return memoryCounters(counters) ? static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0) : 0.0;
}

long residentKiB()
{
    PROCESS_MEMORY_COUNTERS counters;
    return memoryCounters(counters) ? static_cast<long>(counters.WorkingSetSize / 1024) : 0;
}

double processorSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return 0.0;
    }
    return seconds(kernel) + seconds(user);
}

bool isTerminal(std::FILE* stream)
{
    return _isatty(_fileno(stream)) != 0;
}

// GetThreadTimes advances in scheduler ticks and a thread's cycle count has no fixed rate:
// the performance counter times an iteration, as it runs on its own thread undisturbed.
const char* const iterationClockName = "wall-clock time";

std::uint64_t iterationClockNanoseconds()
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    // Whole seconds and the rest apart, so that the product cannot overflow.
    const std::uint64_t ticks = static_cast<std::uint64_t>(now.QuadPart);
    const std::uint64_t f = static_cast<std::uint64_t>(frequency);
    return ticks / f * 1000000000u + ticks % f * 1000000000u / f;
}
