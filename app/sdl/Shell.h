#pragma once

#include <SDL.h>

#include <exception>
#include <memory>

#include "app/DisplayHandler.h"
#include "app/MenuController.h"
#include "app/MenuModel.h"
#include "app/MenuPainter.h"
#include "app/sdl/SdlDisplaySettings.h"
#include "app/sdl/ShellWindow.h"
#include "app/WindowPointerSource.h"
#include <vantrel/screen/sdl/SdlWindowPresentTarget.h>
#include <vantrel/shell/IScene.h>
#include <vantrel/shell/WindowHost.h>

namespace vantrel {

// The main window's life: creation (the display mode for this screen, then the caller's
// scene), the event loop with the menu and its commands, and destruction. SDL's video
// subsystem must be running. Every failure that reaches an event handler is shown in a message box
// and the program goes on.
class Shell {
public:
    Shell(const WindowOptions& options, SceneFactory createScene);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Returns when the window has been closed, or at once when it was refused.
    void run();

private:
    bool createWindow();
    void createScene();
    void handleEvent(const SDL_Event& event);
    void handleWindowEvent(const SDL_WindowEvent& event);
    void handleKey(const SDL_KeyboardEvent& event);
    void handleKeyRelease(const SDL_KeyboardEvent& event);
    void toggleMenuBar();
    void handleMotion(const SDL_MouseMotionEvent& event);
    void handleButton(const SDL_MouseButtonEvent& event);
    void handleMenuKey(const SDL_KeyboardEvent& event);
    void executeCommand(int command);
    void paint();
    void close();
    void destroyWindow() noexcept;
    void report(const std::exception& failure) noexcept;
    // The main window's part while a message box is open: frames go on being presented.
    // False when the window was destroyed from outside: the box goes with it.
    bool handleBehindMessage(const SDL_Event* event);

    WindowOptions options;
    SceneFactory sceneFactory;
    MenuBar menu;
    MenuController controller;
    std::unique_ptr<MenuPainter> painter;
    SDL_Window* window = nullptr;
    std::shared_ptr<SdlWindowPresentTarget> target;
    std::shared_ptr<WindowPointerSource> pointer;
    std::shared_ptr<SdlDisplaySettings> settings;
    std::unique_ptr<ShellWindow> shellWindow;
    std::unique_ptr<DisplayHandler> displayHandler;
    std::shared_ptr<IScene> scene;
    bool running = false;
    bool closeAfterMessage = false;
    bool altTapped = false; // Alt is down and no other key came since
};

} // namespace vantrel
