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
#include "tests/support/Failure.h"

using namespace vantrel;
using Calls = std::vector<std::string>;

namespace {

// The display settings and the window: accepts the widths it is told to, 768 rows tall, and logs
// in short words what the display handler asked of it, a mode as "mode W" (0: back to the
// desktop's own mode).
class FakeSystem : public IDisplaySettings, public IDisplayWindow {
public:
    Calls log;
    std::set<std::int32_t> acceptedWidths;
    bool restoreFails = false;

protected:
    DisplayChangeResult changeImpl(const DisplayMode* mode) override
    {
        log.push_back("mode " + std::to_string(mode != nullptr ? mode->width : 0));
        if (mode == nullptr) {
            return DisplayChangeResult{restoreFails ? -1 : 0, "SDL_SetWindowFullscreen"};
        }
        bool accepted = acceptedWidths.count(mode->width) != 0 && mode->height == 768;
        return DisplayChangeResult{accepted ? 0 : -1, "SDL_SetWindowDisplayMode"};
    }
    void showMessageImpl(int id) override { log.push_back("message " + std::to_string(id)); }
    void setFullscreenLayoutImpl(bool fullscreen) override
    {
        log.push_back(fullscreen ? "layout fullscreen" : "layout windowed");
    }
    void setMenuAttachedImpl(bool attached) override { log.push_back(attached ? "attach" : "detach"); }
    void minimiseImpl() override { log.push_back("minimise"); }
};

struct Rig {
    explicit Rig(std::set<std::int32_t> accepted = {1366})
    {
        settings->acceptedWidths = std::move(accepted);
        display.setSettings(settings);
    }

    // The View items as "S w*" (upper case when enabled, '*' when marked), then the display's
    // state: "full" or "window", "suspended", "detached" (the menu).
    std::string state() const
    {
        std::string state;
        for (auto [command, letter] : {std::pair{fullscreenCommand, 'S'}, std::pair{windowCommand, 'W'}}) {
            const MenuItem* item = menu.findItem(command);
            state += item->enabled ? letter : static_cast<char>(letter - 'A' + 'a');
            state += item->checked ? "* " : " ";
        }
        state += display.isFullscreen() ? "full" : "window";
        state += display.isApplied() ? "" : " suspended";
        return state + (handler.isMenuDetached() ? " detached" : "");
    }

    // Clears the log first. "refuse" makes every change fail, "accept" undoes that.
    void act(const std::string& event)
    {
        log.clear();
        if (event == "refuse" || event == "accept") {
            settings->restoreFails = event == "refuse";
            settings->acceptedWidths = settings->restoreFails ? std::set<std::int32_t>{} : std::set{1366};
        } else if (event.rfind("pointer ", 0) == 0) {
            handler.onPointerMoved(std::stoi(event.substr(8)));
        } else if (event == "lost") {
            handler.onFocusLost();
        } else if (event == "gained") {
            handler.onFocusGained();
        } else if (event == "destroy") {
            handler.onDestroy();
        } else {
            handler.onCommand(event == "toggle" ? toggleDisplayCommand
                              : event == "fullscreen" ? fullscreenCommand
                              : event == "window" ? windowCommand
                                                    : exitCommand);
        }
    }

    std::shared_ptr<FakeSystem> settings = std::make_shared<FakeSystem>();
    Calls& log = settings->log;
    Display display;
    MenuBar menu = MenuBar::createMainMenu();
    DisplayHandler handler{display, menu, *settings};
};

} // namespace

