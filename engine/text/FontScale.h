#pragma once

#include <cstdint>

namespace vantrel {

/// A face's design numbers, in font units.
struct FaceUnits {
    std::int32_t unitsPerEm = 0; ///< font units per em
    std::int32_t ascent = 0;  ///< of the cell, above the baseline
    std::int32_t descent = 0; ///< of the cell, below the baseline, positive
    std::int32_t averageWidth = 0; ///< 0 when the face does not say
};

/// The line of a sized font, in pixels. The pen's y is the top of the line.
struct FontMetrics {
    std::int32_t ascent = 0;  ///< pixels above the baseline
    std::int32_t descent = 0; ///< pixels below the baseline
    std::int32_t height = 0; ///< ascent + descent
    std::int32_t averageCharWidth = 0; ///< the average character width in pixels
};

/// A face sized for rendering.
struct FontScale {
    std::int64_t emWidth = 0;  ///< 26.6 fixed-point pixels per em, horizontally
    std::int64_t emHeight = 0; ///< 26.6 fixed-point pixels per em, vertically
    FontMetrics metrics; ///< the sized line
};

/// Sizes a face the way the classic desktop font API does: a positive height is the cell
/// height (ascent + descent), a negative one the em height, 0 a default. A width of 0 keeps
/// the face's aspect; otherwise |width| is the average character width.
FontScale computeFontScale(const FaceUnits& units, std::int32_t width, std::int32_t height);

} // namespace vantrel
