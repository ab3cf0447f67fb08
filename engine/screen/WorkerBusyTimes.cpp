#include <vantrel/screen/WorkerBusyTimes.h>

#include <array>
#include <atomic>

namespace vantrel {

namespace {

std::array<std::atomic<std::uint64_t>, maxTrackedWorkers> busyTimes{};

} // namespace

void addWorkerBusyNanoseconds(std::uint32_t worker, std::uint64_t nanoseconds) noexcept
{
    if (worker < maxTrackedWorkers) {
        busyTimes[worker].fetch_add(nanoseconds, std::memory_order_relaxed);
    }
}

std::vector<std::uint64_t> workerBusyNanoseconds(std::uint32_t count)
{
    std::vector<std::uint64_t> result;
    for (std::uint32_t i = 0; i < count && i < maxTrackedWorkers; ++i) {
        result.push_back(busyTimes[i].load(std::memory_order_relaxed));
    }
    return result;
}

} // namespace vantrel
