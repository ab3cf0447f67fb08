#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/base/Exception.h"
#include "engine/screen/MemoryPresentTarget.h"
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"
#include "tests/scene/SceneDataFolder.h"

namespace {

// Waits without a deadline that a slow machine could miss: up to two minutes.
template <class Condition>
bool eventually(Condition condition)
{
    for (int i = 0; i < 1200 && !condition(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

} // namespace

TEST(BenchmarkSceneThreads, RunsOnItsRenderThreadAndWorkersAndStopsCleanly)
{
    WorkingDirectory inDataFolder(generatedDataFolder());
    auto target = std::make_shared<vantrel::MemoryPresentTarget>(1366, 768);
    auto pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
    BenchmarkScene::Options options;
    options.workerCount = 2;
    auto scene = std::make_unique<BenchmarkScene>(target, pointer, 1366, 768, options);

    ASSERT_TRUE(eventually([&] { return target->getPresentCount() >= 5; }));
    scene->paint();
    scene->click(100, 100);
    const std::uint64_t presents = target->getPresentCount();
    ASSERT_TRUE(eventually([&] { return target->getPresentCount() > presents; }));
    EXPECT_TRUE(eventually([&] { return scene->getReadouts().getFrameRate() > 0.0; }));
    EXPECT_GT(pointer->getReadings(), 1u);

    scene.reset(); // stops the render loop while it runs
    const std::uint64_t readings = pointer->getReadings();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(pointer->getReadings(), readings);
}

TEST(BenchmarkSceneThreads, AMissingSoundAfterTheStartStopsTheRunningLoop)
{
    TemporaryDirectory folder;
    linkDataFilesExcept(folder, "click.wav");
    WorkingDirectory inFolder(folder.getPath());
    auto target = std::make_shared<vantrel::MemoryPresentTarget>(1366, 768);
    auto pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
    BenchmarkScene::Options options;
    options.workerCount = 2;
    EXPECT_THROW(BenchmarkScene(target, pointer, 1366, 768, options), vantrel::Win32Exception);
    const std::uint64_t readings = pointer->getReadings();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(pointer->getReadings(), readings);
}
