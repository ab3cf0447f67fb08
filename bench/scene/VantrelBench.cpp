// The benchmark scene, headless: the real scene, Screen and workers over an in-memory
// present target, with a scripted mouse on a figure eight.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "bench/scene/BenchOptions.h"
#include "bench/scene/FrameCostReport.h"
#include "bench/scene/FramePlot.h"
#include "bench/scene/MemoryWatch.h"
#include "bench/scene/ProcessFigures.h"
#include "bench/scene/ProgressLine.h"
#include "bench/scene/Screenshot.h"
#include "bench/scene/SteppedRun.h"
#include "bench/scene/TimingObserver.h"
#include <vantrel/base/FailureText.h>
#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/sound/SoundManager.h>
#include <vantrel/version.h>
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"
#include "scene/SteppedScene.h"

namespace {

constexpr std::uint32_t width = 1366;
constexpr std::uint32_t height = 768;

struct Figures {
    std::uint32_t workers = 0;
    double measuredSeconds = 0.0;
    double readoutMean = 0.0;
    double readoutMin = 0.0;
    double presentedPerSecond = 0.0;
    std::vector<std::uint64_t> frameTimes;
    std::vector<std::uint64_t> iterationTimes;
    std::vector<ReadoutBoard::Load> loads;
    double peakMemoryMiB = 0.0;
    FrameCost cost;
};

void printText(const BenchOptions& options, const Figures& f)
{
    std::printf("vantrel-bench: %u x %u, %u worker%s, %.1f s measured after warm-up\n", width, height,
                f.workers, f.workers == 1 ? "" : "s", f.measuredSeconds);
    std::printf("  frames drawn per second (read-out): mean %.2f, lowest %.2f\n", f.readoutMean, f.readoutMin);
    std::printf("  frames presented per second:        %.2f\n", f.presentedPerSecond);
    std::printf("  dispatch to present per frame:      median %.3f ms, 99th percentile %.3f ms (%zu frames)\n",
                percentileMilliseconds(f.frameTimes, 50), percentileMilliseconds(f.frameTimes, 99),
                f.frameTimes.size());
    std::printf("  render thread per iteration:        median %.3f ms, 99th percentile %.3f ms (%zu iterations)\n",
                percentileMilliseconds(f.iterationTimes, 50), percentileMilliseconds(f.iterationTimes, 99),
                f.iterationTimes.size());
    std::printf("  processor load (read-out):");
    for (const ReadoutBoard::Load& load : f.loads) {
        std::printf("  CPU%s : %.2f", load.label.c_str(), load.percent);
    }
    std::printf("\n  peak memory:                        %.1f MiB\n", f.peakMemoryMiB);
    printFrameCostText(f.cost);
    if (!options.screenshot.empty()) {
        std::printf("  screenshot:                         %s\n", options.screenshot.c_str());
    }
    if (!options.plot.empty()) {
        std::printf("  frame-time plot:                    %s\n", options.plot.c_str());
    }
}

void printJson(const BenchOptions& options, const Figures& f)
{
    std::printf("{\"width\": %u, \"height\": %u, \"workers\": %u, \"measuredSeconds\": %.3f,\n", width, height,
                f.workers, f.measuredSeconds);
    std::printf(" \"framesPerSecond\": {\"readoutMean\": %.3f, \"readoutMin\": %.3f, \"presented\": %.3f},\n",
                f.readoutMean, f.readoutMin, f.presentedPerSecond);
    std::printf(" \"dispatchToPresentMs\": {\"median\": %.4f, \"p99\": %.4f, \"count\": %zu},\n",
                percentileMilliseconds(f.frameTimes, 50), percentileMilliseconds(f.frameTimes, 99),
                f.frameTimes.size());
    std::printf(" \"renderIterationMs\": {\"median\": %.4f, \"p99\": %.4f, \"count\": %zu},\n",
                percentileMilliseconds(f.iterationTimes, 50), percentileMilliseconds(f.iterationTimes, 99),
                f.iterationTimes.size());
    std::printf(" \"processorLoad\": [");
    for (std::size_t i = 0; i < f.loads.size(); ++i) {
        std::printf("%s{\"label\": \"%s\", \"percent\": %.2f}", i == 0 ? "" : ", ", f.loads[i].label.c_str(),
                    f.loads[i].percent);
    }
    std::printf("],\n \"peakMemoryMiB\": %.1f", f.peakMemoryMiB);
    printFrameCostJson(f.cost);
    if (!options.screenshot.empty()) {
        std::printf(",\n \"screenshot\": \"%s\"", options.screenshot.c_str());
    }
    if (!options.plot.empty()) {
        std::printf(",\n \"plot\": \"%s\"", options.plot.c_str());
    }
    std::printf("}\n");
}

Figures run(const BenchOptions& options)
{
    using Clock = std::chrono::steady_clock;
    ProgressLine progress(stdout, !options.json);
    MemoryWatch memory(stderr, &progress);
    auto target = std::make_shared<vantrel::MemoryPresentTarget>(width, height, !options.wholePresent);
    // One loop every 240 iterations (4 s): fast sweeps through the middle spawn path
    // particles, the slow turns jitter ones.
    auto pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
    auto observer = std::make_shared<TimingObserver>();
    BenchmarkScene::Options sceneOptions;
    sceneOptions.workerCount = options.workers;
    sceneOptions.observer = observer;
    auto scene = std::make_unique<BenchmarkScene>(target, pointer, width, height, sceneOptions);

    if (options.redraw) {
        keepNoPictures(scene->getScreen());
    }
    Figures figures;
    figures.workers = scene->getScreen().getWorkerCount();
    const auto total = std::chrono::duration<double>(options.seconds);
    const auto warmUp = std::min(std::chrono::duration<double>(1.0), total / 4);
    const Clock::time_point start = Clock::now();
    auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    char line[128];
    std::snprintf(line, sizeof line, "vantrel-bench: warming up, %.0f of %.0f s", 0.0, total.count());
    progress.update(line);
    std::this_thread::sleep_for(warmUp);

    observer->setRecording(true);
    const Clock::time_point measureStart = Clock::now();
    const std::uint64_t presentsAtStart = target->getPresentCount();
    const double processorAtStart = processorSeconds();
    std::vector<double> readouts;
    while (Clock::now() - start < total) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        readouts.push_back(scene->getReadouts().getFrameRate());
        const Clock::time_point now = Clock::now();
        const double presented = static_cast<double>(target->getPresentCount() - presentsAtStart);
        std::snprintf(line, sizeof line, "vantrel-bench: %.0f of %.0f s, %.1f frames per second so far",
                      seconds(now - start), total.count(), presented / seconds(now - measureStart));
        progress.update(line);
    }
    const std::uint64_t presents = target->getPresentCount() - presentsAtStart;
    const Clock::time_point measureEnd = Clock::now();
    observer->setRecording(false);
    progress.finish();
    memory.finish();
    const double processorUsed = processorSeconds() - processorAtStart;
    figures.loads = scene->getReadouts().getLoads();
    figures.cost.keptMiB = keptMiB(scene->getScreen());
    scene.reset(); // stops the render loop and its workers

