#include <vantrel/text/FontScale.h>

#include <cstdlib>

namespace vantrel {

namespace {

constexpr std::int64_t defaultCellHeight = 16;

// Rounded a x b / c for non-negative operands and c > 0.
std::int64_t scaleRounded(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return (a * b + c / 2) / c;
}

} // namespace

FontScale computeFontScale(const FaceUnits& units, std::int32_t width, std::int32_t height)
{
    std::int64_t unitsPerEm = units.unitsPerEm > 0 ? units.unitsPerEm : 1;
    std::int64_t ascentUnits = units.ascent > 0 ? units.ascent : 0;
    std::int64_t descentUnits = units.descent > 0 ? units.descent : 0;
    std::int64_t cellUnits = ascentUnits + descentUnits;
    if (cellUnits == 0) {
        ascentUnits = unitsPerEm;
        cellUnits = unitsPerEm;
    }

    FontScale scale;
    std::int64_t cellHeight = defaultCellHeight;
    if (height > 0) {
        cellHeight = height;
        scale.emHeight = scaleRounded(cellHeight * 64, unitsPerEm, cellUnits);
    } else if (height < 0) {
        std::int64_t emHeight = -static_cast<std::int64_t>(height);
        cellHeight = scaleRounded(emHeight, cellUnits, unitsPerEm);
        scale.emHeight = emHeight * 64;
    } else {
        scale.emHeight = scaleRounded(cellHeight * 64, unitsPerEm, cellUnits);
    }

    std::int64_t averageUnits = units.averageWidth > 0 ? units.averageWidth : unitsPerEm / 2;
    if (averageUnits == 0) {
        averageUnits = 1;
    }
    if (width == 0) {
        scale.emWidth = scale.emHeight;
    } else {
        std::int64_t averageWidth = std::llabs(static_cast<std::int64_t>(width));
        scale.emWidth = scaleRounded(averageWidth * 64, unitsPerEm, averageUnits);
    }

    std::int64_t ascent = scaleRounded(ascentUnits, cellHeight, cellUnits);
    scale.metrics.ascent = static_cast<std::int32_t>(ascent);
    scale.metrics.descent = static_cast<std::int32_t>(cellHeight - ascent);
    scale.metrics.height = static_cast<std::int32_t>(cellHeight);
    scale.metrics.averageCharWidth =
        static_cast<std::int32_t>(scaleRounded(averageUnits, scale.emWidth, unitsPerEm * 64));
    return scale;
}

} // namespace vantrel
