#pragma once

#include <SDL.h>

#include <memory>

#include "app/DisplayWindow.h"
#include "app/sdl/MessageBox.h"
#include "app/MenuController.h"
#include "app/MenuLayout.h"
#include "app/MenuModel.h"
#include "app/MenuPainter.h"
#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/sdl/SdlWindowPresentTarget.h>

namespace vantrel {

// The window's surface as the user sees it: the frame, the menu bar above it (or over it
// in full screen, while shown) and the open popup over both. Main thread only.
class ShellWindow : public IDisplayWindow {
public:
    ShellWindow(SDL_Window* window, std::shared_ptr<SdlWindowPresentTarget> target,
                const MenuBar& menu, const MenuController& controller, MenuPainter& painter,
                int frameWidth, int frameHeight);

    SDL_Window* getWindow() const noexcept { return window; }
    const MenuLayout& getLayout() const noexcept { return layout; }
    // Where the frame's top-left corner lies in the window.
    Point getFrameOrigin() const noexcept;
    Rect getFrameArea() const noexcept;
    bool isMenuShown() const noexcept { return !fullscreen || menuAttached; }

    // What of the menu lies under a window position; nothing while the bar is hidden,
    // except the open popup.
    MenuHit hitTest(Point point) const;

    // A frame rectangle became pending: bring it to the screen.
    void presentPending();
    // Redraws everything: after an expose, a resize or a change of layout.
    void repaint();
    // The menu's items or the controller's state changed.
    void menuChanged();

    // What the main window does with events while a message box is open.
    void setMessageBackground(BackgroundEvents events) { messageBackground = std::move(events); }

    // Window height outside full screen: the menu bar and a frame of `frameHeight` rows.
    static int windowedHeight(int frameHeight) noexcept;

protected:
    void showMessageImpl(int stringId) override;
    void setFullscreenLayoutImpl(bool fullscreen) override;
    void setMenuAttachedImpl(bool attached) override;
    void minimiseImpl() override;

private:
    Rect openPopupFrame() const;
    void paintMenu();
    // Copies the menu images over whatever of `area` they cover.
    void overlayMenu(SDL_Surface* surface, const Rect& area);
    void compose(const Rect& area);
    void update(const Rect& area);

    SDL_Window* window;
    int frameWidth;
    int frameHeight;
    std::shared_ptr<SdlWindowPresentTarget> target;
    const MenuBar& menu;
    const MenuController& controller;
    MenuPainter& painter;
    MenuLayout layout;
    Image barImage;
    std::unique_ptr<Image> popupImage;
    Rect shownPopup;
    bool fullscreen = false;
    bool menuAttached = true;
    BackgroundEvents messageBackground;
};

} // namespace vantrel
