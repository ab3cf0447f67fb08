#include <gtest/gtest.h>

#include "app/MenuLayout.h"
#include "app/MenuModel.h"
#include "app/MessageBoxLayout.h"

using namespace vantrel;

namespace {

// Every character 10 pixels wide: 42 fit on a message box line of at most 420.
std::int32_t tenEach(const std::u32string& text)
{
    return static_cast<std::int32_t>(text.size()) * 10;
}

} // namespace

// Bar items side by side ("ファイル(F)" 7 characters, 7 pixels each side), popups as wide as mark,
// widest text, gap, accelerator and right column, inside a border; hits are half-open.
TEST(MenuLayoutTest, HitTestingIsHalfOpenAndPrefersTheOpenPopup)
{
    MenuBar menu = MenuBar::createMainMenu();
    MenuLayout layout = layoutMenu(menu, tenEach, 1366);
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

TEST(MessageBoxLayoutTest, WrapsAtSpacesAnywhereInJapaneseAndAtLineFeeds)
{
    struct Case {
        std::u32string text;
        std::vector<std::u32string> lines;
    };
    const std::u32string word20(20, U'a');
    const std::u32string kana50(50, U'ア');
    const Case cases[] = {
        {U"", {U""}},
        {U"short", {U"short"}},
        {std::u32string(42, U'x'), {std::u32string(42, U'x')}},
        // the space nearest the limit, dropped at the break
        {word20 + U" " + word20 + U" " + word20, {word20 + U" " + word20, word20}},
        {kana50, {kana50.substr(0, 42), kana50.substr(42)}},
        {U"one\ntwo", {U"one", U"two"}},
    };
    for (const Case& c : cases) {
        MessageBoxLayout layout = layoutMessageBox(c.text, tenEach, 16);
        EXPECT_EQ(layout.lines, c.lines) << layout.lines.size();
    }
}

TEST(MessageBoxLayoutTest, PlacesIconTextAndButtonInsideTheBox)
{
    // one line: the box keeps its least width; the line is centred on the icon
    MessageBoxLayout one = layoutMessageBox(U"abc", tenEach, 16);
    EXPECT_EQ(one.width, MessageBoxLayout::minWidth);
    EXPECT_EQ(one.icon, (Rect{16, 24, 48, 56}));
    EXPECT_EQ(one.textOrigin, (Point{60, 32}));
    EXPECT_EQ(one.buttonBand, (Rect{0, 80, 240, 128}));
    EXPECT_EQ(one.height, 128);
    EXPECT_EQ(one.button, (Rect{136, 91, 224, 117}));

    // three full lines: wider and taller than the icon
    MessageBoxLayout three = layoutMessageBox(std::u32string(126, U'x'), tenEach, 16);
    ASSERT_EQ(three.lines.size(), 3U);
    EXPECT_EQ(three.width, 60 + 420 + 16);
    EXPECT_EQ(three.icon, (Rect{16, 32, 48, 64}));
    EXPECT_EQ(three.textOrigin, (Point{60, 24}));
    EXPECT_EQ(three.buttonBand.top, 24 + 48 + 24);
    EXPECT_EQ(three.button.right, three.width - 16);
}
