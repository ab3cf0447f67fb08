#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/Display.h"
#include "app/DisplayHandler.h"
#include "app/MenuModel.h"
#include "tests/app/FakeDisplay.h"

using namespace vantrel;
using vantrel::testing::FakeDisplaySettings;
using vantrel::testing::FakeDisplayWindow;
using Calls = std::vector<std::string>;

namespace {

class DisplayHandlerTest : public ::testing::Test {
protected:
    DisplayHandlerTest() { display.setSettings(settings); }

    bool enabled(int command) const { return menu.findItem(command)->enabled; }
    bool checked(int command) const { return menu.findItem(command)->checked; }
    void expectWindowedMenu() const
    {
        EXPECT_TRUE(enabled(fullscreenCommand));
        EXPECT_FALSE(enabled(windowCommand));
        EXPECT_FALSE(checked(fullscreenCommand));
        EXPECT_TRUE(checked(windowCommand));
    }

    std::shared_ptr<FakeDisplaySettings> settings = std::make_shared<FakeDisplaySettings>();
    Display display;
    MenuBar menu = MenuBar::createMainMenu();
    FakeDisplayWindow window;
    DisplayHandler handler{display, menu, window};
};

} // namespace

TEST_F(DisplayHandlerTest, LargeScreenStartsWindowedWithTheMarkOnWindow)
{
    EXPECT_TRUE(handler.onCreate(1920, 1080));
    EXPECT_FALSE(display.isFullscreen());
    expectWindowedMenu();
    EXPECT_TRUE(window.calls.empty());
    EXPECT_TRUE(settings->changes.empty());
}

TEST_F(DisplayHandlerTest, ExactScreensStartFullscreenWithBothItemsGreyed)
{
    settings->acceptedWidths = {1366};
    EXPECT_TRUE(handler.onCreate(1366, 768));
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_FALSE(enabled(fullscreenCommand));
    EXPECT_FALSE(enabled(windowCommand));
    EXPECT_TRUE(checked(fullscreenCommand));
    EXPECT_EQ(window.calls, (Calls{"detach", "layout fullscreen"}));

    // full screen is the only mode: switching does nothing
    window.calls.clear();
    handler.onCommand(toggleDisplayCommand);
    handler.onCommand(windowCommand);
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(settings->changes.size(), 1u);
}

TEST_F(DisplayHandlerTest, NarrowExactScreenFallsBackTo1360)
{
    settings->acceptedWidths = {1360};
    EXPECT_TRUE(handler.onCreate(1360, 768));
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_EQ(display.getMode().width, 1360);
    ASSERT_EQ(settings->changes.size(), 2u);
    EXPECT_EQ(settings->changes[0]->width, 1366);
    EXPECT_EQ(settings->changes[1]->width, 1360);
}

TEST_F(DisplayHandlerTest, ExactScreenRefusingBothModesStaysAnOrdinaryWindow)
{
    EXPECT_TRUE(handler.onCreate(1366, 768));
    EXPECT_FALSE(display.isFullscreen());
    EXPECT_EQ(window.calls, (Calls{"message 40000"}));
    EXPECT_TRUE(enabled(fullscreenCommand));
    EXPECT_FALSE(checked(fullscreenCommand));
    EXPECT_FALSE(handler.isFullscreenAllowed());

    settings->acceptedWidths = {1366};
    handler.onCommand(fullscreenCommand);
    EXPECT_FALSE(display.isFullscreen());
}

TEST_F(DisplayHandlerTest, SmallScreensAreRefused)
{
    for (auto [width, height] : {std::pair{1360, 800}, std::pair{1280, 1024}, std::pair{1365, 2000},
                                 std::pair{2000, 767}}) {
        MenuBar freshMenu = MenuBar::createMainMenu();
        FakeDisplayWindow freshWindow;
        DisplayHandler fresh{display, freshMenu, freshWindow};
        EXPECT_FALSE(fresh.onCreate(width, height)) << width << " x " << height;
        EXPECT_EQ(freshWindow.calls, (Calls{"message 40001"}));
        EXPECT_FALSE(fresh.isFullscreenAllowed());
    }
    EXPECT_TRUE(settings->changes.empty());
}

