#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "engine/screen/ScreenObserver.h"

// Collects the Screen's frame and iteration timings once recording is switched on.
class TimingObserver : public vantrel::IScreenObserver {
public:
    void setRecording(bool on) { recording.store(on); }

    std::vector<std::uint64_t> getFrameTimes() const;
    std::vector<std::uint64_t> getIterationTimes() const;

    void frameTimed(std::uint64_t nanoseconds) override;
    void iterationTimed(std::uint64_t nanoseconds) override;

private:
    std::atomic<bool> recording{false};
    mutable std::mutex lock;
    std::vector<std::uint64_t> frameTimes;
    std::vector<std::uint64_t> iterationTimes;
};

// The nearest-rank percentile (0 to 100) in milliseconds; 0 for no samples.
double percentileMilliseconds(std::vector<std::uint64_t> nanoseconds, double percentile);
