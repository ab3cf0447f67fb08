#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bench/image/BenchPictures.h"
#include <vantrel/image/DrawingOperations.h>
#include <vantrel/image/kernels/KernelIsa.h>

// The compositing kernels over a 1366 x 768 frame, single thread, in pixels per second of
// processor time, beside memset
// and memcpy of the same frame. Every drawing row runs at each kernel level the processor has.
namespace {

using namespace vantrel;
using namespace benchpictures;

struct Pictures {
    Image frame = makeFrame();
    Image picture = makePicture(frameWidth, frameHeight);
    Image small = makePicture(320, 240);
    Image sprite64 = makeSprite(64);
    Image sprite32 = makeSprite(32);
    Image rule = makeRule(frameWidth, frameHeight);
    std::vector<GlyphData> line;
    TransitionTable table;

    Pictures()
    {
        auto glyph = std::make_shared<Image>(makeGlyph(16, 24));
        line.assign(80, GlyphData{Point{0, 0}, Point{17, 0}, glyph});
        table.progress = 128;
        for (int m = 0; m < 256; ++m) {
            table.weights[m] = static_cast<std::uint8_t>(std::clamp((160 - m) * 4, 0, 255));
        }
    }
};

Pictures& pictures()
{
    static Pictures shared;
    return shared;
}

const Rect wholeFrame{0, 0, static_cast<std::int32_t>(frameWidth),
                      static_cast<std::int32_t>(frameHeight)};

void reportPixels(benchmark::State& state, std::uint64_t pixelsPerIteration)
{
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(pixelsPerIteration) *
                                                      static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

// Sprite positions spread over the frame, at no particular alignment.
std::vector<Point> spritePositions(int count, int size)
{
    std::vector<Point> positions;
    for (int i = 0; i < count; ++i) {
        positions.push_back(Point{i * 197 % (static_cast<int>(frameWidth) - size),
                                  i * 89 % (static_cast<int>(frameHeight) - size)});
    }
    return positions;
}

void memsetFrame(benchmark::State& state)
{
    Image& frame = pictures().frame;
    for (auto _ : state) {
        std::memset(frame.getPixels(), 0x40, framePixels * 4);
        benchmark::ClobberMemory();
    }
    reportPixels(state, framePixels);
}

void memcpyFrame(benchmark::State& state)
{
    Pictures& p = pictures();
    for (auto _ : state) {
        std::memcpy(p.frame.getPixels(), p.picture.getPixels(), framePixels * 4);
        benchmark::ClobberMemory();
    }
    reportPixels(state, framePixels);
}

void fill(benchmark::State& state, std::uint8_t opacity)
{
    Image& frame = pictures().frame;
    for (auto _ : state) {
        fillRect(frame, nullptr, BlendMode::Normal, wholeFrame, Color::rgb(200, 120, 40), opacity);
        benchmark::ClobberMemory();
    }
    reportPixels(state, framePixels);
}

void copy(benchmark::State& state, std::uint8_t opacity)
{
    Pictures& p = pictures();
    for (auto _ : state) {
        drawImage(p.frame, nullptr, BlendMode::Normal, wholeFrame, p.picture, Point{0, 0}, opacity);
        benchmark::ClobberMemory();
    }
    reportPixels(state, framePixels);
}

void sprites(benchmark::State& state, const Image& sprite, int count, BlendMode mode,
             std::uint8_t opacity)
{
    Image& frame = pictures().frame;
    const auto size = static_cast<int>(sprite.getWidth());
    const std::vector<Point> positions = spritePositions(count, size);
    for (auto _ : state) {
        for (const Point& at : positions) {
            drawImage(frame, nullptr, mode, Rect{at.x, at.y, at.x + size, at.y + size}, sprite,
                      Point{0, 0}, opacity);
        }
        benchmark::ClobberMemory();
    }
    reportPixels(state, std::uint64_t(count) * size * size);
}

void stretch(benchmark::State& state, bool smooth)
{
    Pictures& p = pictures();
    for (auto _ : state) {
        stretchImage(p.frame, nullptr, BlendMode::Normal, wholeFrame, p.small, Rect{0, 0, 320, 240},
                     255, smooth);
        benchmark::ClobberMemory();
    }
    reportPixels(state, framePixels);
}

// 32 lines of 80 glyphs of 16 x 24 fill the frame.
void glyphs(benchmark::State& state)
{
    Pictures& p = pictures();
    for (auto _ : state) {
        for (int line = 0; line < 32; ++line) {
            drawGlyphs(p.frame, nullptr, BlendMode::Normal, Point{2, line * 24}, p.line.data(),
                       p.line.size(), Color::rgb(255, 255, 255), 255);
        }
        benchmark::ClobberMemory();
    }
    reportPixels(state, 32 * p.line.size() * 16 * 24);
}

void transition(benchmark::State& state)
{
    Pictures& p = pictures();
    for (auto _ : state) {
        drawTransition(p.frame, wholeFrame, p.picture, Point{0, 0}, p.rule, Point{0, 0}, p.table);
        benchmark::ClobberMemory();
    }
    reportPixels(state, framePixels);
}

struct DrawingRow {
    const char* name;
    void (*run)(benchmark::State&);
};

const DrawingRow drawingRows[] = {
    {"FillOpaque", [](benchmark::State& s) { fill(s, 255); }},
    {"FillTranslucent", [](benchmark::State& s) { fill(s, 128); }},
    {"CopyOpaque", [](benchmark::State& s) { copy(s, 255); }},
    {"CopyTranslucent", [](benchmark::State& s) { copy(s, 128); }},
    {"AlphaSprites64",
     [](benchmark::State& s) { sprites(s, pictures().sprite64, 256, BlendMode::Normal, 255); }},
    {"AddSprites32",
     [](benchmark::State& s) { sprites(s, pictures().sprite32, 1024, BlendMode::Add, 128); }},
    {"StretchBilinear", [](benchmark::State& s) { stretch(s, true); }},
    {"StretchNearest", [](benchmark::State& s) { stretch(s, false); }},
    {"Glyphs16x24", glyphs},
    {"Transition", transition},
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("Memset", memsetFrame)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Memcpy", memcpyFrame)->Unit(benchmark::kMicrosecond);
    for (int level = static_cast<int>(bestKernelIsa()); level >= 0; --level) {
        const auto isa = static_cast<KernelIsa>(level);
        for (const DrawingRow& row : drawingRows) {
            const std::string name = std::string(row.name) + "/" + kernelIsaName(isa);
            benchmark::RegisterBenchmark(name.c_str(), [isa, run = row.run](benchmark::State& s) {
                selectKernelIsa(isa);
                run(s);
            })->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    selectKernelIsa(bestKernelIsa());
    return 0;
}
