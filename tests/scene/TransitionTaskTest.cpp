#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include "scene/TransitionTask.h"
#include "tests/scene/SceneTestSupport.h"

using Rules = std::vector<std::shared_ptr<vantrel::Image>>;

// A damaged file ends the enumeration as a missing one does (the real scene ends at a missing one).
TEST(LoadTransitionRules, StopsAtTheFirstDamagedOrEmptyNumber)
{
    auto a = makePicture(4, 4, vantrel::PixelFormat::Gray8);
    auto b = makePicture(4, 4, vantrel::PixelFormat::Gray8);
    std::vector<std::string> asked;
    auto rules = loadTransitionRules([&](const char* name) {
        asked.push_back(name);
        if (asked.size() == 3) {
            throw vantrel::IoException(vantrel::format("Invalid file format in %s method.", "test"));
        }
        return asked.size() == 1 ? a : b;
    });
    EXPECT_EQ(rules, (Rules{nullptr, a, b}));
    EXPECT_EQ(asked, (std::vector<std::string>{"trans0.png", "trans1.png", "trans2.png"}));
    EXPECT_EQ(loadTransitionRules([](const char*) { return std::shared_ptr<vantrel::Image>(); }), Rules{nullptr});
    EXPECT_THROW(loadTransitionRules([](const char*) -> std::shared_ptr<vantrel::Image> { throw 42; }), int);
}

TEST(TransitionTask, LevelRisesTurnsAndFallsRedrawingBothLayersAndRulesAreTakenInTurn)
{
    auto screen = makeTestScreen(64, 32);
    auto rule0 = makePicture(64, 32, vantrel::PixelFormat::Gray8);
    auto rule1 = makePicture(64, 32, vantrel::PixelFormat::Gray8);
    TransitionTask task({nullptr, rule0, rule1});
    const vantrel::Rect full{0, 0, 64, 32};

    Rules picked;
    for (int cycle = 0; cycle < 5; ++cycle) {
        // 512 calls: the pick at 0, up to 255, the turn at 255, down to 0.
        for (int call = 0; call < 512; ++call) {
            task(*screen);
            ASSERT_EQ(screen->getTransitionLevel(), call <= 255 ? call : 511 - call) << cycle << ", " << call;
            if (call == 0) {
                EXPECT_EQ(screen->getRuleSoftness(), 64);
                picked.push_back(screen->getTransitionRule());
            }
            if (cycle == 0 && call < 2) { // the pick changes nothing, a new level redraws everything
                for (std::uint8_t layer = 0; layer < 2; ++layer) {
                    EXPECT_EQ(screen->getDrawer(layer).getPendingRect(), call == 1 ? full : vantrel::Rect{});
                }
            }
        }
    }
    EXPECT_EQ(picked, (Rules{nullptr, rule0, rule1, nullptr, rule0}));
}
