#include <gtest/gtest.h>

#include <memory>

#include <vantrel/sprite/DrawerState.h>
#include <vantrel/sprite/FillRectSprite.h>
#include <vantrel/sprite/ImageSprite.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>

using namespace vantrel;

namespace {

// A layer of 200 x 100 with 10-row bands; the drawer's pending state shows what was invalidated.
struct Layer : ::testing::Test {
    std::shared_ptr<SpriteManager> manager = std::make_shared<SpriteManager>();
    std::shared_ptr<ScreenDrawer> drawer = std::make_shared<ScreenDrawer>(manager, 200, 100, 10);
    std::shared_ptr<Image> picture = std::make_shared<Image>(20, 10, PixelFormat::Bgra32);

    std::shared_ptr<FillRectSprite> fill(Rect rect, std::int32_t z = 0, std::uint32_t id = 1)
    {
        auto sprite = std::make_shared<FillRectSprite>(manager, drawer, id, rect, z, Color::gray(9));
        manager->add(sprite);
        return sprite;
    }
    std::shared_ptr<ImageSprite> image(std::int32_t x, std::int32_t y, std::uint32_t id = 2)
    {
        auto sprite = std::make_shared<ImageSprite>(manager, drawer, id, x, y, 0, picture);
        manager->add(sprite);
        return sprite;
    }
    Rect invalidated() const { return drawer->hasPendingChanges() ? drawer->getPendingRect() : Rect{}; }
    void forget() { FrameState::clear(drawer->getState().pending); }
    DrawCommands commands()
    {
        DrawCommands out;
        DrawResources resources;
        for (auto& entry : manager->entries) {
            entry.sprite->draw(out, resources);
        }
        return out;
    }
};

} // namespace

TEST_F(Layer, NewSpritesAreHiddenAndShowInvalidatesTheirArea)
{
    auto sprite = fill(Rect{10, 20, 110, 70});
    EXPECT_FALSE(sprite->isVisible());
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(invalidated(), Rect{});
    sprite->show();
    EXPECT_EQ(invalidated(), (Rect{10, 20, 110, 70}));
}

TEST_F(Layer, MovingADrawnSpriteInvalidatesOldAndNewArea)
{
    auto sprite = fill(Rect{10, 20, 110, 70});
    sprite->show();
    forget();
    sprite->setPosition(10, 20);
    EXPECT_EQ(invalidated(), Rect{}) << "moving to the current position changes nothing";
    sprite->setPosition(0, 0);
    EXPECT_EQ(sprite->getRect(), (Rect{0, 0, 100, 50}));
    EXPECT_EQ(invalidated(), (Rect{0, 0, 110, 70}));
}

TEST_F(Layer, OpacityRules)
{
    auto sprite = fill(Rect{0, 0, 10, 10});
    sprite->setOpacity(0);
    sprite->show();
    EXPECT_EQ(invalidated(), Rect{}) << "showing a fully transparent sprite draws nothing";
    EXPECT_TRUE(commands().empty());
    sprite->setOpacity(200);
    EXPECT_EQ(invalidated(), (Rect{0, 0, 10, 10}));
    forget();
    sprite->hide();
    EXPECT_EQ(invalidated(), (Rect{0, 0, 10, 10}));
    forget();
    sprite->setOpacity(100);
    EXPECT_EQ(invalidated(), Rect{}) << "a hidden sprite's opacity never invalidates";
    sprite->setBlendMode(BlendMode::Add);
    EXPECT_EQ(invalidated(), Rect{});
}

TEST_F(Layer, BlendModeAndZOrderChangesInvalidateOnlyWhenDrawn)
{
    auto sprite = fill(Rect{0, 0, 10, 10});
    sprite->show();
    manager->needsSort = false;
    forget();
    sprite->setBlendMode(BlendMode::Normal);
    EXPECT_EQ(invalidated(), Rect{});
    sprite->setBlendMode(BlendMode::Subtract);
    EXPECT_EQ(invalidated(), (Rect{0, 0, 10, 10}));
    forget();
    sprite->setZOrder(7);
    EXPECT_TRUE(manager->needsSort);
    EXPECT_EQ(invalidated(), (Rect{0, 0, 10, 10}));
}

TEST_F(Layer, ImageSpriteCommandsFollowItsSize)
{
    auto sprite = image(5, 6);
    sprite->show();
    auto first = commands();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].kind, DrawCommandKind::ImagePoint);
    EXPECT_EQ(first[0].bounds, (Rect{5, 6, 25, 16}));
    forget();
    sprite->setSize(20, 10);
    EXPECT_EQ(invalidated(), Rect{}) << "the current size changes nothing";
    sprite->setSize(40, 10);
    EXPECT_EQ(invalidated(), (Rect{5, 0, 45, 20})) << "old and new area, whole bands";
    auto second = commands();
    EXPECT_EQ(second[0].kind, DrawCommandKind::ImageRect);
    EXPECT_EQ(second[0].sourceRect, (Rect{0, 0, 20, 10}));
    EXPECT_EQ(second[0].bounds, (Rect{5, 6, 45, 16}));
    sprite->hide();
    forget();
    sprite->setSmooth(true);
    EXPECT_EQ(invalidated(), Rect{});
    EXPECT_TRUE(sprite->isSmooth());
}

TEST_F(Layer, HiddenSpritesHoldNoResources)
{
    auto sprite = image(0, 0);
    DrawCommands out;
    DrawResources resources;
    sprite->draw(out, resources);
    EXPECT_TRUE(resources.images.empty());
    sprite->show();
    sprite->draw(out, resources);
    ASSERT_EQ(resources.images.size(), 1u);
    EXPECT_EQ(resources.images[0], picture);
}

TEST_F(Layer, SpritesOutliveTheirDrawerAndManager)
{
    auto sprite = fill(Rect{0, 0, 10, 10});
    manager.reset();
    drawer.reset();
    sprite->show();
    sprite->setPosition(3, 3);
    sprite->setZOrder(4);
    EXPECT_EQ(sprite->getX(), 3);
}

TEST_F(Layer, ManagerSortsByZOrderKeepingTiesInInsertionOrder)
{
    auto a = fill(Rect{}, 5, 1);
    auto b = fill(Rect{}, -1, 2);
    auto c = fill(Rect{}, 5, 3);
    manager->sort();
    ASSERT_EQ(manager->entries.size(), 3u);
    EXPECT_EQ(manager->entries[0].sprite, b);
    EXPECT_EQ(manager->entries[1].sprite, a);
    EXPECT_EQ(manager->entries[2].sprite, c);
    EXPECT_FALSE(manager->needsSort);
}

TEST_F(Layer, FindAndRemoveById)
{
    auto shown = fill(Rect{0, 0, 10, 10}, 0, 7);
    auto hidden = fill(Rect{50, 50, 60, 60}, 0, 7);
    auto other = fill(Rect{0, 0, 1, 1}, 0, 8);
    shown->show();
    forget();
    EXPECT_EQ(manager->find(7), shown);
    EXPECT_EQ(manager->find(99), nullptr);
    manager->remove(99);
    EXPECT_EQ(manager->entries.size(), 3u);
    EXPECT_EQ(invalidated(), Rect{});
    manager->remove(7);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(invalidated(), (Rect{0, 0, 10, 10})) << "only the visible one is redrawn";
    ASSERT_EQ(manager->entries.size(), 1u);
    EXPECT_EQ(manager->entries[0].sprite, other);
}
