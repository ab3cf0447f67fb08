#include "scene/FigureEightPointer.h"

#include <cmath>
#include <numbers>

FigureEightPointer::FigureEightPointer(std::int32_t centreX, std::int32_t centreY, std::int32_t radiusX,
                                       std::int32_t radiusY, std::uint32_t stepsPerLoop)
    : centreX(centreX), centreY(centreY), radiusX(radiusX), radiusY(radiusY),
      stepsPerLoop(stepsPerLoop == 0 ? 1 : stepsPerLoop)
{
}

vantrel::Point FigureEightPointer::pointAt(std::uint64_t step) const
{
    const double angle = 2.0 * std::numbers::pi * static_cast<double>(step % stepsPerLoop) / stepsPerLoop;
    return vantrel::Point{centreX + static_cast<std::int32_t>(std::lround(radiusX * std::sin(angle))),
                          centreY + static_cast<std::int32_t>(std::lround(radiusY * std::sin(2.0 * angle)))};
}

vantrel::Point FigureEightPointer::getPositionImpl()
{
    return pointAt(readings.fetch_add(1));
}
