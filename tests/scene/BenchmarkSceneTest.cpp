#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/sound/SoundManager.h>
#include "tests/scene/RealScene.h"
#include "tests/scene/SpriteFacts.h"

namespace {

constexpr std::uint32_t W = SteppedScene::W;
constexpr std::uint32_t H = SteppedScene::H;

class BenchmarkSceneTest : public ::testing::Test {
protected:
    WorkingDirectory inDataFolder{generatedDataFolder()};
};

} // namespace

TEST_F(BenchmarkSceneTest, BuildsEverySpriteOfBothLayersInOrder)
{
    SteppedScene stepped;
    vantrel::Screen& screen = stepped.screen;
    using enum vantrel::BlendMode;
    constexpr auto Fill = SpriteKind::Fill;
    constexpr auto Image = SpriteKind::Image;
    constexpr std::int32_t SW = W;
    constexpr std::int32_t SH = H;

    // The picture's size is the data's; every other number is the scene's.
    auto staircase = std::dynamic_pointer_cast<vantrel::ImageSprite>(screen.getSprites(0).find(11));
    auto backdrop = std::dynamic_pointer_cast<vantrel::ImageSprite>(screen.getSprites(1).find(0));
    ASSERT_TRUE(staircase && backdrop);
    const std::shared_ptr<vantrel::Image> firstPicture = staircase->getImage();
    const std::shared_ptr<vantrel::Image> secondPicture = backdrop->getImage();
    ASSERT_NE(firstPicture, secondPicture) << "the picture is loaded once per layer";
    const auto w = static_cast<std::int32_t>(firstPicture->getWidth());
    const auto h = static_cast<std::int32_t>(firstPicture->getHeight());
    const auto snow = vantrel::loadImage("snow.png");
    const auto distantSnow = vantrel::loadImage("snow2.png");

    std::vector<SpriteFacts> layer0 = {
        {Fill, 0, {0, 0, SW, SH}, 0, rgb(255, 255, 255)},
        {Fill, 10, {50, 50, 160, 160}, 2, rgb(255, 0, 0)},
    };
    for (std::int32_t k = 0; k < 50; ++k) {
        const std::int32_t at = 75 + 5 * k;
        layer0.push_back({Image, 11u + k, {at, at, at + w, at + h}, 3 + k, 0, std::uint8_t(k % 2 ? 129 : 128)});
    }
    layer0.push_back({Fill, 50, {100, 100, 200, 200}, 100, rgb(0, 255, 0), 60});
    // Snow from MT19937 with its standard seed, each draw r / 2^32 * (max - min + 1) + min.
    std::mt19937 generator(5489u);
    auto draw = [&generator](int min, int max) {
        const double v = generator() / 4294967296.0 * (max - min + 1) + min;
        return v >= max ? max : static_cast<int>(v);
    };
    std::vector<std::int32_t> speeds;
    for (std::uint32_t id = 100; id <= 999; ++id) {
        const int x = draw(0, SW);
        const int y = draw(0, SH);
        speeds.push_back(draw(1, 4));
        const auto& picture = speeds.back() == 1 ? *distantSnow : *snow;
        const std::uint8_t opacity = std::array<std::uint8_t, 4>{32, 64, 128, 192}[id % 4];
        layer0.push_back({Image, id, {x, y, x + std::int32_t(picture.getWidth()), y + std::int32_t(picture.getHeight())},
                          500, 0, opacity, Add});
    }
    const std::vector<SpriteFacts> layer1 = {
        {Image, 11, {0, 0, w, h}, 4, 0, 128},
        {Image, 12, {SW - w, SH - h, SW, SH}, 5, 0, 128},
        {Image, 0, {0, 0, SW, std::int32_t(std::uint32_t(h) * W / std::uint32_t(w))}, 0, 0, 255, Normal, true},
    };

    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        const auto& expected = layer == 0 ? layer0 : layer1;
        const auto& entries = screen.getSprites(layer).entries;
        ASSERT_EQ(entries.size(), expected.size()) << "layer " << int(layer);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(entries[i].id, expected[i].id);
            EXPECT_EQ(factsOf(*entries[i].sprite), expected[i]) << "layer " << int(layer) << ", sprite " << i;
            if (auto image = std::dynamic_pointer_cast<vantrel::ImageSprite>(entries[i].sprite); image && i < 53) {
                EXPECT_EQ(image->getImage(), layer == 0 ? firstPicture : secondPicture) << i;
            }
        }
    }
    EXPECT_EQ(layer0[53].rect.left, 1113); // the standard seed's first flake
    EXPECT_EQ(layer0[53].rect.top, 104);

    // Each flake falls by its own speed in the first iteration.
    stepped.stepTo(1);
    for (std::uint32_t id = 100; id <= 999; ++id) {
        const std::int32_t fallen = layer0[53 + id - 100].rect.top + speeds[id - 100];
        ASSERT_EQ(screen.getSprites(0).find(id)->getY(), fallen > SH ? -10 : fallen) << "flake " << id;
    }
}

TEST_F(BenchmarkSceneTest, ReadOutsAreDrawnAndPaintAndClickWork)
{
    SteppedScene stepped;
    stepped.stepTo(20);
    EXPECT_GT(stepped.scene.getReadouts().getFrameRate(), 55.0);

    // The same frame without the read-outs differs where they are drawn.
    std::array<std::vector<vantrel::SpriteManager::Entry>, 2> saved;
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        saved[layer] = stepped.screen.getSprites(layer).entries;
        std::erase_if(stepped.screen.getSprites(layer).entries,
                      [](const auto& entry) { return entry.id >= 10000 && entry.id < 10100; });
    }
    vantrel::Image withoutReadOuts = vantrel::testing::drawFrameFromScratch(stepped.screen);
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
        EXPECT_EQ(stepped.screen.getDrawer(layer).getPendingRect(), (vantrel::Rect{0, 0, 1366, 768}));
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
