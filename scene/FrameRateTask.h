#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <vantrel/screen/Screen.h>
#include <vantrel/text/Font.h>
#include "scene/ReadoutBoard.h"

// The average rate of the last 64 intervals between drawn frames.
class FrameRateMeter {
public:
    static constexpr std::uint32_t empty = 0xFFFFFFFF;

    // Records a drawn frame at `now` (milliseconds) and returns the rate in frames per
    // second: 0 until an interval has been measured. Frames in the same millisecond (or
    // with the clock gone backwards) add no interval.
    double record(std::uint32_t now);

private:
    std::uint32_t next = 0;
    std::uint32_t lastTime = 0; // 0: no frame yet
    std::array<std::uint32_t, 64> intervals = filled();

    static std::array<std::uint32_t, 64> filled()
    {
        std::array<std::uint32_t, 64> ring;
        ring.fill(empty);
        return ring;
    }
};

// "60.000 fps : screen(1)": the read-out line for screen number 1 (layer 0) or 2.
std::string formatFrameRate(double rate, unsigned screenNumber);

// The frame-rate line with a drop shadow at the top left of both layers, rebuilt in
// every iteration that draws a frame.
class FrameRateTask {
public:
    static constexpr std::uint32_t textId = 10000;

    static void setUp(vantrel::Screen& screen, std::shared_ptr<ReadoutBoard> board);

    FrameRateTask(std::shared_ptr<vantrel::Font> font, std::shared_ptr<ReadoutBoard> board);
    bool operator()(vantrel::Screen& screen);

private:
    FrameRateMeter meter;
    std::shared_ptr<vantrel::Font> font;
    std::shared_ptr<ReadoutBoard> board;
};
