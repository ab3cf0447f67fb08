#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/screen/MemoryPresentTarget.h>
#include <vantrel/sound/SoundManager.h>
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"
#include "tests/scene/SceneTestSupport.h"
#include "tests/support/Eventually.h"
#include "tests/support/Failure.h"
#include "tests/support/ReferenceFrame.h"
#include "tests/support/TemporaryDirectory.h"

// The real benchmark scene over the generated data files, stepped by hand or run by its
// own threads.
namespace {

// The scene reads its files from the current directory: each test moves into its folder
// first (the test before may have left it in a folder since removed).
const std::string generatedDataFolder = VANTREL_DATA_DIR;
constexpr std::int32_t W = 1366;
constexpr std::int32_t H = 768;

BenchmarkScene::Options steppedByHand()
{
    BenchmarkScene::Options options;
    options.workerCount = 1;
    options.startRendering = false;
    return options;
}

// The real scene with a scripted pointer, stepped on the calling thread with a fixed clock
// (16 or 17 ms apart, as the pacer's deadlines are).
struct SteppedScene {
    explicit SteppedScene(const BenchmarkScene::Options& options = steppedByHand())
        : scene(target, pointer, W, H, options)
    {
    }

    void stepTo(std::uint32_t iteration)
    {
        while (iterations < iteration) {
            ++iterations;
            screen.step(1000 + iterations * 1000 / 60);
        }
    }

    // One step, which presents the frame composed before it: that frame must equal a full
    // redraw of both layers from scratch, whatever the drawers keep between frames.
    void stepAndCompare()
    {
        const vantrel::Image expected = vantrel::testing::drawFrameFromScratch(screen);
        const int level = screen.getTransitionLevel();
        stepTo(iterations + 1);
        const long difference = vantrel::testing::firstDifference(target->snapshot(), expected);
        ASSERT_EQ(difference, -1) << "iteration " << iterations << ", level " << level
                                  << (screen.getTransitionRule() ? " (wipe)" : "") << ": first wrong pixel at ("
                                  << difference % W << ", " << difference / W << ")";
    }

    std::shared_ptr<vantrel::MemoryPresentTarget> target = std::make_shared<vantrel::MemoryPresentTarget>(W, H);
    std::shared_ptr<FigureEightPointer> pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
    BenchmarkScene scene;
    vantrel::Screen& screen = scene.getScreen();
    std::uint32_t iterations = 0;
};

} // namespace

