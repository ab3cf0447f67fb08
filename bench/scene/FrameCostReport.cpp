#include "bench/scene/FrameCostReport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <vantrel/screen/Screen.h>

namespace {

constexpr const char* kindNames[] = {"fill", "glyphs", "imageRect", "imagePoint"};

double perFrame(const FrameCost& cost, std::uint64_t value)
{
    return cost.frames == 0 ? 0.0 : static_cast<double>(value) / static_cast<double>(cost.frames);
}

double msPerFrame(const FrameCost& cost, std::uint64_t nanoseconds)
{
    return perFrame(cost, nanoseconds) / 1e6;
}

} // namespace

void keepNoPictures(vantrel::Screen& screen)
{
    vantrel::Screen::Lock lock(screen);
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        screen.getDrawer(layer).setKeepsPictures(false);
    }
}

double keptMiB(vantrel::Screen& screen)
{
    vantrel::Screen::Lock lock(screen);
    std::size_t bytes = 0;
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        bytes += screen.getDrawer(layer).getKeptBytes();
    }
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

double medianFrameCopyMs(std::uint32_t width, std::uint32_t height)
{
    using Clock = std::chrono::steady_clock;
    const std::size_t bytes = std::size_t{width} * height * 4;
    std::vector<unsigned char> from(bytes, 1);
    std::vector<unsigned char> to(bytes, 0);
    std::vector<double> times;
    for (int i = 0; i < 101; ++i) {
        const Clock::time_point start = Clock::now();
        std::memcpy(to.data(), from.data(), bytes);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        from[static_cast<std::size_t>(i)] = to[bytes - 1 - static_cast<std::size_t>(i)];
    }
    std::nth_element(times.begin(), times.begin() + 50, times.end());
    return times[50];
}

void printFrameCostText(const FrameCost& cost)
{
    std::printf("  per drawn frame (%llu frames):\n", static_cast<unsigned long long>(cost.frames));
    for (std::size_t layer = 0; layer < cost.sum.layers.size(); ++layer) {
        std::printf("    layer %zu pixels:  %.0f (", layer, perFrame(cost, cost.sum.layers[layer].total()));
        for (std::size_t kind = 0; kind < 4; ++kind) {
            std::printf("%s%s %.0f", kind == 0 ? "" : ", ", kindNames[kind],
                        perFrame(cost, cost.sum.layers[layer].pixelsByKind[kind]));
        }
        std::printf("), kept copies %.0f\n", perFrame(cost, cost.sum.layers[layer].keptPixelsCopied));
    }
    std::printf("    front-buffer copies %.0f, blended %.0f\n", perFrame(cost, cost.sum.pixelsCopied),
                perFrame(cost, cost.sum.pixelsBlended));
    std::printf("    worker time:     drawing bands %.3f ms, waiting for a band %.3f ms, waiting to be woken %.3f ms,"
                " presenting bands %.3f ms, last worker's present %.3f ms\n",
                msPerFrame(cost, cost.sum.drawingNs), msPerFrame(cost, cost.sum.claimingNs),
                msPerFrame(cost, cost.sum.wakingNs), msPerFrame(cost, cost.sum.presentingBandsNs),
                msPerFrame(cost, cost.sum.presentingNs));
    std::printf("    processor time (all threads): %.3f ms\n", cost.processorMsPerFrame);
    std::printf("  memcpy of one frame (same run):     median %.3f ms\n", cost.memcpyFrameMs);
    std::printf("  pictures kept between frames:       %.1f MiB\n", cost.keptMiB);
}

void printFrameCostJson(const FrameCost& cost)
{
    std::printf(",\n \"perFrame\": {\"frames\": %llu, \"layerPixels\": [", static_cast<unsigned long long>(cost.frames));
    for (std::size_t layer = 0; layer < cost.sum.layers.size(); ++layer) {
        std::printf("%s{", layer == 0 ? "" : ", ");
        for (std::size_t kind = 0; kind < 4; ++kind) {
            std::printf("%s\"%s\": %.0f", kind == 0 ? "" : ", ", kindNames[kind],
                        perFrame(cost, cost.sum.layers[layer].pixelsByKind[kind]));
        }
        std::printf(", \"total\": %.0f, \"keptCopies\": %.0f}", perFrame(cost, cost.sum.layers[layer].total()),
                    perFrame(cost, cost.sum.layers[layer].keptPixelsCopied));
    }
    std::printf("],\n   \"pixelsCopied\": %.0f, \"pixelsBlended\": %.0f,\n", perFrame(cost, cost.sum.pixelsCopied),
                perFrame(cost, cost.sum.pixelsBlended));
    std::printf("   \"workerMs\": {\"drawingBands\": %.4f, \"waitingForBand\": %.4f, \"waitingToBeWoken\": %.4f,"
                " \"presentingBands\": %.4f, \"presenting\": %.4f},\n",
                msPerFrame(cost, cost.sum.drawingNs), msPerFrame(cost, cost.sum.claimingNs),
                msPerFrame(cost, cost.sum.wakingNs), msPerFrame(cost, cost.sum.presentingBandsNs),
                msPerFrame(cost, cost.sum.presentingNs));
    std::printf("   \"processorMs\": %.4f},\n", cost.processorMsPerFrame);
    std::printf(" \"memcpyFrameMs\": %.4f, \"keptMiB\": %.1f", cost.memcpyFrameMs, cost.keptMiB);
}