TEST_F(DisplayHandlerTest, ToggleEntersAndLeavesFullscreen)
{
    settings->acceptedWidths = {1366};
    handler.onCreate(1920, 1080);

    handler.onCommand(toggleDisplayCommand);
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_EQ(display.getMode().width, 1366);
    EXPECT_FALSE(enabled(fullscreenCommand));
    EXPECT_TRUE(enabled(windowCommand));
    EXPECT_TRUE(checked(fullscreenCommand));
    EXPECT_EQ(window.calls, (Calls{"detach", "layout fullscreen"}));

    handler.onCommand(fullscreenCommand); // already full screen
    EXPECT_EQ(settings->changes.size(), 1u);

    window.calls.clear();
    handler.onCommand(toggleDisplayCommand);
    EXPECT_FALSE(display.isFullscreen());
    expectWindowedMenu();
    EXPECT_EQ(window.calls, (Calls{"attach", "layout windowed"}));
    ASSERT_EQ(settings->changes.size(), 2u);
    EXPECT_FALSE(settings->changes[1].has_value());

    handler.onCommand(windowCommand); // already windowed
    handler.onCommand(exitCommand);
    EXPECT_EQ(settings->changes.size(), 2u);
}

TEST_F(DisplayHandlerTest, RefusedSwitchShowsTheMessageAndChangesNothing)
{
    handler.onCreate(1920, 1080);
    handler.onCommand(toggleDisplayCommand);
    EXPECT_EQ(window.calls, (Calls{"message 40000"}));
    EXPECT_FALSE(display.isFullscreen());
    expectWindowedMenu();
    ASSERT_EQ(settings->changes.size(), 2u); // 1366, then 1360
}

TEST_F(DisplayHandlerTest, RefusedReturnToTheDesktopModeKeepsFullscreen)
{
    settings->acceptedWidths = {1366};
    handler.onCreate(1920, 1080);
    handler.onCommand(fullscreenCommand);
    window.calls.clear();
    settings->restoreFails = true;
    handler.onCommand(windowCommand);
    EXPECT_EQ(window.calls, (Calls{"message 40000"}));
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_TRUE(enabled(windowCommand));
    EXPECT_TRUE(handler.isMenuDetached());
}

TEST_F(DisplayHandlerTest, MenuShowsNearTheTopOnlyInFullscreen)
{
    settings->acceptedWidths = {1366};
    handler.onCreate(1920, 1080);
    handler.onPointerMoved(10);
    EXPECT_TRUE(window.calls.empty());

    handler.onCommand(fullscreenCommand);
    window.calls.clear();
    handler.onPointerMoved(49);
    handler.onPointerMoved(0);
    handler.onPointerMoved(50);
    handler.onPointerMoved(700);
    handler.onPointerMoved(-5);
    EXPECT_EQ(window.calls, (Calls{"attach", "detach", "attach"}));
}

TEST_F(DisplayHandlerTest, FocusLossInFullscreenRestoresTheDesktopAndMinimises)
{
    settings->acceptedWidths = {1366};
    handler.onCreate(1920, 1080);
    handler.onFocusLost();
    handler.onFocusGained();
    EXPECT_TRUE(window.calls.empty());
    EXPECT_TRUE(settings->changes.empty());

    handler.onCommand(toggleDisplayCommand);
    window.calls.clear();
    handler.onFocusLost();
    EXPECT_FALSE(display.isApplied());
    EXPECT_EQ(window.calls, (Calls{"minimise"}));
    handler.onFocusGained();
    EXPECT_TRUE(display.isApplied());
    ASSERT_EQ(settings->changes.size(), 3u);
    EXPECT_FALSE(settings->changes[1].has_value());
    EXPECT_EQ(settings->changes[2]->width, 1366);

    settings->acceptedWidths.clear();
    handler.onFocusLost();
    window.calls.clear();
    handler.onFocusGained();
    EXPECT_EQ(window.calls, (Calls{"message 40000"}));
}

TEST_F(DisplayHandlerTest, DestructionReattachesTheMenu)
{
    settings->acceptedWidths = {1366};
    handler.onCreate(1366, 768);
    window.calls.clear();
    handler.onDestroy();
    handler.onDestroy();
    EXPECT_EQ(window.calls, (Calls{"attach"}));
    EXPECT_FALSE(handler.isMenuDetached());
}
