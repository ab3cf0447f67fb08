#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/DisplaySettings.h"
#include "app/DisplayWindow.h"

namespace vantrel::testing {

// Accepts the widths it is told to; records every change (nullopt: back to the desktop).
class FakeDisplaySettings : public IDisplaySettings {
public:
    std::set<std::int32_t> acceptedWidths;
    bool restoreFails = false;
    std::vector<std::optional<DisplayMode>> changes;

protected:
    DisplayChangeResult changeImpl(const DisplayMode* mode) override
    {
        if (mode == nullptr) {
            changes.push_back(std::nullopt);
            return restoreFails ? DisplayChangeResult{-1, "SDL_SetWindowFullscreen"}
                                : DisplayChangeResult{};
        }
        changes.push_back(*mode);
        if (acceptedWidths.count(mode->width) == 0) {
            return DisplayChangeResult{-1, "SDL_SetWindowDisplayMode"};
        }
        return DisplayChangeResult{};
    }
};

// Records what the display handler asked of the window, as a script of short words.
class FakeDisplayWindow : public IDisplayWindow {
public:
    std::vector<std::string> calls;
    bool fullscreenLayout = false;
    bool menuAttached = true;

protected:
    void showMessageImpl(int stringId) override
    {
        calls.push_back("message " + std::to_string(stringId));
    }
    void setFullscreenLayoutImpl(bool fullscreen) override
    {
        fullscreenLayout = fullscreen;
        calls.push_back(fullscreen ? "layout fullscreen" : "layout windowed");
    }
    void setMenuAttachedImpl(bool attached) override
    {
        menuAttached = attached;
        calls.push_back(attached ? "attach" : "detach");
    }
    void minimiseImpl() override { calls.push_back("minimise"); }
};

} // namespace vantrel::testing
