#include "bench/scene/ProcessFigures.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

double seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

} // namespace

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

long residentKiB()
{
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return 0;
    }
    long sizePages = 0;
    long residentPages = 0;
    int read = std::fscanf(statm, "%ld %ld", &sizePages, &residentPages);
    std::fclose(statm);
    return read == 2 ? residentPages * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
