#include <gtest/gtest.h>

#include <tuple>

#include "scene/BounceTask.h"
#include "tests/scene/SceneTestSupport.h"

using vantrel::Point;

TEST(BounceTask, MovesTheTwoCopiesAndReflectsThemAtTheEdges)
{
    auto screen = makeTestScreen(200, 100);
    auto topLeft = screen->createImageSprite(1, 11u, 0, 0, 4, makePicture(50, 40));
    // Wider than the screen, so it only turns on x; the bounds come from the picture, not
    // the drawn size.
    auto bottomRight = screen->createImageSprite(1, 12u, -50, 60, 5, makePicture(250, 40));
    bottomRight->setSize(10, 10);
    BounceTask task;

    // Where the two copies are after a number of calls: id 12 first only turns, each
    // copy turns at the far edges and again at the near ones.
    const std::tuple<int, Point, Point> afters[] = {{1, {1, 1}, {-50, 60}},   {2, {2, 2}, {-50, 59}},
                                                    {61, {61, 60}, {-50, 0}}, {62, {62, 59}, {-50, 0}},
                                                    {63, {63, 58}, {-50, 1}}};
    int calls = 0;
    for (const auto& [after, topLeftAt, bottomRightAt] : afters) {
        for (; calls < after; ++calls) {
            task(*screen);
        }
        EXPECT_EQ((Point{topLeft->getX(), topLeft->getY()}), topLeftAt) << calls;
        EXPECT_EQ((Point{bottomRight->getX(), bottomRight->getY()}), bottomRightAt) << calls;
    }

    // A copy that is missing or not a picture is left alone.
    screen->getSprites(1).remove(11);
    auto fill = screen->createFillRectSprite(1, 11u, vantrel::Rect{0, 0, 10, 10}, 4, vantrel::Color::gray(0));
    task(*screen);
    EXPECT_EQ(fill->getX(), 0);
    EXPECT_EQ(bottomRight->getY(), 2);
}
