#pragma once

#include <cstdint>

#include <vantrel/screen/FrameBreakdown.h>

namespace vantrel {

/// Timings of a running Screen, for benchmarks (see Screen::setObserver). frameTimed and
/// frameBrokenDown run on the presenting worker, iterationTimed on the render thread:
/// implementations must be thread-safe.
class IScreenObserver {
public:
    virtual ~IScreenObserver() = default;
    /// From the dispatch of a frame to the end of its present (or swap, when nothing is shown).
    virtual void frameTimed(std::uint64_t nanoseconds) = 0;
    /// The render thread's locked work of one iteration: dispatch, tasks and composition.
    virtual void iterationTimed(std::uint64_t nanoseconds) = 0;
    /// Where the frame just presented spent its work.
    virtual void frameBrokenDown(const FrameBreakdown&) {}
};

} // namespace vantrel