TEST(DisplayHandler, TheScreenSizeDecidesHowTheWindowStarts)
{
    struct Case {
        std::int32_t width, height;
        std::set<std::int32_t> accepted;
        bool started;
        const char* state;
        Calls calls;
    };
    const Calls tooSmall{"message 40001"};
    const Case cases[] = {
        {1920, 1080, {1366}, true, "S w* window", {}},
        {1366, 768, {1366}, true, "s* w full detached", {"mode 1366", "detach", "layout fullscreen"}},
        {1360, 768, {1360}, true, "s* w full detached",
         {"mode 1366", "mode 1360", "detach", "layout fullscreen"}},
        {1366, 768, {}, true, "S w window", {"mode 1366", "mode 1360", "message 40000"}},
        {1360, 800, {1366}, false, "S w window", tooSmall},
        {1280, 1024, {1366}, false, "S w window", tooSmall},
        {1365, 2000, {1366}, false, "S w window", tooSmall},
        {2000, 767, {1366}, false, "S w window", tooSmall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Rig rig(c.accepted);
        EXPECT_EQ(rig.handler.onCreate(c.width, c.height), c.started);
        EXPECT_EQ(rig.state(), c.state);
        EXPECT_EQ(rig.log, c.calls);
        if (c.width == 1920) {
            continue;
        }
        // only a larger screen may switch, even once the mode would be accepted
        EXPECT_FALSE(rig.handler.isFullscreenAllowed());
        for (const char* event : {"accept", "toggle", "fullscreen", "window"}) {
            rig.act(event);
            EXPECT_TRUE(rig.log.empty()) << event;
        }
    }
}

// One window's life on a large screen, event by event: what the handler asks of the display
// settings and the window, and the state after.
TEST(DisplayHandler, SwitchingFocusAndPointerFollowTheScript)
{
    struct Step {
        const char* event;
        Calls calls;
        const char* state;
    };
    const Calls toFullscreen{"mode 1366", "detach", "layout fullscreen"};
    const Step script[] = {
        {"pointer 10", {}, "S w* window"},
        {"lost", {}, "S w* window"},
        {"gained", {}, "S w* window"},
        {"toggle", toFullscreen, "s* W full detached"},
        {"fullscreen", {}, "s* W full detached"},
        // the menu shows in the top 50 rows only
        {"pointer 49", {"attach"}, "s* W full"},
        {"pointer 0", {}, "s* W full"},
        {"pointer 50", {"detach"}, "s* W full detached"},
        {"pointer 700", {}, "s* W full detached"},
        {"pointer -5", {"attach"}, "s* W full"},
        // the desktop's mode comes back once however often focus goes, full screen once again
        {"lost", {"mode 0", "minimise"}, "s* W full suspended"},
        {"lost", {"minimise"}, "s* W full suspended"},
        {"gained", {"mode 1366"}, "s* W full"},
        {"gained", {}, "s* W full"},
        {"pointer 60", {"detach"}, "s* W full detached"},
        {"toggle", {"mode 0", "attach", "layout windowed"}, "S w* window"},
        {"window", {}, "S w* window"},
        {"exit", {}, "S w* window"},
        // refusals show the message and change nothing
        {"refuse", {}, "S w* window"},
        {"toggle", {"mode 1366", "mode 1360", "message 40000"}, "S w* window"},
        {"accept", {}, "S w* window"},
        {"fullscreen", toFullscreen, "s* W full detached"},
        {"refuse", {}, "s* W full detached"},
        {"window", {"mode 0", "message 40000"}, "s* W full detached"},
        {"lost", {"mode 0", "message 40000"}, "s* W full detached"},
        {"accept", {}, "s* W full detached"},
        {"lost", {"mode 0", "minimise"}, "s* W full suspended detached"},
        {"refuse", {}, "s* W full suspended detached"},
        {"gained", {"mode 1366", "message 40000"}, "s* W full suspended detached"},
        // destruction leaves the menu attached
        {"destroy", {"attach"}, "s* W full suspended"},
        {"destroy", {}, "s* W full suspended"},
    };
    Rig rig;
    rig.handler.onCreate(1920, 1080);
    for (const Step& step : script) {
        rig.act(step.event);
        EXPECT_EQ(rig.log, step.calls) << step.event;
        EXPECT_EQ(rig.state(), step.state) << step.event;
    }
}

TEST(Display, RefusalsThrowWithTheCallOneModeHoldsAtATimeAndOnlyFullscreenRestoresAtTheEnd)
{
    Rig rig(std::set<std::int32_t>{});
    auto failure = thrownBy<DisplayException>([&] { rig.display.setFullscreen(1366); });
    ASSERT_TRUE(failure);
    EXPECT_STREQ(failure->what(), "SDL_SetWindowDisplayMode API failed in "
                                  "vantrel::`anonymous-namespace'::changeDisplaySettings method.");
    EXPECT_EQ(failure->getResult(), -1);
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
    EXPECT_EQ(rig.log, (Calls{"mode 1366", "mode 1366", "mode 0", "mode 1360", "mode 0"}));
}
