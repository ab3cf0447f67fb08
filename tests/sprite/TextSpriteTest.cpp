#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include <vantrel/sprite/DrawerState.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>
#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/IFont.h>

using namespace vantrel;

namespace {

GlyphData inked(Point offset, Point advance, std::uint32_t width, std::uint32_t height)
{
    return GlyphData{offset, advance, std::make_shared<Image>(width, height, PixelFormat::Gray8)};
}

// 'a' sits on band row 0, 'b' two bands lower, so a gap between them shows as a clean band.
// A space has no ink; every other code gets a 4 x 4 box.
class FakeFont : public IFont {
public:
    FakeFont()
    {
        glyphs['a'] = inked(Point{1, 0}, Point{10, 0}, 4, 10);
        glyphs['b'] = inked(Point{2, 20}, Point{12, 0}, 8, 10);
        glyphs[' '] = GlyphData{Point{0, 0}, Point{6, 0}, nullptr};
        glyphs['d'] = inked(Point{0, 0}, Point{5, 10}, 4, 4); // a diagonal pen
    }

    std::vector<std::uint32_t> asked;
    bool failOnB = false;

protected:
    GlyphData getGlyphDataImpl(std::uint32_t code) override
    {
        asked.push_back(code);
        if (failOnB && code == 'b') {
            throw std::runtime_error("no glyph");
        }
        auto found = glyphs.find(code);
        return found != glyphs.end() ? found->second : inked(Point{}, Point{4, 0}, 4, 4);
    }

private:
    std::map<std::uint32_t, GlyphData> glyphs;
};

// A 200 x 100 layer with 10-row bands.
struct TextLayer : ::testing::Test {
    std::shared_ptr<SpriteManager> manager = std::make_shared<SpriteManager>();
    std::shared_ptr<ScreenDrawer> drawer = std::make_shared<ScreenDrawer>(manager, 200, 100, 10);
    FakeFont font;

    std::shared_ptr<TextSprite> text(const char* characters, std::size_t length,
                                     std::int32_t x = 30, std::int32_t y = 10)
    {
        auto sprite = std::make_shared<TextSprite>(manager, drawer, 7, x, y, 3, characters,
                                                   length, font, Color::gray(255));
        manager->add(sprite);
        return sprite;
    }
    BandSpan band(std::uint32_t index) const { return drawer->getState().pending.bands.at(index); }
    void forget() { FrameState::clear(drawer->getState().pending); }
};

void expectSpan(const BandSpan& span, std::int32_t left, std::int32_t right)
{
    EXPECT_EQ(span.left, left);
    EXPECT_EQ(span.right, right);
}

} // namespace

TEST_F(TextLayer, TheCommandCarriesTheWholeRunAndBoundsFromFirstToLastInk)
{
    auto sprite = text("a b", 3);
    EXPECT_EQ(font.asked, (std::vector<std::uint32_t>{'a', ' ', 'b'}));
    EXPECT_EQ(sprite->getCount(), 3u);
    EXPECT_FALSE(sprite->isVisible());
    sprite->show();
    sprite->setBlendMode(BlendMode::Add);
    sprite->setOpacity(77);

    DrawCommands commands;
    DrawResources resources;
    sprite->draw(commands, resources);
    ASSERT_EQ(commands.size(), 1u);
    const DrawCommand& command = commands[0];
    EXPECT_EQ(command.kind, DrawCommandKind::Glyphs);
    EXPECT_EQ(command.blendMode, BlendMode::Add);
    EXPECT_EQ(command.opacity, 77);
    EXPECT_EQ(command.origin, (Point{30, 10}));
    EXPECT_EQ(command.count, 3u);
    EXPECT_EQ(command.glyphs, sprite->getGlyphs().get());
    EXPECT_EQ(command.color.toWord(), 0xFFFFFFu);
    // 'a' covers (31, 10)-(35, 20); 'b' starts at pen x 30 + 10 + 6 = 46: (48, 30)-(56, 40).
    EXPECT_EQ(command.bounds, (Rect{31, 10, 56, 40}));
    ASSERT_EQ(resources.glyphs.size(), 1u);
    EXPECT_EQ(resources.glyphs[0], sprite->getGlyphs());
    EXPECT_TRUE(resources.images.empty());
}

