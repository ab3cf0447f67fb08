#include <gtest/gtest.h>

#include "app/MenuLayout.h"
#include "app/MenuModel.h"

using namespace vantrel;

namespace {

// Every character 10 pixels wide.
std::int32_t tenPerCharacter(const std::u32string& text)
{
    return static_cast<std::int32_t>(text.size()) * 10;
}

class MenuLayoutTest : public ::testing::Test {
protected:
    MenuBar menu = MenuBar::createMainMenu();
    MenuLayout layout = layoutMenu(menu, tenPerCharacter, 1366);
};

} // namespace

TEST_F(MenuLayoutTest, PlacesBarItemsSideBySide)
{
    EXPECT_EQ(layout.bar, (Rect{0, 0, 1366, 20}));
    ASSERT_EQ(layout.barItems.size(), 2u);
    // "ファイル(F)": 7 characters + 7 pixels each side
    EXPECT_EQ(layout.barItems[0], (Rect{0, 0, 84, 20}));
    // "表示(V)": 5 characters
    EXPECT_EQ(layout.barItems[1], (Rect{84, 0, 148, 20}));
}

TEST_F(MenuLayoutTest, SizesPopupsToTheirWidestTextAndAccelerator)
{
    const MenuLayout::Popup& view = layout.popups[1];
    // mark 22 + "フルスクリーン(S)" 100 + gap 24 + "Alt+Enter" 90 + 16, plus two borders
    EXPECT_EQ(view.frame, (Rect{84, 20, 84 + 252 + 2, 20 + 2 * 20 + 6}));
    ASSERT_EQ(view.items.size(), 2u);
    EXPECT_EQ(view.items[0], (Rect{85, 23, 85 + 252, 43}));
    EXPECT_EQ(view.items[1], (Rect{85, 43, 85 + 252, 63}));
    EXPECT_EQ(view.textLeft, 85 + 22);
    EXPECT_EQ(view.acceleratorRight, 85 + 252 - 16);
}

TEST_F(MenuLayoutTest, HitTestingIsHalfOpenAndPrefersTheOpenPopup)
{
    using Kind = MenuHit::Kind;
    EXPECT_EQ(hitTestMenu(layout, -1, Point{0, 0}), (MenuHit{Kind::BarItem, 0}));
    EXPECT_EQ(hitTestMenu(layout, -1, Point{83, 19}), (MenuHit{Kind::BarItem, 0}));
    EXPECT_EQ(hitTestMenu(layout, -1, Point{84, 19}), (MenuHit{Kind::BarItem, 1}));
    EXPECT_EQ(hitTestMenu(layout, -1, Point{148, 5}), (MenuHit{Kind::Bar, -1}));
    EXPECT_EQ(hitTestMenu(layout, -1, Point{84, 20}), (MenuHit{}));
    EXPECT_EQ(hitTestMenu(layout, -1, Point{-1, 5}), (MenuHit{}));

    // with View open: its border, its items, and what lies beside it
    EXPECT_EQ(hitTestMenu(layout, 1, Point{84, 20}), (MenuHit{Kind::PopupFrame, -1}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{85, 23}), (MenuHit{Kind::PopupItem, 0}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{200, 43}), (MenuHit{Kind::PopupItem, 1}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{200, 63}), (MenuHit{Kind::PopupFrame, -1}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{200, 66}), (MenuHit{}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{10, 30}), (MenuHit{}));
    // an index beyond the popups is ignored
    EXPECT_EQ(hitTestMenu(layout, 7, Point{10, 5}), (MenuHit{Kind::BarItem, 0}));
}
