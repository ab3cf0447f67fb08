#include "bench/scene/SteppedRun.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "bench/scene/FrameCostReport.h"
#include "bench/scene/ProcessFigures.h"
#include "bench/scene/TimingObserver.h"
#include <vantrel/screen/MemoryPresentTarget.h>
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"

namespace {

constexpr std::uint32_t width = 1366;
constexpr std::uint32_t height = 768;
constexpr int roundLength = 64;

struct SteppedScene {
    explicit SteppedScene(bool keep)
    {
        BenchmarkScene::Options options;
        options.workerCount = 1;
        options.startRendering = false;
        scene = std::make_unique<BenchmarkScene>(std::make_shared<vantrel::MemoryPresentTarget>(width, height),
                                                 std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240),
                                                 width, height, options);
        if (!keep) {
            keepNoPictures(scene->getScreen());
        }
    }

    void steps(int count, bool record)
    {
        for (int i = 0; i < count; ++i) {
            const std::uint64_t start = iterationClockNanoseconds();
            scene->getScreen().step(time += 1000 / 60);
            if (record) {
                times.push_back(iterationClockNanoseconds() - start);
            }
        }
    }

    std::unique_ptr<BenchmarkScene> scene;
    std::uint32_t time = 1000;
    std::vector<std::uint64_t> times;
};

// Two functions, so that callgrind's inclusive counts tell the two ways apart.
[[gnu::noinline]] void stepKeeping(SteppedScene& scene, int count, bool record)
{
    scene.steps(count, record);
}

[[gnu::noinline]] void stepRedrawing(SteppedScene& scene, int count, bool record)
{
    scene.steps(count, record);
}

} // namespace

void runStepped(const BenchOptions& options)
{
    SteppedScene kept(true);
    SteppedScene redrawn(false);
    stepKeeping(kept, 2, false);
    stepRedrawing(redrawn, 2, false);
    for (int round = 0; round * roundLength < options.steps; ++round) {
        stepKeeping(kept, roundLength, true);
        stepRedrawing(redrawn, roundLength, true);
    }
    const double copyMs = medianFrameCopyMs(width, height);
    const char* format = options.json
                             ? "{\"steppedIterations\": %zu, \"clock\": \"%s\", \"keptMs\": {\"median\": %.4f, "
                               "\"p99\": %.4f}, \"redrawnMs\": {\"median\": %.4f, \"p99\": %.4f}, "
                               "\"memcpyFrameMs\": %.4f}\n"
                             : "vantrel-bench: %zu iterations stepped on one thread, %s per iteration:\n"
                               "  keeping pictures: median %.3f ms, 99th percentile %.3f ms\n"
                               "  redrawing:        median %.3f ms, 99th percentile %.3f ms\n"
                               "  memcpy of one frame (same run): median %.3f ms\n";
    std::printf(format, kept.times.size(), iterationClockName, percentileMilliseconds(kept.times, 50),
                percentileMilliseconds(kept.times, 99), percentileMilliseconds(redrawn.times, 50),
                percentileMilliseconds(redrawn.times, 99), copyMs);
}
