#pragma once

#include <cstdint>

#include <vantrel/image/Image.h>

// The pictures the kernel benchmarks draw with.
namespace benchpictures {

inline constexpr std::uint32_t frameWidth = 1366;
inline constexpr std::uint32_t frameHeight = 768;
inline constexpr std::uint64_t framePixels = std::uint64_t{frameWidth} * frameHeight;

// A 64 KiB-aligned Bgrx32 frame, like the screen's frame buffers, filled with a gradient.
vantrel::Image makeFrame();

// A round Bgra32 sprite: opaque centre, soft edge, transparent corners.
vantrel::Image makeSprite(std::uint32_t size);

// A Bgrx32 picture of the given size with some detail in it.
vantrel::Image makePicture(std::uint32_t width, std::uint32_t height);

// A Gray8 coverage glyph: a ring with anti-aliased edges.
vantrel::Image makeGlyph(std::uint32_t width, std::uint32_t height);

// A Gray8 wipe rule: a diagonal ramp.
vantrel::Image makeRule(std::uint32_t width, std::uint32_t height);

} // namespace benchpictures
