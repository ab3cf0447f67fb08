#include "bench/scene/ProcessFigures.h"

#include <windows.h>
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
