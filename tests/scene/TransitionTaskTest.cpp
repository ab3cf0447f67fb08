#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/base/Exception.h"
#include "engine/io/LoadImage.h"
#include "scene/TransitionTask.h"
#include "tests/io/TemporaryDirectory.h"
#include "tests/scene/SceneTestSupport.h"

using Rules = std::vector<std::shared_ptr<vantrel::Image>>;

TEST(LoadTransitionRules, StopsAtTheFirstMissingOrEmptyNumber)
{
    auto a = makePicture(4, 4, vantrel::PixelFormat::Gray8);
    auto b = makePicture(4, 4, vantrel::PixelFormat::Gray8);
    std::map<std::string, std::shared_ptr<vantrel::Image>> files{
        {"trans0.png", a}, {"trans1.png", b}, {"trans3.png", a}};
    std::vector<std::string> asked;
    auto rules = loadTransitionRules([&](const char* name) {
        asked.push_back(name);
        auto found = files.find(name);
        if (found == files.end()) {
            throw vantrel::Win32Exception(vantrel::format("open API failed in %s method.", "test"), 2);
        }
        return found->second;
    });
    EXPECT_EQ(rules, (Rules{nullptr, a, b}));
    EXPECT_EQ(asked, (std::vector<std::string>{"trans0.png", "trans1.png", "trans2.png"}));

    EXPECT_EQ(loadTransitionRules([](const char*) { return std::shared_ptr<vantrel::Image>(); }), Rules{nullptr});
    EXPECT_THROW(loadTransitionRules([](const char*) -> std::shared_ptr<vantrel::Image> { throw 42; }), int);
}

TEST(LoadTransitionRules, ADamagedFileEndsTheListLikeAMissingOne)
{
    TemporaryDirectory folder;
    const std::vector<unsigned char> tinyGrayPng{
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x3A,
        0x7E, 0x9B, 0x55, 0x00, 0x00, 0x00, 0x0A, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x60,
        0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x48, 0xAF, 0xA4, 0x71, 0x00, 0x00, 0x00, 0x00, 0x49,
        0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    folder.write("trans0.png", tinyGrayPng);
    folder.write("trans1.png", std::vector<unsigned char>(tinyGrayPng.begin(), tinyGrayPng.begin() + 20));
    folder.write("trans2.png", tinyGrayPng);

    auto rules = loadTransitionRules(
        [&](const char* name) { return vantrel::loadImage(folder.file(name).c_str()); });
    ASSERT_EQ(rules.size(), 2u);
    ASSERT_NE(rules[1], nullptr);
    EXPECT_EQ(rules[1]->getWidth(), 1u);
}

TEST(TransitionTask, LevelRisesTurnsAndFallsAndRulesAreTakenInTurn)
{
    auto screen = makeTestScreen(64, 32);
    auto rule0 = makePicture(64, 32, vantrel::PixelFormat::Gray8);
    auto rule1 = makePicture(64, 32, vantrel::PixelFormat::Gray8);
    TransitionTask task({nullptr, rule0, rule1});

    // Each cycle: the pick at 0, up to 255, the turn at 255, down to 0.
    std::vector<int> expectedLevels{0};
    for (int level = 1; level <= 255; ++level) {
        expectedLevels.push_back(level);
    }
    for (int level = 255; level >= 0; --level) {
        expectedLevels.push_back(level);
    }
    Rules picked;
    for (int cycle = 0; cycle < 5; ++cycle) {
        for (std::size_t call = 0; call < expectedLevels.size(); ++call) {
            task(*screen);
            ASSERT_EQ(screen->transitionLevel, expectedLevels[call]) << "cycle " << cycle << ", call " << call;
            if (call == 0) {
                EXPECT_EQ(screen->getRuleSoftness(), 64);
                picked.push_back(screen->getTransitionRule());
            }
        }
    }
    EXPECT_EQ(picked, (Rules{nullptr, rule0, rule1, nullptr, rule0}));
}

TEST(TransitionTask, EveryLevelChangeRedrawsBothLayers)
{
    auto screen = makeTestScreen(64, 32);
    TransitionTask task({nullptr});
    task(*screen); // the pick changes nothing
    EXPECT_FALSE(screen->getDrawer(0).pending.dirty);
    task(*screen);
    EXPECT_EQ(screen->transitionLevel, 1);
    for (std::uint8_t layer = 0; layer < 2; ++layer) {
        EXPECT_EQ(screen->getDrawer(layer).pending.dirtyRect, (vantrel::Rect{0, 0, 64, 32}));
    }
}
