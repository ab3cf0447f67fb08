#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/Display.h"
#include "app/DisplayHandler.h"
#include "app/DisplaySettings.h"
#include "app/DisplayWindow.h"
#include "app/MenuModel.h"
#include <vantrel/base/Exception.h>

using namespace vantrel;
using Calls = std::vector<std::string>;
using Widths = std::vector<std::int32_t>;

namespace {

// Accepts the widths it is told to, 768 rows tall; records each width asked for (0: back to the
// desktop's own mode).
class FakeDisplaySettings : public IDisplaySettings {
public:
    std::set<std::int32_t> acceptedWidths;
    bool restoreFails = false;
    std::vector<std::int32_t> changes;

protected:
    DisplayChangeResult changeImpl(const DisplayMode* mode) override
    {
        changes.push_back(mode != nullptr ? mode->width : 0);
        if (mode == nullptr) {
            return DisplayChangeResult{restoreFails ? -1 : 0, "SDL_SetWindowFullscreen"};
        }
        bool accepted = acceptedWidths.count(mode->width) != 0 && mode->height == 768;
        return DisplayChangeResult{accepted ? 0 : -1, "SDL_SetWindowDisplayMode"};
    }
};

// Records what the display handler asked of the window, as a script of short words.
class FakeDisplayWindow : public IDisplayWindow {
public:
    std::vector<std::string> calls;

protected:
    void showMessageImpl(int id) override { calls.push_back("message " + std::to_string(id)); }
    void setFullscreenLayoutImpl(bool fullscreen) override
    {
        calls.push_back(fullscreen ? "layout fullscreen" : "layout windowed");
    }
    void setMenuAttachedImpl(bool attached) override
    {
        calls.push_back(attached ? "attach" : "detach");
    }
    void minimiseImpl() override { calls.push_back("minimise"); }
};

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

    std::shared_ptr<FakeDisplaySettings> settings =
        std::make_shared<FakeDisplaySettings>();
    Display display;
    MenuBar menu = MenuBar::createMainMenu();
    FakeDisplayWindow window;
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

    // the desktop's mode comes back once however often focus goes, full screen once again
    rig.handler.onCommand(toggleDisplayCommand);
    rig.window.calls.clear();
    rig.handler.onFocusLost();
    rig.handler.onFocusLost();
    EXPECT_FALSE(rig.display.isApplied());
    EXPECT_EQ(rig.window.calls, (Calls{"minimise", "minimise"}));
    rig.handler.onFocusGained();
    rig.handler.onFocusGained();
    EXPECT_TRUE(rig.display.isApplied());
    EXPECT_EQ(rig.settings->changes, (Widths{1366, 0, 1366}));

    // a refused return to full screen is reported and stays suspended
    rig.settings->acceptedWidths.clear();
    rig.handler.onFocusLost();
    rig.window.calls.clear();
    rig.handler.onFocusGained();
    EXPECT_EQ(rig.window.calls, (Calls{"message 40000"}));
    EXPECT_FALSE(rig.display.isApplied());
}

TEST(Display, RefusalsThrowWithTheCallOneModeHoldsAtATimeAndOnlyFullscreenRestoresAtTheEnd)
{
    Rig rig(std::set<std::int32_t>{});
    try {
        rig.display.setFullscreen(1366);
        FAIL() << "no exception";
    } catch (const DisplayException& failure) {
        EXPECT_STREQ(failure.what(), "SDL_SetWindowDisplayMode API failed in "
                                     "vantrel::`anonymous-namespace'::changeDisplaySettings method.");
        EXPECT_EQ(failure.getResult(), -1);
    }
    EXPECT_FALSE(rig.display.isFullscreen());
    Display unset;
    EXPECT_THROW(unset.setFullscreen(1366), DisplayException);
    EXPECT_THROW(unset.setWindowed(), DisplayException);

    // another mode gives up the earlier one first; destruction never throws
    rig.settings->acceptedWidths = {1366, 1360};
    {
        Display windowed;
        windowed.setSettings(rig.settings);
        Display fullscreen;
        fullscreen.setSettings(rig.settings);
        fullscreen.setFullscreen(1366);
        fullscreen.setFullscreen(1360);
        EXPECT_EQ(fullscreen.getMode().width, 1360);
        rig.settings->restoreFails = true;
    }
    EXPECT_EQ(rig.settings->changes, (Widths{1366, 1366, 0, 1360, 0}));
}
