#include <gtest/gtest.h>

#include <string>

#include "app/CommandIds.h"
#include "app/MenuController.h"
#include "app/MenuModel.h"

using namespace vantrel;

namespace {

using Kind = MenuHit::Kind;

class MenuControllerTest : public ::testing::Test {
protected:
    // "closed", "bar B" (a bar item selected, no popup) or "popup P item I" (I: -1 for none).
    std::string state() const
    {
        if (controller.isOpen()) {
            EXPECT_EQ(controller.getHighlightedBarItem(), controller.getOpenPopup());
            return "popup " + std::to_string(controller.getOpenPopup()) + " item " +
                   std::to_string(controller.getHighlighted());
        }
        EXPECT_EQ(controller.getHighlighted(), MenuController::none);
        return controller.isActive() ? "bar " + std::to_string(controller.getHighlightedBarItem()) : "closed";
    }

    // What a call returned, then the state it left: "0: popup 1 item 1".
    std::string after(int returned) const { return std::to_string(returned) + ": " + state(); }

    MenuBar menu = MenuBar::createMainMenu();
    MenuController controller{menu};
};

} // namespace

TEST_F(MenuControllerTest, KeysOpenMoveWrapAndCloseThePopups)
{
    EXPECT_EQ(after(controller.openByMnemonic(U'q')), "0: closed");
    EXPECT_EQ(after(controller.openByMnemonic(U'v')), "1: popup 1 item 0");
    EXPECT_EQ(after(controller.key(MenuKey::Down)), "0: popup 1 item 1");
    EXPECT_EQ(after(controller.key(MenuKey::Down)), "0: popup 1 item 0");
    EXPECT_EQ(after(controller.key(MenuKey::Up)), "0: popup 1 item 1");
    EXPECT_EQ(after(controller.key(MenuKey::Enter)), "0: popup 1 item 1"); // the greyed Window item
    EXPECT_EQ(after(controller.key(MenuKey::Right)), "0: popup 0 item 0");
    EXPECT_EQ(after(controller.key(MenuKey::Left)), "0: popup 1 item 0");
    EXPECT_EQ(after(controller.key(MenuKey::Escape)), "0: bar 1");

    controller.openByMnemonic(U'V');
    EXPECT_EQ(after(controller.key(MenuKey::Enter)), std::to_string(fullscreenCommand) + ": closed");

    // an unknown popup closes the menu
    controller.open(1, true);
    controller.open(5, true);
    EXPECT_EQ(state(), "closed");
    controller.open(-2, false);
    EXPECT_EQ(state(), "closed");
}

TEST_F(MenuControllerTest, MnemonicsChooseWithinTheOpenPopup)
{
    controller.openByMnemonic(U'V');
    controller.openByMnemonic(U'F');
    EXPECT_EQ(after(controller.character(U's')), "0: popup 0 item 0"); // belongs to the other popup
    EXPECT_EQ(after(controller.character(U'x')), std::to_string(exitCommand) + ": closed");

    controller.openByMnemonic(U'V');
    EXPECT_EQ(after(controller.character(U'W')), "0: popup 1 item 1"); // greyed: highlighted only
    menu.enableItem(windowCommand, true);
    EXPECT_EQ(controller.character(U'W'), windowCommand);
}

TEST_F(MenuControllerTest, PointerOpensTracksAndChoosesOnRelease)
{
    EXPECT_EQ(after(controller.pointerPressed(MenuHit{})), "0: closed");
    EXPECT_EQ(after(controller.pointerPressed(MenuHit{Kind::BarItem, 0})), "1: popup 0 item -1");
    // releasing on the bar item that opened it keeps it open
    EXPECT_EQ(after(controller.pointerReleased(MenuHit{Kind::BarItem, 0})), "0: popup 0 item -1");

    controller.pointerMoved(MenuHit{Kind::BarItem, 1});
    controller.pointerMoved(MenuHit{Kind::PopupItem, 1});
    EXPECT_EQ(state(), "popup 1 item 1");
    controller.pointerMoved(MenuHit{});
    EXPECT_EQ(state(), "popup 1 item -1");

    EXPECT_TRUE(controller.pointerPressed(MenuHit{Kind::PopupItem, 1}));
    EXPECT_EQ(after(controller.pointerReleased(MenuHit{Kind::PopupItem, 1})), "0: popup 1 item 1"); // greyed
    EXPECT_EQ(after(controller.pointerReleased(MenuHit{Kind::PopupItem, 0})),
              std::to_string(fullscreenCommand) + ": closed");

    // presses outside, on the opening bar item again or on the bare bar close it
    for (MenuHit closing : {MenuHit{}, MenuHit{Kind::BarItem, 1}, MenuHit{Kind::Bar, -1}}) {
        controller.pointerPressed(MenuHit{Kind::BarItem, 1});
        EXPECT_EQ(after(controller.pointerPressed(closing)), "1: closed");
    }
    EXPECT_EQ(controller.pointerReleased(MenuHit{Kind::PopupItem, 0}), 0);
}

// Windows' keyboard menu mode: Esc closes the popup and keeps its bar item selected, a
// second Esc leaves the bar; Alt or F10 selects the first bar item and leaves it again.
TEST_F(MenuControllerTest, EscapeAltAndF10WalkTheBarLikeWindows)
{
    controller.toggleBar();
    EXPECT_EQ(state(), "bar 0");
    EXPECT_EQ(after(controller.key(MenuKey::Left)), "0: bar 1"); // wraps
    controller.key(MenuKey::Right);
    EXPECT_EQ(after(controller.key(MenuKey::Down)), "0: popup 0 item 0");
    controller.key(MenuKey::Escape);
    EXPECT_EQ(after(controller.character(U'v')), "0: popup 1 item 0"); // a bare mnemonic opens its popup
    controller.toggleBar(); // Alt again leaves the menu, popup and all
    EXPECT_EQ(state(), "closed");

    controller.toggleBar();
    // a press in the frame leaves the bar
    EXPECT_EQ(after(controller.pointerPressed(MenuHit{})), "0: closed");
}
