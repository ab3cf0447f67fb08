#pragma once

#include <cstdint>
#include <memory>

#include "app/DisplaySettings.h"
#include <vantrel/sound/Singleton.h>

namespace vantrel {

// Owns the full-screen display mode: chooses it, applies it, suspends it while the window
// is inactive and gives the desktop its own mode back, at the latest at process exit.
class Display : public Singleton<Display> {
public:
    Display() = default;
    ~Display() override;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Where mode changes go; without one, every change fails.
    void setSettings(std::shared_ptr<IDisplaySettings> settings) noexcept;

    // Full screen at width x 768; an earlier full-screen mode is given up first.
    // Throws DisplayException when the change is refused.
    void setFullscreen(std::int32_t width);
    // Back to the desktop's mode; `applied` keeps its value.
    void setWindowed();
    // Focus lost: the desktop gets its mode back until resume().
    void suspend();
    // Focus regained: the chosen mode applies again.
    void resume();

    bool isFullscreen() const noexcept { return fullscreen; }
    bool isApplied() const noexcept { return applied; }
    const DisplayMode& getMode() const noexcept { return mode; }

private:
    DisplayMode mode;
    bool fullscreen = false;
    bool applied = true;
    std::shared_ptr<IDisplaySettings> settings;
};

} // namespace vantrel