TEST(BenchmarkScene, BuildsEverySpriteOfBothLayersInOrderAndShowsTheReadOuts)
{
    std::filesystem::current_path(generatedDataFolder);
    SteppedScene stepped;
    vantrel::Screen& screen = stepped.screen;
    using enum vantrel::BlendMode;
    constexpr auto Fill = SpriteKind::Fill;
    constexpr auto Image = SpriteKind::Image;

    // The picture's size is the data's; every other number is the scene's.
    auto staircase = std::dynamic_pointer_cast<vantrel::ImageSprite>(screen.getSprites(0).find(11));
    auto backdrop = std::dynamic_pointer_cast<vantrel::ImageSprite>(screen.getSprites(1).find(0));
    ASSERT_TRUE(staircase && backdrop);
    const std::shared_ptr<vantrel::Image> firstPicture = staircase->getImage();
    const std::shared_ptr<vantrel::Image> secondPicture = backdrop->getImage();
    ASSERT_NE(firstPicture, secondPicture) << "the picture is loaded once per layer";
    const auto w = static_cast<std::int32_t>(firstPicture->getWidth());
    const auto h = static_cast<std::int32_t>(firstPicture->getHeight());
    std::vector<SpriteFacts> layer0 = {
        {Fill, 0, {0, 0, W, H}, 0, 0xFFFFFF},
        {Fill, 10, {50, 50, 160, 160}, 2, 0xFF0000},
    };
    for (std::int32_t k = 0; k < 50; ++k) {
        const std::int32_t at = 75 + 5 * k;
        layer0.push_back({Image, 11u + k, {at, at, at + w, at + h}, 3 + k, 0, std::uint8_t(k % 2 ? 129 : 128)});
    }
    layer0.push_back({Fill, 50, {100, 100, 200, 200}, 100, 0x00FF00, 60});
    // The first flakes as MT19937 with its standard seed draws them, x, y and speed in turn,
    // each r / 2^32 * (max - min + 1) + min: 16 x 16 pixels, 9 x 9 for speed 1 (snow2.png).
    const std::int32_t flakes[][3] = {{1113, 104, 4}, {1141, 97, 4}, {1248, 169, 3}, {421, 75, 3},
                                      {380, 144, 3},  {1357, 736, 4}, {1319, 744, 1}};
    const std::uint8_t opacities[] = {32, 64, 128, 192}; // by id modulo 4
    for (std::uint32_t id = 100; id <= 106; ++id) {
        const auto [x, y, speed] = flakes[id - 100];
        const std::int32_t size = speed == 1 ? 9 : 16;
        layer0.push_back({Image, id, {x, y, x + size, y + size}, 500, 0, opacities[id % 4], Add});
    }
    const std::vector<SpriteFacts> layer1 = {
        {Image, 11, {0, 0, w, h}, 4, 0, 128},
        {Image, 12, {W - w, H - h, W, H}, 5, 0, 128},
        {Image, 0, {0, 0, W, std::int32_t(std::uint32_t(h) * W / std::uint32_t(w))}, 0, 0, 255, Normal, true},
    };

    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        const auto& expected = layer == 0 ? layer0 : layer1;
        const auto& entries = screen.getSprites(layer).entries;
        ASSERT_EQ(entries.size(), layer == 0 ? 53u + 900u : 3u) << "layer " << int(layer);
        for (std::size_t i = 0; i < expected.size(); ++i) { // the other flakes are made as the first
            EXPECT_EQ(entries[i].id, expected[i].id);
            EXPECT_EQ(factsOf(*entries[i].sprite), expected[i]) << "layer " << int(layer) << ", sprite " << i;
            if (auto image = std::dynamic_pointer_cast<vantrel::ImageSprite>(entries[i].sprite); image && i < 53) {
                EXPECT_EQ(image->getImage(), layer == 0 ? firstPicture : secondPicture) << i;
            }
        }
    }

    // Each flake falls by its own speed in the first iteration.
    stepped.stepTo(1);
    for (std::uint32_t id = 100; id <= 106; ++id) {
        EXPECT_EQ(screen.getSprites(0).find(id)->getY(), flakes[id - 100][1] + flakes[id - 100][2]) << id;
    }

    // The frame rate and one load line per processor and the total, each over its shadow.
    stepped.stepTo(20);
    EXPECT_GT(stepped.scene.getReadouts().getFrameRate(), 55.0);
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        for (std::uint32_t id = 10000; id <= 10002; ++id) {
            EXPECT_EQ(spritesOf<vantrel::TextSprite>(screen, layer, id).size(), 2u) << id;
        }
    }
    stepped.scene.paint();
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        EXPECT_EQ(screen.getDrawer(layer).getPendingRect(), (vantrel::Rect{0, 0, W, H}));
    }
    EXPECT_TRUE(vantrel::SoundManager::getInstance()->getSound(BenchmarkScene::clickSoundId));
    stepped.scene.click(10, 10);
    stepped.scene.click(10, 10);
}

