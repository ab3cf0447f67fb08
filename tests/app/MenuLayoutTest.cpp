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

// Bar items side by side ("ファイル(F)" 7 characters, 7 pixels each side), popups as wide as mark,
// widest text, gap, accelerator and right column, inside a border; hits are half-open.
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
    EXPECT_EQ(hitTestMenu(layout, 1, Point{336, 30}), (MenuHit{Kind::PopupItem, 0}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{337, 30}), (MenuHit{Kind::PopupFrame, -1}));
    EXPECT_EQ(hitTestMenu(layout, 1, Point{338, 30}), (MenuHit{}));
    EXPECT_EQ(layout.popups[1].textLeft, 85 + 22);
    EXPECT_EQ(layout.popups[1].acceleratorRight, 85 + 252 - 16);
    EXPECT_EQ(hitTestMenu(layout, 1, Point{10, 30}), (MenuHit{}));
    // an index beyond the popups is ignored
    EXPECT_EQ(hitTestMenu(layout, 7, Point{10, 5}), (MenuHit{Kind::BarItem, 0}));
}
