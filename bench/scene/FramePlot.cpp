#include "bench/scene/FramePlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <tuple>

#include "bench/scene/Screenshot.h"
#include "bench/scene/TimingObserver.h"
#include <vantrel/image/DrawingOperations.h>
#include <vantrel/text/Font.h>
#include "scene/SceneFonts.h"

using namespace vantrel;

namespace {

constexpr std::int32_t width = 1400;
constexpr std::int32_t height = 640;
// The frames over the run, then their distribution on the same time axis.
constexpr Rect series{80, 90, 940, 580};
constexpr Rect distribution{960, 90, 1250, 580};

const Color background = Color::gray(255);
const Color ink = Color::gray(32);
const Color grid = Color::gray(225);
const Color frameColor = Color::rgb(40, 90, 170);
const Color overColor = Color::rgb(200, 40, 40);
const Color medianColor = Color::rgb(20, 140, 60);
const Color p99Color = Color::rgb(220, 120, 0);

// 1, 2 or 5 times a power of ten, at least `value`.
double niceAbove(double value)
{
    double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= value) {
            return step * power;
        }
    }
    return 10.0 * power;
}

class Plot {
public:
    Plot() : image(width, height, PixelFormat::Bgrx32)
    {
        try {
            font = std::make_unique<Font>(readoutFaceName, 0, -13, false, false);
        } catch (const std::exception&) {
            // the curves still tell the story without their labels
        }
        fill(Rect{0, 0, width, height}, background);
    }

    void fill(const Rect& rect, Color color) { fillRect(image, nullptr, BlendMode::Normal, rect, color, 255); }

    // `text` (ASCII) with its baseline at `y`; right-aligned at `x` when `alignRight`.
    void write(const std::string& text, std::int32_t x, std::int32_t y, Color color, bool alignRight = false)
    {
        if (!font) {
            return;
        }
        std::vector<GlyphData> glyphs;
        std::int32_t advance = 0;
        for (unsigned char c : text) {
            glyphs.push_back(font->getGlyphData(c));
            advance += glyphs.back().advance.x;
        }
        drawGlyphs(image, nullptr, BlendMode::Normal, Point{alignRight ? x - advance : x, y}, glyphs.data(),
                   glyphs.size(), color, 255);
    }

    const Image& picture() const { return image; }

private:
    Image image;
    std::unique_ptr<Font> font;
};

std::string milliseconds(double ms)
{
    char text[32];
    std::snprintf(text, sizeof text, ms < 10 ? "%.2f ms" : "%.1f ms", ms);
    return text;
}

} // namespace

void writeFramePlot(const std::string& path, const std::vector<std::uint64_t>& frameNanoseconds,
                    const std::string& settings)
{
    Plot plot;
    const double median = percentileMilliseconds(frameNanoseconds, 50);
    const double p99 = percentileMilliseconds(frameNanoseconds, 99);
    const double top = niceAbove(std::max({p99 * 1.25, median * 2.0, 1.0}));
    const double step = niceAbove(top / 6.0);
    auto yOf = [&](double ms) {
        double fraction = std::min(ms / top, 1.0);
        return series.bottom - 1 - static_cast<std::int32_t>(std::lround(fraction * (series.height() - 1)));
    };

    plot.write("vantrel-bench: dispatch to present of every frame, over the run and as a distribution", series.left,
               30, ink);
    plot.write(settings, series.left, 54, ink);

    // The time axis, shared by both panels.
    for (double ms = 0; ms <= top + step / 2; ms += step) {
        std::int32_t y = yOf(ms);
        plot.fill(Rect{series.left, y, series.right, y + 1}, grid);
        plot.fill(Rect{distribution.left, y, distribution.right, y + 1}, grid);
        char label[32];
        std::snprintf(label, sizeof label, "%g ms", ms);
        plot.write(label, series.left - 8, y + 5, ink, true);
    }
    plot.fill(Rect{series.left - 1, series.top, series.left, series.bottom}, ink);
    plot.fill(Rect{series.left - 1, series.bottom, series.right, series.bottom + 1}, ink);
    plot.fill(Rect{distribution.left - 1, series.top, distribution.left, series.bottom}, ink);
    plot.fill(Rect{distribution.left - 1, series.bottom, distribution.right, series.bottom + 1}, ink);

    // Every frame in run order; those above the axis sit on its top in red.
    const std::size_t count = frameNanoseconds.size();
    for (std::size_t i = 0; i < count; ++i) {
        double ms = static_cast<double>(frameNanoseconds[i]) / 1e6;
        auto x = series.left + static_cast<std::int32_t>(count > 1 ? i * (series.width() - 2) / (count - 1) : 0);
        std::int32_t y = yOf(ms);
        plot.fill(Rect{x, y - 1, x + 2, y + 1}, ms > top ? overColor : frameColor);
    }
    plot.write("frame 1", series.left, series.bottom + 20, ink);
    plot.write("frame " + std::to_string(count), series.right, series.bottom + 20, ink, true);
    plot.write("frames in the order they were presented", series.left + series.width() / 2 - 120,
               series.bottom + 40, ink);

    // The distribution: how many frames took each time, in bins of four pixels' worth.
    constexpr std::int32_t binPixels = 4;
    std::vector<std::size_t> bins(static_cast<std::size_t>(series.height() / binPixels) + 1, 0);
    for (std::uint64_t ns : frameNanoseconds) {
        bins[static_cast<std::size_t>(series.bottom - 1 - yOf(static_cast<double>(ns) / 1e6)) / binPixels]++;
    }
    const std::size_t most = std::max<std::size_t>(1, *std::max_element(bins.begin(), bins.end()));
    for (std::size_t b = 0; b < bins.size(); ++b) {
        auto length = static_cast<std::int32_t>(bins[b] * static_cast<std::size_t>(distribution.width() - 4) / most);
        std::int32_t bottom = series.bottom - static_cast<std::int32_t>(b) * binPixels;
        plot.fill(Rect{distribution.left, std::max(series.top, bottom - binPixels + 1), distribution.left + length,
                       bottom},
                  frameColor);
    }
    plot.write("frames per " + milliseconds(top * binPixels / series.height()), distribution.left,
               series.bottom + 20, ink);

    // The median and the 99th percentile across both panels, named beside them; the p99 name
    // keeps clear of the median's.
    std::int32_t medianY = yOf(median);
    std::int32_t p99Y = std::min(yOf(p99), medianY - 16);
    for (auto [ms, color, name, labelY] : {std::tuple{median, medianColor, "median ", medianY},
                                           std::tuple{p99, p99Color, "p99 ", p99Y}}) {
        std::int32_t y = yOf(ms);
        plot.fill(Rect{series.left, y - 1, distribution.right, y + 1}, color);
        plot.write(name + milliseconds(ms), distribution.right + 10, labelY + 5, color);
    }
    writeScreenshot(path, plot.picture());
}
