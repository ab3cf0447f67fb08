#pragma once

#include <windows.h>

#include "app/DisplayWindow.h"
#include "app/MenuModel.h"

namespace vantrel {

// The outer size of a window whose client area is a width x height frame, for `style`
// with or without a menu bar.
SIZE windowSizeFor(DWORD style, bool hasMenu, int width, int height);

// A warning box with string `stringId` and string 40002 as caption, from the resources.
void showStringMessage(HWND owner, int stringId);

// What the display handler changes in the Win32 window: style, z-order, size, the real
// menu (kept in step with the shared menu model) and message boxes.
class Win32DisplayWindow : public IDisplayWindow {
public:
    // The frame is frameWidth x frameHeight.
    Win32DisplayWindow(HWND window, const MenuBar& model, int frameWidth, int frameHeight)
        : window(window), model(model), frameWidth(frameWidth), frameHeight(frameHeight)
    {
    }

    // Copies the model's enabled states and radio marks into the window's menu (attached
    // or saved).
    void syncMenu() const;
    HMENU getSavedMenu() const noexcept { return savedMenu; }

protected:
    void showMessageImpl(int stringId) override;
    void setFullscreenLayoutImpl(bool fullscreen) override;
    void setMenuAttachedImpl(bool attached) override;
    void minimiseImpl() override;

private:
    void resize(HWND insertAfter);

    HWND window;
    const MenuBar& model;
    int frameWidth;
    int frameHeight;
    HMENU savedMenu = nullptr;
};

} // namespace vantrel
