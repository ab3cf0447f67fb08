#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/Display.h"
#include "app/DisplayHandler.h"
#include "app/MenuModel.h"
#include "tests/app/FakeDisplay.h"

using namespace vantrel;
using Calls = std::vector<std::string>;
using Widths = std::vector<std::int32_t>;

namespace {

struct Rig {
    explicit Rig(std::set<std::int32_t> accepted = {1366})
    {
        settings->acceptedWidths = std::move(accepted);
        display.setSettings(settings);
    }

    // The View items as "S w*": upper case when enabled, '*' when marked.
    std::string menuState() const
    {
        std::string state;
        for (auto [command, letter] :
             {std::pair{fullscreenCommand, 'S'}, std::pair{windowCommand, 'W'}}) {
            const MenuItem* item = menu.findItem(command);
            state += item->enabled ? letter : static_cast<char>(letter - 'A' + 'a');
            state += item->checked ? "* " : " ";
        }
        state.pop_back();
        return state;
    }

    std::shared_ptr<vantrel::testing::FakeDisplaySettings> settings =
        std::make_shared<vantrel::testing::FakeDisplaySettings>();
    Display display;
    MenuBar menu = MenuBar::createMainMenu();
    vantrel::testing::FakeDisplayWindow window;
    DisplayHandler handler{display, menu, window};
};

} // namespace

TEST(DisplayHandler, TheScreenSizeDecidesHowTheWindowStarts)
{
    struct Case {
        std::int32_t width, height;
        std::set<std::int32_t> accepted;
        bool started;
        const char* menu;
        Calls calls;
        Widths changes;
    };
    const Calls toFullscreen{"detach", "layout fullscreen"};
    const Case cases[] = {
        {1920, 1080, {1366}, true, "S w*", {}, {}},
        {1366, 768, {1366}, true, "s* w", toFullscreen, {1366}},
        {1360, 768, {1360}, true, "s* w", toFullscreen, {1366, 1360}},
        {1366, 768, {}, true, "S w", {"message 40000"}, {1366, 1360}},
        {1360, 800, {1366}, false, "S w", {"message 40001"}, {}},
        {1280, 1024, {1366}, false, "S w", {"message 40001"}, {}},
        {1365, 2000, {1366}, false, "S w", {"message 40001"}, {}},
        {2000, 767, {1366}, false, "S w", {"message 40001"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Rig rig(c.accepted);
        EXPECT_EQ(rig.handler.onCreate(c.width, c.height), c.started);
        EXPECT_EQ(rig.menuState(), c.menu);
        EXPECT_EQ(rig.window.calls, c.calls);
        EXPECT_EQ(rig.settings->changes, c.changes);
        EXPECT_EQ(rig.display.isFullscreen(), c.calls == toFullscreen);
        if (c.width == 1920) {
            continue;
        }
        // only a larger screen may switch, even once the mode would be accepted
        EXPECT_FALSE(rig.handler.isFullscreenAllowed());
        rig.settings->acceptedWidths = {1366};
        rig.window.calls.clear();
        for (int command : {toggleDisplayCommand, fullscreenCommand, windowCommand}) {
            rig.handler.onCommand(command);
        }
        EXPECT_TRUE(rig.window.calls.empty());
        EXPECT_EQ(rig.settings->changes, c.changes);
    }
}

TEST(DisplayHandler, SwitchingMovesTheMenuStateAndReportsRefusals)
{
    Rig rig;
    rig.handler.onCreate(1920, 1080);
    rig.handler.onCommand(toggleDisplayCommand);
    EXPECT_TRUE(rig.display.isFullscreen());
    EXPECT_EQ(rig.menuState(), "s* W");
    EXPECT_EQ(rig.window.calls, (Calls{"detach", "layout fullscreen"}));
    rig.handler.onCommand(fullscreenCommand); // already full screen

    rig.window.calls.clear();
    rig.handler.onCommand(toggleDisplayCommand);
    EXPECT_FALSE(rig.display.isFullscreen());
    EXPECT_EQ(rig.menuState(), "S w*");
    EXPECT_EQ(rig.window.calls, (Calls{"attach", "layout windowed"}));
    rig.handler.onCommand(windowCommand); // already windowed
    rig.handler.onCommand(exitCommand);
    EXPECT_EQ(rig.settings->changes, (Widths{1366, 0}));

    // a refused mode shows the message and changes nothing
    rig.settings->acceptedWidths.clear();
    rig.window.calls.clear();
    rig.handler.onCommand(toggleDisplayCommand);
    EXPECT_EQ(rig.window.calls, (Calls{"message 40000"}));
    EXPECT_FALSE(rig.display.isFullscreen());
    EXPECT_EQ(rig.menuState(), "S w*");
    EXPECT_EQ(rig.settings->changes, (Widths{1366, 0, 1366, 1360}));

    // a refused return to the desktop's mode keeps full screen
    rig.settings->acceptedWidths = {1366};
    rig.handler.onCommand(fullscreenCommand);
    rig.window.calls.clear();
    rig.settings->restoreFails = true;
    rig.handler.onCommand(windowCommand);
    EXPECT_EQ(rig.window.calls, (Calls{"message 40000"}));
    EXPECT_TRUE(rig.display.isFullscreen());
    EXPECT_EQ(rig.menuState(), "s* W");
    EXPECT_TRUE(rig.handler.isMenuDetached());
}

TEST(DisplayHandler, MenuShowsNearTheTopOnlyInFullscreen)
{
    Rig rig;
    rig.handler.onCreate(1920, 1080);
    rig.handler.onPointerMoved(10);
    EXPECT_TRUE(rig.window.calls.empty());

    rig.handler.onCommand(fullscreenCommand);
    rig.window.calls.clear();
    for (std::int32_t y : {49, 0, 50, 700, -5}) {
        rig.handler.onPointerMoved(y);
    }
    EXPECT_EQ(rig.window.calls, (Calls{"attach", "detach", "attach"}));

    // destruction leaves the menu attached
    rig.handler.onPointerMoved(60);
    rig.window.calls.clear();
    rig.handler.onDestroy();
    rig.handler.onDestroy();
    EXPECT_EQ(rig.window.calls, (Calls{"attach"}));
    EXPECT_FALSE(rig.handler.isMenuDetached());
}

TEST(DisplayHandler, FocusLossInFullscreenRestoresTheDesktopAndMinimises)
{
    Rig rig;
    rig.handler.onCreate(1920, 1080);
    rig.handler.onFocusLost();
    rig.handler.onFocusGained();
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_TRUE(rig.settings->changes.empty());

    rig.handler.onCommand(toggleDisplayCommand);
    rig.window.calls.clear();
    rig.handler.onFocusLost();
    EXPECT_FALSE(rig.display.isApplied());
    EXPECT_EQ(rig.window.calls, (Calls{"minimise"}));
    rig.handler.onFocusGained();
    EXPECT_TRUE(rig.display.isApplied());
    EXPECT_EQ(rig.settings->changes, (Widths{1366, 0, 1366}));

    rig.settings->acceptedWidths.clear();
    rig.handler.onFocusLost();
    rig.window.calls.clear();
    rig.handler.onFocusGained();
    EXPECT_EQ(rig.window.calls, (Calls{"message 40000"}));
}
