#include "scene/ProcessorLoadTask.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <vantrel/sprite/TextSprite.h>
#include "scene/SceneFonts.h"

namespace {

constexpr std::int32_t panelLeft = 1100;
constexpr std::int32_t panelRight = 1340;
constexpr std::int32_t lineHeight = 24;

const vantrel::Color panelColour = vantrel::Color::gray(196);
const vantrel::Color barColour = vantrel::Color::rgb(32, 128, 16);
const vantrel::Color totalBarColour = vantrel::Color::rgb(128, 32, 16);

// Rectangles are never reversed, whatever the value read.
vantrel::Rect columns(std::int32_t a, std::int32_t b, std::int32_t top, std::int32_t bottom)
{
    return vantrel::Rect{std::min(a, b), top, std::max(a, b), bottom};
}

} // namespace

PerformanceCounter::PerformanceCounter(std::shared_ptr<ProcessorLoadSource> source, std::size_t index)
    : source(std::move(source)), index(index)
{
}

double PerformanceCounter::getValue() const
{
    return source && index < source->getCount() ? source->getLoad(index) : 0.0;
}

LoadBarGeometry loadBarGeometry(double load, std::uint32_t index)
{
    if (!std::isfinite(load)) {
        load = 0.0;
    }
    load = std::clamp(load, -1000.0, 1000.0);
    LoadBarGeometry geometry;
    geometry.y = static_cast<std::int32_t>(28 * index + 10);
    geometry.barEnd = panelLeft - static_cast<std::int32_t>(240.0 * load / -100.0);
    const std::int32_t y = geometry.y;
    geometry.panel = vantrel::Rect{panelLeft, y, panelRight, y + lineHeight};
    geometry.hasBar = geometry.barEnd != panelLeft;
    geometry.bar = columns(panelLeft, geometry.barEnd, y, y + lineHeight);
    geometry.hasInnerBar = std::abs(geometry.barEnd - panelLeft) > 2;
    geometry.innerBar = columns(panelLeft + 1, geometry.barEnd - 1, y + 1, y + lineHeight - 1);
    return geometry;
}

std::string formatLoadLine(const std::string& label, double load)
{
    char text[96];
    int length = std::snprintf(text, sizeof text, "CPU%s : %.2f", label.c_str(), load);
    if (length < 0) {
        return {};
    }
    return std::string(text, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof text - 1));
}

ProcessorLoadCollector::ProcessorLoadCollector(std::shared_ptr<ProcessorLoadSource> source)
    : source(std::move(source))
{
}

bool ProcessorLoadCollector::operator()(vantrel::Screen&)
{
    if ((calls & 15) == 0 && source) {
        source->collect();
    }
    ++calls;
    return false;
}

void ProcessorLoadTask::setUp(vantrel::Screen& screen, const std::shared_ptr<ProcessorLoadSource>& source,
                              std::shared_ptr<ReadoutBoard> board)
{
    screen.addTask(ProcessorLoadCollector(source));
    auto font = std::make_shared<vantrel::Font>(readoutFaceName, 0, 24, false, false);
    for (std::size_t i = 0; i < source->getCount(); ++i) {
        auto counter = std::make_shared<PerformanceCounter>(source, i);
        screen.addTask(ProcessorLoadTask(static_cast<std::uint32_t>(i), std::move(counter), font,
                                         source->getLabel(i), board));
    }
}

ProcessorLoadTask::ProcessorLoadTask(std::uint32_t index, std::shared_ptr<PerformanceCounter> counter,
                                     std::shared_ptr<vantrel::Font> font, std::string label,
                                     std::shared_ptr<ReadoutBoard> board)
    : index(index), counter(std::move(counter)), font(std::move(font)), label(std::move(label)),
      board(std::move(board))
{
}

bool ProcessorLoadTask::operator()(vantrel::Screen& screen)
{
    const double load = counter->getValue();
    if (board) {
        board->setLoad(index, label, load);
    }
    const LoadBarGeometry geometry = loadBarGeometry(load, index);
    const std::uint32_t id = firstId + index;
    const vantrel::Color colour = label.find("_Total") != std::string::npos ? totalBarColour : barColour;
    const std::string text = formatLoadLine(label, load);
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        screen.getSprites(layer).remove(id);
        screen.createTextSprite(layer, id, panelLeft, geometry.y, 600, text.c_str(), text.size(), *font,
                                vantrel::Color::gray(255))
            ->show();
        screen.createTextSprite(layer, id, panelLeft + 1, geometry.y + 1, 599, text.c_str(), text.size(),
                                *font, vantrel::Color::gray(64))
            ->show();
        auto panel = screen.createFillRectSprite(layer, id, geometry.panel, 597, panelColour);
        panel->setBlendMode(vantrel::BlendMode::Subtract);
        panel->show();
        if (geometry.hasBar) {
            auto bar = screen.createFillRectSprite(layer, id, geometry.bar, 598, colour);
            bar->setBlendMode(vantrel::BlendMode::Add);
            bar->show();
        }
        if (geometry.hasInnerBar) {
            auto inner = screen.createFillRectSprite(layer, id, geometry.innerBar, 598, colour);
            inner->setBlendMode(vantrel::BlendMode::Add);
            inner->show();
        }
    }
    return false;
}
