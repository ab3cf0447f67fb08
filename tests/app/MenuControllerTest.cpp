#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/MenuController.h"
#include "app/MenuModel.h"

using namespace vantrel;

namespace {

using Kind = MenuHit::Kind;

class MenuControllerTest : public ::testing::Test {
protected:
    MenuBar menu = MenuBar::createMainMenu();
    MenuController controller{menu};
};

} // namespace

TEST_F(MenuControllerTest, KeysOpenMoveWrapAndCloseThePopups)
{
    EXPECT_FALSE(controller.openByMnemonic(U'q'));
    EXPECT_FALSE(controller.isOpen());
    EXPECT_TRUE(controller.openByMnemonic(U'v'));
    EXPECT_EQ(controller.getOpenPopup(), 1);
    EXPECT_EQ(controller.getHighlighted(), 0);
    EXPECT_EQ(controller.key(MenuKey::Down), 0);
    EXPECT_EQ(controller.getHighlighted(), 1);
    controller.key(MenuKey::Down);
    EXPECT_EQ(controller.getHighlighted(), 0);
    controller.key(MenuKey::Up);
    EXPECT_EQ(controller.getHighlighted(), 1);
    EXPECT_EQ(controller.key(MenuKey::Enter), 0); // the greyed Window item
    EXPECT_TRUE(controller.isOpen());

    controller.key(MenuKey::Right);
    EXPECT_EQ(controller.getOpenPopup(), 0);
    EXPECT_EQ(controller.getHighlighted(), 0);
    controller.key(MenuKey::Left);
    EXPECT_EQ(controller.getOpenPopup(), 1);
    controller.key(MenuKey::Escape);
    EXPECT_FALSE(controller.isOpen());
    EXPECT_EQ(controller.getHighlighted(), MenuController::none);

    controller.openByMnemonic(U'V');
    EXPECT_EQ(controller.key(MenuKey::Enter), fullscreenCommand);
    EXPECT_FALSE(controller.isOpen());

    // an unknown popup closes the menu
    controller.open(1, true);
    controller.open(5, true);
    EXPECT_FALSE(controller.isOpen());
    controller.open(-2, false);
    EXPECT_FALSE(controller.isOpen());
}

TEST_F(MenuControllerTest, MnemonicsChooseWithinTheOpenPopup)
{
    controller.openByMnemonic(U'V');
    controller.openByMnemonic(U'F');
    EXPECT_EQ(controller.getOpenPopup(), 0);
    EXPECT_EQ(controller.character(U's'), 0); // belongs to the other popup
    EXPECT_TRUE(controller.isOpen());
    EXPECT_EQ(controller.character(U'x'), exitCommand);
    EXPECT_FALSE(controller.isOpen());

    controller.openByMnemonic(U'V');
    EXPECT_EQ(controller.character(U'W'), 0); // greyed
    EXPECT_TRUE(controller.isOpen());
    menu.enableItem(windowCommand, true);
    EXPECT_EQ(controller.character(U'W'), windowCommand);
}

TEST_F(MenuControllerTest, PointerOpensTracksAndChoosesOnRelease)
{
    EXPECT_FALSE(controller.pointerPressed(MenuHit{}));
    EXPECT_TRUE(controller.pointerPressed(MenuHit{Kind::BarItem, 0}));
    EXPECT_EQ(controller.getOpenPopup(), 0);
    EXPECT_EQ(controller.getHighlighted(), MenuController::none);
    // releasing on the bar item that opened it keeps it open
    EXPECT_EQ(controller.pointerReleased(MenuHit{Kind::BarItem, 0}), 0);
    EXPECT_TRUE(controller.isOpen());

    controller.pointerMoved(MenuHit{Kind::BarItem, 1});
    EXPECT_EQ(controller.getOpenPopup(), 1);
    controller.pointerMoved(MenuHit{Kind::PopupItem, 1});
    EXPECT_EQ(controller.getHighlighted(), 1);
    controller.pointerMoved(MenuHit{});
    EXPECT_EQ(controller.getHighlighted(), MenuController::none);

    EXPECT_TRUE(controller.pointerPressed(MenuHit{Kind::PopupItem, 1}));
    EXPECT_EQ(controller.pointerReleased(MenuHit{Kind::PopupItem, 1}), 0); // greyed
    EXPECT_TRUE(controller.isOpen());
    EXPECT_EQ(controller.pointerReleased(MenuHit{Kind::PopupItem, 0}), fullscreenCommand);
    EXPECT_FALSE(controller.isOpen());

    // presses outside, on the opening bar item again or on the bare bar close it
    for (MenuHit closing : {MenuHit{}, MenuHit{Kind::BarItem, 1}, MenuHit{Kind::Bar, -1}}) {
        controller.pointerPressed(MenuHit{Kind::BarItem, 1});
        EXPECT_TRUE(controller.pointerPressed(closing));
        EXPECT_FALSE(controller.isOpen());
    }
    EXPECT_EQ(controller.pointerReleased(MenuHit{Kind::PopupItem, 0}), 0);
}

// Windows' keyboard menu mode: Esc closes the popup and keeps its bar item selected, a
// second Esc leaves the bar; Alt or F10 selects the first bar item and leaves it again.
TEST_F(MenuControllerTest, EscapeAltAndF10WalkTheBarLikeWindows)
{
    controller.openByMnemonic(U'v');
    controller.key(MenuKey::Escape);
    EXPECT_FALSE(controller.isOpen());
    EXPECT_TRUE(controller.isActive());
    EXPECT_EQ(controller.getHighlightedBarItem(), 1);
    controller.key(MenuKey::Escape);
    EXPECT_FALSE(controller.isActive());
    EXPECT_EQ(controller.getHighlightedBarItem(), MenuController::none);

    controller.toggleBar();
    EXPECT_EQ(controller.getHighlightedBarItem(), 0);
    EXPECT_FALSE(controller.isOpen());
    controller.key(MenuKey::Left); // wraps
    EXPECT_EQ(controller.getHighlightedBarItem(), 1);
    controller.key(MenuKey::Right);
    EXPECT_EQ(controller.getHighlightedBarItem(), 0);
    EXPECT_EQ(controller.key(MenuKey::Down), 0);
    EXPECT_EQ(controller.getOpenPopup(), 0);
    EXPECT_EQ(controller.getHighlighted(), 0);
    controller.key(MenuKey::Escape);
    EXPECT_EQ(controller.character(U'v'), 0); // a bare mnemonic opens its popup
    EXPECT_EQ(controller.getOpenPopup(), 1);
    controller.toggleBar(); // Alt again leaves the menu, popup and all
    EXPECT_FALSE(controller.isActive());

    controller.toggleBar();
    EXPECT_FALSE(controller.pointerPressed(MenuHit{})); // a press in the frame leaves the bar
    EXPECT_FALSE(controller.isActive());
}
