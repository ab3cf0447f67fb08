#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

// How long each drawing worker of the process has been busy with frames, by the worker's
// place in its Screen (the calling thread of a Screen without workers counts as worker 0).
// Where the system gives no per-processor load (a browser), this is what can be shown.
constexpr std::uint32_t maxTrackedWorkers = 64;

void addWorkerBusyNanoseconds(std::uint32_t worker, std::uint64_t nanoseconds) noexcept;
// The totals of workers 0 .. count - 1.
std::vector<std::uint64_t> workerBusyNanoseconds(std::uint32_t count);

} // namespace vantrel