    figures.measuredSeconds = std::chrono::duration<double>(measureEnd - measureStart).count();
    figures.presentedPerSecond = static_cast<double>(presents) / figures.measuredSeconds;
    if (!readouts.empty()) {
        double sum = 0.0;
        for (double r : readouts) {
            sum += r;
        }
        figures.readoutMean = sum / static_cast<double>(readouts.size());
        figures.readoutMin = *std::min_element(readouts.begin(), readouts.end());
    }
    figures.frameTimes = observer->getFrameTimes();
    figures.iterationTimes = observer->getIterationTimes();
    // The system's peak and the samples are read differently; the peak is never below a sample.
    figures.peakMemoryMiB = std::max(peakMemoryMiB(), memory.highestMiB());
    figures.cost.sum = observer->getBreakdownSum();
    figures.cost.frames = observer->getBrokenDownFrames();
    if (!figures.frameTimes.empty()) {
        figures.cost.processorMsPerFrame = processorUsed * 1e3 / static_cast<double>(figures.frameTimes.size());
    }
    figures.cost.memcpyFrameMs = medianFrameCopyMs(width, height);
    if (!options.screenshot.empty()) {
        writeScreenshot(options.screenshot, target->snapshot());
    }
    if (!options.plot.empty()) {
        std::snprintf(line, sizeof line, "%u x %u, %u worker%s%s%s, %.1f s measured after warm-up, %zu frames",
                      width, height, figures.workers, figures.workers == 1 ? "" : "s",
                      options.redraw ? ", redrawing" : "", options.wholePresent ? ", whole-frame present" : "",
                      figures.measuredSeconds, figures.frameTimes.size());
        writeFramePlot(options.plot, figures.frameTimes, line);
    }
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    auto options = parseBenchOptions(argc, argv, error);
    if (!options) {
        std::fputs(error.empty() ? benchUsage : (error + "\n" + benchUsage).c_str(), error.empty() ? stdout : stderr);
        return error.empty() ? 0 : 2;
    }
    if (options->version) {
        std::printf("vantrel-bench %s\n", VANTREL_VERSION_STRING);
        return 0;
    }
    // Nothing is clicked here: no audio device, no audio thread beside the measured ones.
    vantrel::SoundManager::setAudible(false);
    try {
        if (options->steps > 0) {
            runStepped(*options);
            return 0;
        }
        if (options->checksumSteps > 0) {
            auto target = std::make_shared<vantrel::MemoryPresentTarget>(width, height);
            SteppedScene stepped(target);
            stepped.step(options->checksumSteps);
            if (!options->screenshot.empty()) {
                writeScreenshot(options->screenshot, target->snapshot());
            }
            std::printf("vantrel-bench: stepped checksum after %d iterations: %08x\n", options->checksumSteps,
                        frameChecksum(stepped.getScene().getScreen().getFrontBuffer()));
            return 0;
        }
        Figures figures = run(*options);
        if (options->json) {
            printJson(*options, figures);
        } else {
            printText(*options, figures);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel-bench: %s\n", vantrel::failureText(e).c_str());
        return 1;
    }
    return 0;
}
