#pragma once

#include <algorithm>
#include <cstdint>
#include <thread>

// The page's drawing workers: one per processor the browser reports, at most four, or
// none where the page runs on one thread (then the main loop draws, as worker 0).
inline std::uint32_t browserWorkerCount(bool threads)
{
    return threads ? std::clamp(std::thread::hardware_concurrency(), 1u, 4u) : 1u;
}
