#include "app/sdl/SdlDisplaySettings.h"

namespace vantrel {

namespace {

constexpr std::int32_t changeFailed = -1;

} // namespace

DisplayChangeResult SdlDisplaySettings::changeImpl(const DisplayMode* mode)
{
    if (window == nullptr) {
        return mode == nullptr ? DisplayChangeResult{}
                               : DisplayChangeResult{changeFailed, "SDL_SetWindowDisplayMode"};
    }
    if (mode == nullptr) {
        if (SDL_SetWindowFullscreen(window, 0) != 0) {
            return DisplayChangeResult{changeFailed, "SDL_SetWindowFullscreen"};
        }
        return DisplayChangeResult{};
    }
    return enter(*mode);
}

DisplayChangeResult SdlDisplaySettings::enter(const DisplayMode& mode)
{
    int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0) {
        return DisplayChangeResult{changeFailed, "SDL_GetWindowDisplayIndex"};
    }
    SDL_DisplayMode wanted{SDL_PIXELFORMAT_UNKNOWN, mode.width, mode.height, 0, nullptr};
    SDL_DisplayMode closest{};
    if (SDL_GetClosestDisplayMode(display, &wanted, &closest) == nullptr ||
        closest.w != mode.width || closest.h != mode.height) {
        return DisplayChangeResult{changeFailed, "SDL_SetWindowDisplayMode"};
    }
    // Cover the display before asking for full screen, so that the window fills it even
    // where no window manager carries the request out.
    int windowedX = 0;
    int windowedY = 0;
    SDL_GetWindowPosition(window, &windowedX, &windowedY);
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) == 0) {
        SDL_SetWindowPosition(window, bounds.x, bounds.y);
        SDL_SetWindowSize(window, mode.width, mode.height);
    }
    if (SDL_SetWindowDisplayMode(window, &closest) != 0) {
        leave(windowedX, windowedY);
        return DisplayChangeResult{changeFailed, "SDL_SetWindowDisplayMode"};
    }
    if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        leave(windowedX, windowedY);
        return DisplayChangeResult{changeFailed, "SDL_SetWindowFullscreen"};
    }
    // A hidden window takes its mode when shown; the closest-mode answer stands for it.
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0) {
        SDL_DisplayMode current{};
        if (SDL_GetCurrentDisplayMode(display, &current) != 0 || current.w != mode.width ||
            current.h != mode.height) {
            leave(windowedX, windowedY);
            return DisplayChangeResult{changeFailed, "SDL_SetWindowDisplayMode"};
        }
    }
    return DisplayChangeResult{};
}

void SdlDisplaySettings::leave(int x, int y)
{
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowSize(window, windowedWidth, windowedHeight);
    SDL_SetWindowPosition(window, x, y);
}

} // namespace vantrel
