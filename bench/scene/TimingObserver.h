#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include <vantrel/screen/ScreenObserver.h>

// Collects the Screen's frame and iteration timings once recording is switched on.
class TimingObserver : public vantrel::IScreenObserver {
public:
    void setRecording(bool on) { recording.store(on); }

    std::vector<std::uint64_t> getFrameTimes() const;
    std::vector<std::uint64_t> getIterationTimes() const;
    // The sum of the recorded frames' breakdowns, and how many frames it holds.
    vantrel::FrameBreakdown getBreakdownSum() const;
    std::uint64_t getBrokenDownFrames() const;

    void frameTimed(std::uint64_t nanoseconds) override;
    void iterationTimed(std::uint64_t nanoseconds) override;
    void frameBrokenDown(const vantrel::FrameBreakdown& breakdown) override;

private:
    std::atomic<bool> recording{false};
    mutable std::mutex lock;
    std::vector<std::uint64_t> frameTimes;
    std::vector<std::uint64_t> iterationTimes;
    vantrel::FrameBreakdown breakdownSum;
    std::uint64_t brokenDownFrames = 0;
};

// The nearest-rank percentile (0 to 100) in milliseconds; 0 for no samples.
double percentileMilliseconds(std::vector<std::uint64_t> nanoseconds, double percentile);
