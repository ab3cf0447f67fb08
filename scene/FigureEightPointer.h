#pragma once

#include <atomic>
#include <cstdint>

#include <vantrel/shell/PointerSource.h>

// A scripted pointer for runs without a real mouse: each reading moves one step along a
// figure eight around (centreX, centreY), so the trail sees both fast sweeps and slow
// turns. Deterministic: the n-th reading is always the same point.
class FigureEightPointer : public vantrel::IPointerSource {
public:
    FigureEightPointer(std::int32_t centreX, std::int32_t centreY, std::int32_t radiusX,
                       std::int32_t radiusY, std::uint32_t stepsPerLoop);

    // The point of step n.
    vantrel::Point pointAt(std::uint64_t step) const;
    std::uint64_t getReadings() const noexcept { return readings.load(); }

protected:
    vantrel::Point getPositionImpl() override;

private:
    std::int32_t centreX;
    std::int32_t centreY;
    std::int32_t radiusX;
    std::int32_t radiusY;
    std::uint32_t stepsPerLoop;
    std::atomic<std::uint64_t> readings{0};
};
