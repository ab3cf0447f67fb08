#pragma once

#include <SDL.h>

#include "app/DisplaySettings.h"

namespace vantrel {

// Full screen through SDL's exclusive full-screen window. A mode counts as applied only
// when the display reports it afterwards: SDL may claim success and keep another mode.
class SdlDisplaySettings : public IDisplaySettings {
public:
    // `windowedWidth` x `windowedHeight`: the window's size outside full screen.
    SdlDisplaySettings(SDL_Window* window, int windowedWidth, int windowedHeight) noexcept
        : window(window), windowedWidth(windowedWidth), windowedHeight(windowedHeight)
    {
    }

    // The window is going away; SDL gives the desktop its mode back with it.
    void detach() noexcept { window = nullptr; }

protected:
    DisplayChangeResult changeImpl(const DisplayMode* mode) override;

private:
    DisplayChangeResult enter(const DisplayMode& mode);
    // A refused change: back to the windowed size at (x, y).
    void leave(int x, int y);

    SDL_Window* window;
    int windowedWidth;
    int windowedHeight;
};

} // namespace vantrel
