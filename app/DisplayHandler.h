#pragma once

#include <cstdint>

#include "app/Display.h"
#include "app/DisplayWindow.h"
#include "app/MenuModel.h"

namespace vantrel {

// Chooses windowed or full-screen display for the screen, switches between them on
// commands, follows the window's focus and, in full screen, shows the menu bar only
// while the pointer is near the top. A refused mode change shows its message and leaves
// everything as it was.
class DisplayHandler {
public:
    static constexpr std::int32_t menuRevealRows = 50;

    DisplayHandler(Display& display, MenuBar& menu, IDisplayWindow& window)
        : display(display), menu(menu), window(window)
    {
    }

    // The window is being created on a screen of this size; false refuses it.
    bool onCreate(std::int32_t screenWidth, std::int32_t screenHeight);
    void onCommand(int command);
    void onFocusLost();
    void onFocusGained();
    // y in window coordinates.
    void onPointerMoved(std::int32_t y);
    void onDestroy();

    bool isFullscreenAllowed() const noexcept { return fullscreenAllowed; }
    bool isMenuDetached() const noexcept { return menuDetached; }

private:
    void enterFullscreen();
    void leaveFullscreen();
    void applyFullscreenMode();
    void detachMenu();
    void attachMenu();

    Display& display;
    MenuBar& menu;
    IDisplayWindow& window;
    bool fullscreenAllowed = true;
    bool menuDetached = false;
};

} // namespace vantrel
