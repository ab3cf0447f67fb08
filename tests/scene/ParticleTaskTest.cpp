#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scene/ParticleTask.h"
#include "tests/scene/SceneTestSupport.h"

using vantrel::Point;

TEST(PlanTrail, SpawnsEveryFourPixelsTruncatingTowardZeroAndJittersOnlyShortMoves)
{
    struct Case {
        Point last, current;
        std::vector<Point> pathPairs;
        bool jitter;
    };
    const Case cases[] = {
        {{0, 0}, {7, 0}, {{7, 0}}, true},
        {{10, 10}, {10, 18}, {{10, 14}, {10, 18}}, false},
        {{0, 0},
         {40, -12},
         {{4, -1}, {8, -2}, {12, -3}, {16, -4}, {20, -6}, {24, -7}, {28, -8}, {32, -9}, {36, -10}, {40, -12}},
         false},
    };
    for (const Case& c : cases) {
        TrailPlan plan = planTrail(c.last, c.current);
        EXPECT_EQ(plan.pathPairs, c.pathPairs) << c.current.x << ", " << c.current.y;
        EXPECT_EQ(plan.jitter, c.jitter) << c.current.x << ", " << c.current.y;
    }
    EXPECT_EQ(agedOpacity(5), 1);
    EXPECT_EQ(agedOpacity(3), 0);
}

TEST(ParticleTask, SpawnsPairsAtTheCursorAndAlongItsPathThatGrowFadeAndGo)
{
    auto screen = makeTestScreen(640, 480);
    auto pointer = std::make_shared<FixedPointer>(Point{200, 150});
    vantrel::Mouse mouse{pointer};
    auto image1 = makePicture(48, 48);
    auto image2 = makePicture(32, 32);
    ParticleTask task{mouse, image1, image2};
    auto particles = [&] { return spritesOf<vantrel::ImageSprite>(*screen, 0, ParticleTask::particleId); };
    auto other = screen->createImageSprite(0, 7u, 5, 5, 1000, image1); // left alone
    other->setOpacity(128);
    other->show();

    task(*screen);
    auto spawned = particles();
    ASSERT_EQ(spawned.size(), 4u);
    for (int i = 0; i < 4; ++i) { // the pair at the resting cursor, then the jittered pair
        SCOPED_TRACE(i);
        EXPECT_EQ(spawned[i]->getImage(), i % 2 == 0 ? image1 : image2);
        EXPECT_EQ(spawned[i]->getOpacity(), i < 2 ? 128 : 96);
        EXPECT_LE(std::abs(spawned[i]->getX() - 176), i < 2 ? 0 : 15);
        EXPECT_LE(std::abs(spawned[i]->getY() - 126), i < 2 ? 0 : 15);
        EXPECT_EQ(spawned[i]->getZOrder(), 1000);
        EXPECT_EQ(spawned[i]->getBlendMode(), vantrel::BlendMode::Add);
        EXPECT_TRUE(spawned[i]->isVisible());
    }
    EXPECT_EQ(spawned[2]->getX(), spawned[3]->getX());
    const auto first = spawned[0];

    pointer->position = Point{240, 138};
    mouse.update();
    task(*screen);
    spawned = particles();
    ASSERT_EQ(spawned.size(), 4u + 20u); // nine path pairs and the pair at the cursor
    EXPECT_EQ(spawned[4]->getX(), 176 + 4);
    EXPECT_EQ(spawned[4]->getY(), 126 - 1);
    EXPECT_EQ(spawned[23]->getX(), 216);
    EXPECT_EQ(spawned[23]->getY(), 114);
    EXPECT_TRUE(std::all_of(spawned.begin() + 4, spawned.end(),
                            [](const auto& p) { return p->getOpacity() == 128; }));
    spawned.clear();

    for (int call = 2; call <= 32; ++call) {
        task(*screen);
        EXPECT_EQ(first->getOpacity(), std::max(0, 128 - 4 * call));
    }
    EXPECT_EQ(first->getWidth(), 48u + 128u);
    EXPECT_EQ(first->getX(), 176 - 64);
    EXPECT_EQ(first->getY(), 126 - 64);
    EXPECT_EQ(first.use_count(), 2); // still listed
    task(*screen);
    EXPECT_EQ(first.use_count(), 1); // erased the call after reaching zero
    EXPECT_FALSE(first->isVisible());

    EXPECT_EQ(other->getOpacity(), 128);
    EXPECT_EQ(other->getWidth(), 48u);
    EXPECT_EQ(screen->getSprites(0).find(7), other);
}
