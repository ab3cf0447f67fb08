#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/base/Exception.h"
#include "engine/screen/MemoryPresentTarget.h"
#include "engine/sound/SoundManager.h"
#include "engine/sprite/TextSprite.h"
#include "scene/BenchmarkScene.h"
#include "scene/FigureEightPointer.h"
#include "tests/scene/SceneDataFolder.h"
#include "tests/scene/SceneTestSupport.h"
#include "tests/screen/ReferenceFrame.h"

namespace {

constexpr std::uint32_t W = 1366;
constexpr std::uint32_t H = 768;

BenchmarkScene::Options steppedByHand()
{
    BenchmarkScene::Options options;
    options.workerCount = 1;
    options.startRendering = false;
    return options;
}

struct SteppedScene {
    std::shared_ptr<vantrel::MemoryPresentTarget> target = std::make_shared<vantrel::MemoryPresentTarget>(W, H);
    BenchmarkScene scene{target, std::make_shared<FigureEightPointer>(683, 384, 420, 220, 240), W, H,
                         steppedByHand()};
    vantrel::Screen& screen = scene.getScreen();
    std::uint32_t iterations = 0;

    void stepTo(std::uint32_t iteration)
    {
        while (iterations < iteration) {
            ++iterations;
            screen.step(1000 + iterations * 1000 / 60); // 16 or 17 ms apart, as the pacer's deadlines are
        }
    }

    // The frame composed last, drawn from scratch; the next step presents it.
    vantrel::Image expectedNextFrame() { return vantrel::testing::drawFrameFromScratch(screen); }
};

class BenchmarkSceneTest : public ::testing::Test {
protected:
    WorkingDirectory inDataFolder{generatedDataFolder()};
};

} // namespace

TEST_F(BenchmarkSceneTest, BuildsTheFixedSpritesOfBothLayers)
{
    SteppedScene stepped;
    // Id 50 is shared by the 40th copy of the picture and the green square.
    ASSERT_EQ(spritesOf(stepped.screen, 0, 50).size(), 2u);
    EXPECT_EQ(spritesOf<vantrel::FillRectSprite>(stepped.screen, 0, 50).size(), 1u);
    for (std::uint32_t k = 0; k < 50; ++k) {
        auto copies = spritesOf<vantrel::ImageSprite>(stepped.screen, 0, 11 + k);
        ASSERT_EQ(copies.size(), 1u) << k;
        EXPECT_EQ(copies[0]->getX(), static_cast<std::int32_t>(75 + 5 * k));
        EXPECT_EQ(copies[0]->getOpacity(), k % 2 == 0 ? 128 : 129);
    }
    auto firstFlake = stepped.screen.getSprites(0).find(100); // from the standard seed
    EXPECT_EQ(firstFlake->getX(), 1113);
    EXPECT_EQ(firstFlake->getY(), 104);

    vantrel::SpriteManager& fade = stepped.screen.getSprites(1);
    auto backdrop = std::dynamic_pointer_cast<vantrel::ImageSprite>(fade.find(0));
    ASSERT_TRUE(backdrop);
    const auto& picture = *backdrop->getImage();
    EXPECT_EQ(backdrop->getWidth(), W);
    EXPECT_EQ(backdrop->getHeight(), picture.getHeight() * W / picture.getWidth());
    EXPECT_TRUE(backdrop->isSmooth());
    auto corner = fade.find(12);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->getX(), static_cast<std::int32_t>(W - picture.getWidth()));
    EXPECT_EQ(corner->getY(), static_cast<std::int32_t>(H - picture.getHeight()));
}

TEST_F(BenchmarkSceneTest, PresentedFrameEqualsAFullRedrawThroughoutACycle)
{
    SteppedScene stepped;
    auto expectNextFramePresented = [&](const char* phase) {
        vantrel::Image expected = stepped.expectedNextFrame();
        stepped.stepTo(stepped.iterations + 1);
        const long difference = vantrel::testing::firstDifference(stepped.target->snapshot(), expected);
        ASSERT_EQ(difference, -1) << phase << ", iteration " << stepped.iterations << ", level "
                                  << int(stepped.screen.transitionLevel) << ": first wrong pixel at ("
                                  << difference % W << ", " << difference / W << ")";
    };
    // The cross-fade is skipped ahead where nothing new happens, as the task itself would
    // move it: a new level, then both layers redrawn.
    auto skipToLevel = [&](std::uint8_t level) {
        vantrel::Screen::Lock lock(stepped.screen);
        stepped.screen.transitionLevel = level;
        stepped.screen.invalidate();
    };

    stepped.stepTo(1);
    expectNextFramePresented("first frame");
    stepped.stepTo(40);
    expectNextFramePresented("plain cross-fade");
    skipToLevel(250);
    stepped.stepTo(stepped.iterations + 5);
    expectNextFramePresented("layer 1 alone");
    stepped.stepTo(stepped.iterations + 3);
    expectNextFramePresented("falling");
    skipToLevel(2);
    stepped.stepTo(stepped.iterations + 3); // down to 0, then the first rule is picked
    ASSERT_NE(stepped.screen.getTransitionRule(), nullptr);
    expectNextFramePresented("wipe starting");
    stepped.stepTo(stepped.iterations + 60);
    expectNextFramePresented("wipe under way");
    skipToLevel(120);
    stepped.stepTo(stepped.iterations + 10);
    expectNextFramePresented("wipe half way");
    EXPECT_EQ(stepped.target->getPresentCount(), stepped.iterations - 1);
}