// Without trans0.png the cycle is a plain cross-fade, which is no error. The scene is
// started on two workers: a failure after the start (click.wav) must stop the loop, and so
// must destroying the scene while its loop waits for the next frame (trans0.png).
TEST(BenchmarkSceneFiles, AMissingOrDamagedFileEndsConstructionWithTheReaderError)
{
    const char* const missing = "open API failed in vantrel::FileStreamReader::FileStreamReader method.";
    const char* const damaged = "Invalid file format in vantrel::PngLoader::PngLoader method.";
    BenchmarkScene::Options options;
    options.workerCount = 2;
    for (std::string name :
         {"load.gra", "snow2.png", "particle.png", "click.wav", "snow.png", "trans0.png"}) {
        SCOPED_TRACE(name);
        TemporaryDirectory folder; // links to every data file but this one
        for (const auto& entry : std::filesystem::directory_iterator(generatedDataFolder)) {
            if (entry.path().filename() != name) {
                std::filesystem::create_symlink(entry.path(), folder.file(entry.path().filename().string()));
            }
        }
        if (name == "snow.png") {
            std::filesystem::copy_file(generatedDataFolder + "/" + name, folder.file(name));
            std::filesystem::resize_file(folder.file(name), 30);
        }
        std::filesystem::current_path(folder.getPath());
        auto pointer = std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240);
        const std::string failure = failureOf<vantrel::Exception>([&] {
            BenchmarkScene(std::make_shared<vantrel::MemoryPresentTarget>(W, H), pointer, W, H, options);
        });
        EXPECT_EQ(failure,
                  name == "snow.png" ? damaged : name == "trans0.png" ? "no exception" : missing);
        const std::uint64_t readings = pointer->getReadings();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(pointer->getReadings(), readings) << "a render loop outlived the scene";
    }
}

TEST(SceneFrames, EveryPresentedFrameEqualsAFullRedraw)
{
    std::filesystem::current_path(generatedDataFolder);
    // Each phase first moves the transition level (0: leave it), then steps so many times.
    using Phase = std::pair<std::uint8_t, int>;
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // Instrumented builds draw a few dozen frames of each phase.
    const Phase phases[] = {{0, 30}, {250, 12}, {3, 30}, {120, 5}};
#else
    const Phase phases[] = {{0, 270}, {3, 60}, {120, 10}};
#endif
    SteppedScene stepped;
    stepped.stepTo(1); // composes the first frame
    // The first frame, the plain cross-fade rising, layer 1 alone, turning and falling;
    // then down to layer 0 alone, where the first wipe image is picked, into the wipe and
    // half way through it.
    for (const auto& [level, iterations] : phases) {
        if (level != 0) { // as the task would: a new level, then both layers redrawn
            vantrel::Screen::Lock lock(stepped.screen);
            stepped.screen.setTransitionLevel(level);
            stepped.screen.invalidate();
        }
        for (int i = 0; i < iterations; ++i) {
            ASSERT_NO_FATAL_FAILURE(stepped.stepAndCompare());
        }
        if (level == 3) {
            ASSERT_NE(stepped.screen.getTransitionRule(), nullptr);
        }
    }
    EXPECT_EQ(stepped.target->getPresentCount(), stepped.iterations - 1);
}

TEST(SceneFrames, TwoWorkersLeaveTheRightPictureAndStopCleanly)
{
    std::filesystem::current_path(generatedDataFolder);
    // Time runs 17 ms per reading, so the loop never waits for a deadline.
    auto clock = std::make_shared<std::atomic<std::uint32_t>>(0);
    BenchmarkScene::Options options;
    options.workerCount = 2;
    options.clock = [clock] {
        std::this_thread::yield();
        return *clock += 17;
    };
    SteppedScene stepped(options);
    for (std::uint64_t presents : {40u, 80u}) {
        ASSERT_TRUE(eventually([&] { return stepped.target->getPresentCount() >= presents; }));
        stepped.screen.stop();
        // What the workers drew and kept is now checked frame by frame on this thread.
        for (int i = 0; i < 3; ++i) {
            ASSERT_NO_FATAL_FAILURE(stepped.stepAndCompare());
        }
        stepped.screen.start();
    }
    stepped.scene.paint();
    stepped.scene.click(100, 100);
    const std::uint64_t presents = stepped.target->getPresentCount();
    ASSERT_TRUE(eventually([&] { return stepped.target->getPresentCount() > presents; }));
    EXPECT_TRUE(eventually([&] { return stepped.scene.getReadouts().getFrameRate() > 0.0; }));

    EXPECT_GT(stepped.pointer->getReadings(), 1u);
}