TEST_F(TextLayer, InvalidationReportsEachGlyphButNotTheGaps)
{
    auto sprite = text("a b", 3);
    sprite->show();
    ASSERT_TRUE(drawer->hasPendingChanges());
    expectSpan(band(1), 31, 35);
    expectSpan(band(2), 0, 0);
    expectSpan(band(3), 48, 56);
    expectSpan(band(0), 0, 0);
    expectSpan(band(4), 0, 0);
    EXPECT_EQ(drawer->getPendingRect(), (Rect{31, 10, 56, 40}));
}

TEST_F(TextLayer, ThePenMovesAlongBothAxes)
{
    auto sprite = text("dd", 2, 0, 0);
    EXPECT_EQ(sprite->getBounds(), (Rect{0, 0, 9, 14}));
    sprite->show();
    expectSpan(band(0), 0, 4);
    expectSpan(band(1), 5, 9);
}

TEST_F(TextLayer, MovingInvalidatesTheGlyphsAtTheOldAndTheNewPosition)
{
    auto sprite = text("a b", 3);
    sprite->show();
    forget();
    sprite->setPosition(130, 20);
    EXPECT_EQ(sprite->getX(), 130);
    EXPECT_EQ(sprite->getY(), 20);
    expectSpan(band(1), 31, 35);   // old 'a'
    expectSpan(band(2), 131, 135); // new 'a'
    expectSpan(band(3), 48, 56);   // old 'b'
    expectSpan(band(4), 148, 156); // new 'b'
    EXPECT_EQ(sprite->getBounds(), (Rect{131, 20, 156, 50}));

    forget();
    sprite->setPosition(130, 20);
    EXPECT_FALSE(drawer->hasPendingChanges());
}

TEST_F(TextLayer, AnEmptyTextDrawsNothingAndInvalidatesNothing)
{
    auto sprite = text("", 0);
    EXPECT_TRUE(font.asked.empty());
    sprite->show();
    EXPECT_FALSE(drawer->hasPendingChanges());

    DrawCommands commands;
    DrawResources resources;
    sprite->draw(commands, resources);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].count, 0u);
    EXPECT_TRUE(commands[0].bounds.isEmpty());
    EXPECT_EQ(resources.glyphs.size(), 1u);

    auto spaces = text("   ", 3);
    spaces->show();
    EXPECT_FALSE(drawer->hasPendingChanges());
    EXPECT_TRUE(spaces->getBounds().isEmpty());
}

TEST_F(TextLayer, BytesAbove127ReachTheFontSignExtended)
{
    const char bytes[] = {'\x80', '\xC3', '\xFF', '\x7F'};
    text(bytes, 4);
    EXPECT_EQ(font.asked,
              (std::vector<std::uint32_t>{0xFFFFFF80u, 0xFFFFFFC3u, 0xFFFFFFFFu, 0x7Fu}));
}

TEST_F(TextLayer, HiddenOrTransparentSpritesEmitNothing)
{
    auto sprite = text("ab", 2);
    DrawCommands commands;
    DrawResources resources;
    sprite->draw(commands, resources);
    sprite->show();
    sprite->setOpacity(0);
    sprite->draw(commands, resources);
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(resources.glyphs.empty());
}

TEST_F(TextLayer, TheGlyphArrayOutlivesTheSpriteWhileAFrameHoldsIt)
{
    auto sprite = text("ab", 2);
    sprite->show();
    DrawCommands commands;
    DrawResources resources;
    sprite->draw(commands, resources);
    std::weak_ptr<GlyphData[]> watch = sprite->getGlyphs();
    manager->remove(7);
    sprite.reset();
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(commands[0].glyphs[1].advance.x, 12);
    resources.clear();
    EXPECT_TRUE(watch.expired());
}

TEST_F(TextLayer, SortRequestsAndNotificationsSurviveAMissingManagerOrDrawer)
{
    auto sprite = text("ab", 2);
    manager->needsSort = false;
    sprite->setZOrder(9);
    EXPECT_TRUE(manager->needsSort);
    EXPECT_EQ(sprite->getZOrder(), 9);

    drawer.reset();
    manager.reset();
    sprite->show();
    sprite->setPosition(1, 1);
    sprite->requestSort();
    EXPECT_TRUE(sprite->isVisible());
}

TEST_F(TextLayer, AFontFailureLeavesTheConstructor)
{
    font.failOnB = true;
    EXPECT_THROW(text("aab", 3), std::runtime_error);
    EXPECT_TRUE(manager->entries.empty());
}
