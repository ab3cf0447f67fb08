#pragma once

#include <cstdint>

#include "tools/datagen/Canvas.h"

namespace vantrel::datagen {

// A six-armed snow crystal with a soft glow, 16 x 16, for the nearer, faster flakes.
RgbaImage makeSnowCrystal();

// A small soft round flake, 9 x 9, for the distant, slowest flakes.
RgbaImage makeDistantFlake();

// A round glow of `size` pixels: a near-white core fading into `colour`, then to
// transparent before the edge. `coreRadius` and `haloRadius` shape the falloff.
RgbaImage makeGlow(std::uint32_t size, Rgba core, Rgba colour, float coreRadius, float haloRadius);

} // namespace vantrel::datagen
