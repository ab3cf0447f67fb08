#include <gtest/gtest.h>

#include "scene/BounceTask.h"
#include "tests/scene/SceneTestSupport.h"

TEST(BounceStep, TurnsAtZeroAndAPictureWiderThanTheScreenOnlyTurns)
{
    std::uint8_t increasing = 0;
    EXPECT_EQ(bounceStep(0, increasing, 10), 0);
    EXPECT_EQ(increasing, 1);
    EXPECT_EQ(bounceStep(0, increasing, 10), 1);
    EXPECT_EQ(bounceStep(-20, increasing, -20), -20);
    EXPECT_EQ(increasing, 0);
    EXPECT_EQ(bounceStep(-20, increasing, -20), -20);
    EXPECT_EQ(increasing, 1);
}

TEST(BounceTask, MovesTheTwoCopiesAndReflectsThemAtTheEdges)
{
    auto screen = makeTestScreen(200, 100);
    auto picture = makePicture(50, 40);
    auto topLeft = screen->createImageSprite(1, 11u, 0, 0, 4, picture);
    auto bottomRight = screen->createImageSprite(1, 12u, 150, 60, 5, picture);
    bottomRight->setSize(10, 10); // the bounds come from the picture, not the drawn size
    BounceTask task;

    task(*screen);
    EXPECT_EQ(topLeft->getX(), 1);
    EXPECT_EQ(topLeft->getY(), 1);
    EXPECT_EQ(bottomRight->getX(), 150);
    EXPECT_EQ(bottomRight->getY(), 60);
    task(*screen);
    EXPECT_EQ(bottomRight->getX(), 149);
    EXPECT_EQ(bottomRight->getY(), 59);
    for (int call = 0; call < 59; ++call) {
        task(*screen);
    }
    EXPECT_EQ(topLeft->getY(), 60); // turned at the bottom edge
    task(*screen);
    EXPECT_EQ(topLeft->getY(), 59);
}

TEST(BounceTask, IgnoresMissingCopiesAndOtherSpriteKinds)
{
    auto screen = makeTestScreen(200, 100);
    auto fill = screen->createFillRectSprite(1, 11u, vantrel::Rect{0, 0, 10, 10}, 4, vantrel::Color::gray(0));
    BounceTask task;
    task(*screen);
    EXPECT_EQ(fill->getX(), 0);
}
