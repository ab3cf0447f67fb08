#pragma once

#include <cstdint>

#include <vantrel/screen/FrameBreakdown.h>

// Where a drawn frame's time goes, averaged over the measured frames, beside the cost of
// copying one frame with memcpy in the same run.
struct FrameCost {
    vantrel::FrameBreakdown sum;     // summed over `frames`
    std::uint64_t frames = 0;
    double processorMsPerFrame = 0.0; // user + system time of all threads per drawn frame
    double memcpyFrameMs = 0.0;       // median memcpy of one frame
    double keptMiB = 0.0;             // pictures the drawers keep between frames
};

namespace vantrel {
class Screen;
}

// Frames taken from now on are redrawn in full in every dirty band.
void keepNoPictures(vantrel::Screen& screen);
double keptMiB(vantrel::Screen& screen);

// The median time of copying a width x height 32-bit frame with memcpy, in milliseconds.
double medianFrameCopyMs(std::uint32_t width, std::uint32_t height);

void printFrameCostText(const FrameCost& cost);
// Prints the JSON members (no braces), each line starting with ",\n ".
void printFrameCostJson(const FrameCost& cost);
