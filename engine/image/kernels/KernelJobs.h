#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/image/TransitionTable.h>

// What the front ends hand a kernel: rectangles already cut to every image involved, as
// pointers to their first pixel and row pitches.
namespace vantrel::kernels {

// fillRect, drawImage and drawGlyphs.
struct BlitJob {
    unsigned char* destination = nullptr;
    std::size_t destinationPitch = 0;
    const unsigned char* source = nullptr; // source pixels or glyph coverage; unused by fills
    std::size_t sourcePitch = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t color = 0;  // fills and glyphs
    std::uint32_t weight = 0; // 1..256
};

// stretchImage. Positions are 16.16 fixed point in source image coordinates; 64 bits keep
// them exact for any image size.
struct StretchJob {
    unsigned char* destination = nullptr; // first pixel of the cut destination rectangle
    std::size_t destinationPitch = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    const unsigned char* source = nullptr; // row 0, column 0 of the source image
    std::size_t sourcePitch = 0;
    std::uint32_t sourceWidth = 0; // the image's width, the limit of every read
    std::uint64_t x0 = 0;          // position of the first column
    std::uint64_t y0 = 0;          // position of the first row
    std::uint64_t stepX = 0;
    std::uint64_t stepY = 0;
    std::uint32_t mixedColumns = 0; // smoothing: the first mixedColumns columns mix with x + 1
    std::uint32_t lastRow = 0;      // smoothing: this source row does not mix with the next
    bool smooth = false;
    std::uint32_t weight = 0; // 1..256
};

struct TransitionJob {
    unsigned char* destination = nullptr;
    std::size_t destinationPitch = 0;
    const unsigned char* source = nullptr;
    std::size_t sourcePitch = 0;
    const unsigned char* mask = nullptr;
    std::size_t maskPitch = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    const TransitionTable* table = nullptr;
};

using BlitKernel = void (*)(const BlitJob&);
using StretchKernel = void (*)(const StretchJob&);
using TransitionKernel = void (*)(const TransitionJob&);

inline constexpr std::size_t modeCount = 5;
inline constexpr std::size_t opacityClassCount = 2; // 0: opaque (w = 256), 1: translucent
inline constexpr std::size_t formatCount = 5;
inline constexpr std::size_t transitionFormatCount = 4;

// One routine per combination, indexed [mode][opacity class][source format].
struct KernelSet {
    BlitKernel fill[modeCount][opacityClassCount];
    BlitKernel glyphs[modeCount][opacityClassCount];
    BlitKernel image[modeCount][opacityClassCount][formatCount];
    StretchKernel stretch[modeCount][opacityClassCount][formatCount];
    TransitionKernel transition[transitionFormatCount];
};

} // namespace vantrel::kernels
