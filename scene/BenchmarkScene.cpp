#include "scene/BenchmarkScene.h"

#include <utility>

#include <vantrel/io/FileStreamReader.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/sound/SoundManager.h>
#include "scene/BounceTask.h"
#include "scene/FixedSprites.h"
#include "scene/FrameRateTask.h"
#include "scene/ParticleTask.h"
#include "scene/ProcessorLoadTask.h"
#include "scene/SnowTask.h"
#include "scene/TransitionTask.h"

BenchmarkScene::BenchmarkScene(std::shared_ptr<vantrel::IPresentTarget> target,
                               std::shared_ptr<vantrel::IPointerSource> pointer, std::uint32_t width,
                               std::uint32_t height)
    : BenchmarkScene(std::move(target), std::move(pointer), width, height, Options{})
{
}

BenchmarkScene::BenchmarkScene(std::shared_ptr<vantrel::IPresentTarget> target,
                               std::shared_ptr<vantrel::IPointerSource> pointer, std::uint32_t width,
                               std::uint32_t height, const Options& options)
    : target(std::move(target)), mouse(std::move(pointer))
{
    try {
        build(width, height, options);
    } catch (...) {
        // The running tasks refer to `mouse`, which goes before `screen`.
        stopRendering();
        throw;
    }
}

void BenchmarkScene::build(std::uint32_t width, std::uint32_t height, const Options& options)
{
    screen = std::make_shared<vantrel::Screen>(target, width, height, options.workerCount, options.clock);
    if (options.observer) {
        screen->setObserver(options.observer);
    }

    createBaseLayerSprites(*screen, vantrel::loadImage("load.gra"));
    createFadeLayerSprites(*screen, vantrel::loadImage("load.gra"));

    screen->addTask([this](vantrel::Screen&) {
        mouse.update();
        return false;
    });
    SnowTask::setUp(*screen);
    FrameRateTask::setUp(*screen, readouts);
    TransitionTask::setUp(*screen, [](const char* name) { return vantrel::loadImage(name); });
    screen->addTask(BounceTask());
    ParticleTask::setUp(*screen, mouse);
    if (!processorQuery) {
        processorQuery = std::make_shared<ProcessorLoadSource>(options.statPath);
    }
    ProcessorLoadTask::setUp(*screen, processorQuery, readouts);

    if (options.startRendering) {
        screen->start();
    }

    vantrel::FileStreamReader clickSound("click.wav");
    vantrel::SoundManager::getInstance()->loadSound(clickSoundId, clickSound);
}

BenchmarkScene::~BenchmarkScene()
{
    stopRendering();
}

void BenchmarkScene::stopRendering() noexcept
{
    try {
        if (screen) {
            screen->stop();
        }
    } catch (...) {
    }
    screen.reset();
}

void BenchmarkScene::paint()
{
    vantrel::Screen::Lock lock(*screen);
    screen->invalidate();
}

void BenchmarkScene::click(int, int)
{
    if (auto sound = vantrel::SoundManager::getInstance()->getSound(clickSoundId)) {
        sound->stop();
        sound->rewind();
        sound->start();
    }
}
