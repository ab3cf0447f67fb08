#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <vantrel/image/Geometry.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/text/Font.h>
#include "scene/ProcessorLoadSource.h"
#include "scene/ReadoutBoard.h"

// One processor instance of a ProcessorLoadSource.
class PerformanceCounter {
public:
    PerformanceCounter(std::shared_ptr<ProcessorLoadSource> source, std::size_t index);
    double getValue() const;

private:
    std::shared_ptr<ProcessorLoadSource> source;
    std::size_t index;
};

// The rectangles of one load line at row `index`: a 240 x 24 panel from x = 1100, a bar
// to barEnd = 1100 + trunc(2.4 x load) when that is not 1100, and an inner bar one pixel
// inside it when the bar is wider than 2 pixels.
struct LoadBarGeometry {
    std::int32_t y = 0;
    std::int32_t barEnd = 0;
    vantrel::Rect panel;
    bool hasBar = false;
    vantrel::Rect bar;
    bool hasInnerBar = false;
    vantrel::Rect innerBar;
};

LoadBarGeometry loadBarGeometry(double load, std::uint32_t index);

// "CPU(0) : 12.50"
std::string formatLoadLine(const std::string& label, double load);

// Collects the processor times on the first iteration and then every 16th.
class ProcessorLoadCollector {
public:
    explicit ProcessorLoadCollector(std::shared_ptr<ProcessorLoadSource> source);
    bool operator()(vantrel::Screen& screen);

private:
    std::shared_ptr<ProcessorLoadSource> source;
    std::uint32_t calls = 0;
};

// One labelled load bar per processor instance at the top right of both layers.
class ProcessorLoadTask {
public:
    static constexpr std::uint32_t firstId = 10001;

    // Adds the collector, then one line task per instance of `source`.
    static void setUp(vantrel::Screen& screen, const std::shared_ptr<ProcessorLoadSource>& source,
                      std::shared_ptr<ReadoutBoard> board);

    ProcessorLoadTask(std::uint32_t index, std::shared_ptr<PerformanceCounter> counter,
                      std::shared_ptr<vantrel::Font> font, std::string label,
                      std::shared_ptr<ReadoutBoard> board);
    bool operator()(vantrel::Screen& screen);

private:
    std::uint32_t index;
    std::shared_ptr<PerformanceCounter> counter;
    std::shared_ptr<vantrel::Font> font;
    std::string label;
    std::shared_ptr<ReadoutBoard> board;
};
