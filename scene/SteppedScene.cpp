#include "scene/SteppedScene.h"

#include "scene/FigureEightPointer.h"

SteppedScene::SteppedScene(std::shared_ptr<vantrel::IPresentTarget> target)
{
    BenchmarkScene::Options options;
    options.workerCount = 1;
    options.startRendering = false;
    options.statPath = "";
    scene = std::make_unique<BenchmarkScene>(std::move(target),
                                             std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240),
                                             width, height, options);
}

void SteppedScene::step(int count)
{
    for (int i = 0; i < count; ++i) {
        scene->getScreen().step(time += 1000 / 60);
    }
}

std::uint32_t frameChecksum(const vantrel::Image& frame)
{
    std::uint32_t hash = 2166136261u;
    for (std::uint32_t y = 0; y < frame.getHeight(); ++y) {
        const unsigned char* row = frame.getPixels() + std::size_t{y} * frame.getPitch();
        for (std::uint32_t x = 0; x < frame.getWidth(); ++x) {
            for (int channel = 0; channel < 3; ++channel) {
                hash = (hash ^ row[x * 4 + channel]) * 16777619u;
            }
        }
    }
    return hash;
}
