#include "scene/ProcessorLoadSource.h"

#include <chrono>
#include <utility>

#include <vantrel/screen/WorkerBusyTimes.h>
#include "scene/web/BrowserWorkers.h"

#if defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool pageThreads = true;
#else
constexpr bool pageThreads = false;
#endif

// A browser tells a page nothing about processor load. What it can show instead is the
// engine's own: each drawing worker's busy share of the time, as instances "(W0)", "(W1)",
// ... and their mean as "(_Total)". statPath names no file here; an empty one gives no
// instances (the stepped runs whose pictures must not depend on timing).
ProcessorLoadSource::ProcessorLoadSource(std::string statPath) : statPath(std::move(statPath))
{
    std::vector<ProcessorTimes> times;
    if (!this->statPath.empty() && read(times)) {
        addInstances(times);
    }
}

bool ProcessorLoadSource::read(std::vector<ProcessorTimes>& times) const
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto elapsed = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    const std::vector<std::uint64_t> busy = vantrel::workerBusyNanoseconds(browserWorkerCount(pageThreads));
    ProcessorTimes total{"cpu", 0, 0};
    times.clear();
    for (std::size_t i = 0; i < busy.size(); ++i) {
        times.push_back(ProcessorTimes{"cpuW" + std::to_string(i), elapsed, busy[i]});
        total.total += elapsed;
        total.busy += busy[i];
    }
    times.push_back(total);
    return true;
}

void ProcessorLoadSource::collect()
{
    std::vector<ProcessorTimes> times;
    if (!instances.empty() && read(times)) {
        collectTimes(times);
    }
}