TEST_F(BenchmarkSceneTest, ReadOutsAreDrawnAndPaintAndClickWork)
{
    SteppedScene stepped;
    stepped.stepTo(20);
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        auto lines = spritesOf<vantrel::TextSprite>(stepped.screen, layer, 10000);
        ASSERT_EQ(lines.size(), 2u);
        for (const auto& text : lines) {
            EXPECT_EQ(text->getCount(), std::string("00.000 fps : screen(1)").size());
            EXPECT_TRUE(text->isVisible());
        }
        EXPECT_FALSE(spritesOf(stepped.screen, layer, 10001).empty());
    }
    EXPECT_GT(stepped.scene.getReadouts().getFrameRate(), 55.0);

    // The same frame without the read-outs differs where they are drawn.
    std::array<std::vector<vantrel::SpriteManager::Entry>, 2> saved;
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        saved[layer] = stepped.screen.getSprites(layer).entries;
        std::erase_if(stepped.screen.getSprites(layer).entries,
                      [](const auto& entry) { return entry.id >= 10000 && entry.id < 10100; });
    }
    vantrel::Image withoutReadOuts = stepped.expectedNextFrame();
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        stepped.screen.getSprites(layer).entries = saved[layer];
    }
    stepped.stepTo(21);
    vantrel::Image presented = stepped.target->snapshot();
    for (const vantrel::Rect area : {vantrel::Rect{0, 0, 360, 40}, vantrel::Rect{1100, 10, 1340, 34}}) {
        std::size_t differences = 0;
        for (std::int32_t y = area.top; y < area.bottom; ++y) {
            const unsigned char* a = presented.row(static_cast<std::uint32_t>(y));
            const unsigned char* b = withoutReadOuts.row(static_cast<std::uint32_t>(y));
            for (std::int32_t x = area.left; x < area.right; ++x) {
                differences += !std::equal(a + x * 4, a + x * 4 + 3, b + x * 4);
            }
        }
        EXPECT_GT(differences, 200u) << area.left;
    }

    stepped.scene.paint();
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        EXPECT_EQ(stepped.screen.getDrawer(layer).pending.dirtyRect, (vantrel::Rect{0, 0, 1366, 768}));
    }
    EXPECT_TRUE(vantrel::SoundManager::getInstance()->getSound(BenchmarkScene::clickSoundId));
    stepped.scene.click(10, 10);
    stepped.scene.click(10, 10);
}

TEST(BenchmarkSceneFiles, AMissingOrDamagedFileEndsConstructionWithTheReaderError)
{
    const char* const missing = "open API failed in vantrel::FileStreamReader::FileStreamReader method.";
    const char* const damaged = "Invalid file format in vantrel::PngLoader::PngLoader method.";
    for (const char* name : {"load.gra", "snow2.png", "particle.png", "click.wav", "snow.png"}) {
        SCOPED_TRACE(name);
        const bool damage = std::string(name) == "snow.png";
        TemporaryDirectory folder;
        linkDataFilesExcept(folder, name);
        if (damage) {
            std::filesystem::copy_file(generatedDataFolder() + "/" + name, folder.file(name));
            std::filesystem::resize_file(folder.file(name), 30);
        }
        WorkingDirectory inFolder(folder.getPath());
        try {
            BenchmarkScene scene(std::make_shared<vantrel::MemoryPresentTarget>(W, H), nullptr, W, H, steppedByHand());
            ADD_FAILURE() << "constructed";
        } catch (const vantrel::Exception& e) {
            EXPECT_EQ(dynamic_cast<const vantrel::IoException*>(&e) != nullptr, damage);
            EXPECT_EQ(dynamic_cast<const vantrel::Win32Exception*>(&e) != nullptr, !damage);
            EXPECT_STREQ(e.what(), damage ? damaged : missing);
        }
    }
}

TEST(BenchmarkSceneFiles, WithoutRuleFilesTheCycleIsAPlainCrossFade)
{
    TemporaryDirectory folder;
    linkDataFilesExcept(folder, "trans0.png");
    WorkingDirectory inFolder(folder.getPath());
    BenchmarkScene scene(std::make_shared<vantrel::MemoryPresentTarget>(W, H), nullptr, W, H, steppedByHand());
    scene.getScreen().step(1000);
    EXPECT_EQ(scene.getScreen().getTransitionRule(), nullptr);
    EXPECT_EQ(scene.getScreen().getRuleSoftness(), 64);
}
