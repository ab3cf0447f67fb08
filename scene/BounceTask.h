#pragma once

#include <array>
#include <cstdint>

#include <vantrel/screen/Screen.h>

// One axis of a bounce: moves `position` one pixel in its direction while it stays
// within 0..limit; at an end it only turns around (flips `increasing`).
std::int32_t bounceStep(std::int32_t position, std::uint8_t& increasing, std::int32_t limit);

// Moves the two half-transparent pictures of layer 1 (ids 11 and 12) one pixel per
// iteration, reflecting them at the screen edges.
class BounceTask {
public:
    static constexpr std::uint32_t firstId = 11;

    bool operator()(vantrel::Screen& screen);

private:
    // Horizontal and vertical direction of id 11, then of id 12; set means right or down.
    std::array<std::uint8_t, 4> increasing{1, 1, 1, 1};
};
