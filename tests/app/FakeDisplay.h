#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/DisplaySettings.h"
#include "app/DisplayWindow.h"

namespace vantrel::testing {

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

} // namespace vantrel::testing
