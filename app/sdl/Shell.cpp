#include "app/sdl/Shell.h"

#include <cstdio>
#include <string>

#include "app/sdl/Accelerators.h"
#include "app/CommandIds.h"
#include "app/Display.h"
#include "app/sdl/MessageBox.h"
#include "app/x11/X11PointerSource.h"
#include "app/x11/X11Window.h"
#include <vantrel/base/FailureText.h>
#include <vantrel/text/Font.h>

namespace vantrel {

namespace {

const char* const menuFaceName = "ＭＳ Ｐゴシック";
constexpr std::int32_t menuFontHeight = -12; // 9 points at 96 dots per inch

bool contains(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

} // namespace

Shell::Shell(const WindowOptions& options, SceneFactory createScene)
    : options(options), sceneFactory(std::move(createScene)),
      menu(MenuBar::createMainMenu(options.menu)), controller(menu)
{
    try {
        auto font = std::make_shared<Font>(menuFaceName, 0, menuFontHeight, false, false);
        FontMetrics metrics = font->getMetrics();
        painter = std::make_unique<MenuPainter>(std::move(font), metrics.ascent, metrics.height);
    } catch (const std::exception& failure) {
        report(failure);
        painter = std::make_unique<MenuPainter>(nullptr, 10, 12);
    }
}

Shell::~Shell()
{
    destroyWindow();
}

void Shell::run()
{
    if (!createWindow()) {
        destroyWindow();
        return;
    }
    SDL_StopTextInput();
    receiveWindowSystemEvents();
    removeMaximiseButton(window);
    SDL_ShowWindow(window);
    running = true;
    // Without an event type of its own the target is polled at the frame rate.
    bool polling = target->getEventType() == 0;
    while (running) {
        SDL_Event event;
        // A box that ended with the window closes the program without waiting for more.
        int received = closeAfterMessage ? 0 : polling ? SDL_WaitEventTimeout(&event, 16) : SDL_WaitEvent(&event);
        try {
            if (polling) {
                shellWindow->presentPending();
            }
            if (received != 0) {
                handleEvent(event);
            } else if (!polling && !closeAfterMessage) {
                break;
            }
            if (closeAfterMessage) {
                close();
            }
            if (shellWindow) {
                pointer->setFrameOrigin(shellWindow->getFrameOrigin());
            }
        } catch (const std::exception& failure) {
            report(failure);
        }
    }
    destroyWindow();
}

bool Shell::createWindow()
{
    const int width = static_cast<int>(options.width);
    const int windowedHeight = ShellWindow::windowedHeight(static_cast<int>(options.height));
    window = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                              width, windowedHeight, SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        return false;
    }
    target = std::make_shared<SdlWindowPresentTarget>(options.width, options.height);
    pointer = X11PointerSource::create(window);
    if (!pointer) {
        pointer = std::make_shared<WindowPointerSource>();
    }
    settings = std::make_shared<SdlDisplaySettings>(window, width, windowedHeight);
    Display& display = *Display::getInstance();
    display.setSettings(settings);
    shellWindow = std::make_unique<ShellWindow>(window, target, menu, controller, *painter,
                                                width, static_cast<int>(options.height));
    shellWindow->setMessageBackground([this](const SDL_Event* event) { return handleBehindMessage(event); });
    displayHandler = std::make_unique<DisplayHandler>(display, menu, *shellWindow);
    pointer->setFrameOrigin(shellWindow->getFrameOrigin());

    SDL_DisplayMode desktop{};
    int index = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetDesktopDisplayMode(index < 0 ? 0 : index, &desktop) != 0) {
        return false;
    }
    try {
        if (!displayHandler->onCreate(desktop.w, desktop.h)) {
            return false;
        }
    } catch (const std::exception& failure) {
        report(failure);
        return true;
    }
    createScene();
    return true;
}

void Shell::createScene()
{
    try {
        if (sceneFactory) {
            scene = sceneFactory(SceneContext{target, pointer, options.width, options.height});
        }
    } catch (const std::exception& failure) {
        report(failure);
    }
}

void Shell::handleEvent(const SDL_Event& event)
{
    if (target && target->getEventType() != 0 && event.type == target->getEventType()) {
        shellWindow->presentPending();
        return;
    }
    if (isDestroyedFromOutside(event, window)) {
        close();
        return;
    }
    switch (event.type) {
    case SDL_QUIT:
        close();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.windowID == SDL_GetWindowID(window)) {
            handleWindowEvent(event.window);
        }
        break;
    case SDL_KEYDOWN:
        handleKey(event.key);
        break;
    case SDL_KEYUP:
        handleKeyRelease(event.key);
        break;
    case SDL_MOUSEMOTION:
        handleMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        altTapped = false;
        handleButton(event.button);
        break;
    default:
        break;
    }
}

void Shell::handleWindowEvent(const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        paint();
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        displayHandler->onFocusGained();
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        altTapped = false;
        if (controller.isActive()) {
            controller.close();
            shellWindow->menuChanged();
        }
        displayHandler->onFocusLost();
        break;
    case SDL_WINDOWEVENT_CLOSE:
        close();
        break;
    default:
        break;
    }
}

void Shell::handleKey(const SDL_KeyboardEvent& event)
{
    SDL_Keycode key = event.keysym.sym;
    if (key == SDLK_LALT || key == SDLK_RALT) {
        // a tap of Alt alone selects the menu bar when it is let go
        altTapped = event.repeat == 0 ? true : altTapped;
        return;
    }
    altTapped = false;
    if (key == SDLK_F10 && (event.keysym.mod & (KMOD_CTRL | KMOD_SHIFT | KMOD_ALT)) == 0) {
        toggleMenuBar();
        return;
    }
    if (controller.isActive()) {
        handleMenuKey(event);
        return;
    }
    if (event.repeat == 0) {
        int command = translateAccelerator(event.keysym.sym, event.keysym.mod);
        if (command != 0) {
            executeCommand(command);
            return;
        }
    }
    char32_t mnemonic = menuMnemonicKey(event.keysym.sym, event.keysym.mod);
    if (mnemonic != 0 && shellWindow->isMenuShown() && controller.openByMnemonic(mnemonic)) {
        shellWindow->menuChanged();
    }
}

void Shell::handleKeyRelease(const SDL_KeyboardEvent& event)
{
    SDL_Keycode key = event.keysym.sym;
    if ((key == SDLK_LALT || key == SDLK_RALT) && altTapped) {
        altTapped = false;
        toggleMenuBar();
    }
}

void Shell::toggleMenuBar()
{
    if (!shellWindow->isMenuShown() && !controller.isActive()) {
        return;
    }
    controller.toggleBar();
    shellWindow->menuChanged();
}

void Shell::handleMenuKey(const SDL_KeyboardEvent& event)
{
    int command = 0;
    SDL_Keycode key = event.keysym.sym;
    switch (key) {
    case SDLK_UP:
        command = controller.key(MenuKey::Up);
        break;
    case SDLK_DOWN:
        command = controller.key(MenuKey::Down);
        break;
    case SDLK_LEFT:
        command = controller.key(MenuKey::Left);
        break;
    case SDLK_RIGHT:
        command = controller.key(MenuKey::Right);
        break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        command = controller.key(MenuKey::Enter);
        break;
    case SDLK_ESCAPE:
        command = controller.key(MenuKey::Escape);
        break;
    default:
        if (char32_t popup = menuMnemonicKey(key, event.keysym.mod); popup != 0) {
            controller.openByMnemonic(popup);
        } else if (key >= SDLK_a && key <= SDLK_z) {
            command = controller.character(static_cast<char32_t>(U'A' + (key - SDLK_a)));
        } else {
            return;
        }
        break;
    }
    shellWindow->menuChanged();
    if (command != 0) {
        executeCommand(command);
    }
}

void Shell::handleMotion(const SDL_MouseMotionEvent& event)
{
    Point point{event.x, event.y};
    Point origin = shellWindow->getFrameOrigin();
    pointer->setPosition(Point{point.x - origin.x, point.y - origin.y});
    if (controller.isOpen()) {
        int open = controller.getOpenPopup();
        int highlighted = controller.getHighlighted();
        controller.pointerMoved(shellWindow->hitTest(point));
        if (open != controller.getOpenPopup() || highlighted != controller.getHighlighted()) {
            shellWindow->menuChanged();
        }
        return;
    }
    displayHandler->onPointerMoved(point.y);
}

void Shell::handleButton(const SDL_MouseButtonEvent& event)
{
    if (event.button != SDL_BUTTON_LEFT) {
        return;
    }
    Point point{event.x, event.y};
    MenuHit hit = shellWindow->hitTest(point);
    if (event.type == SDL_MOUSEBUTTONUP) {
        if (!controller.isOpen()) {
            return;
        }
        int command = controller.pointerReleased(hit);
        shellWindow->menuChanged();
        if (command != 0) {
            executeCommand(command);
        }
        return;
    }
    bool wasOpen = controller.isActive();
    int open = controller.getOpenPopup();
    bool taken = controller.pointerPressed(hit);
    if (wasOpen || open != controller.getOpenPopup()) {
        shellWindow->menuChanged();
    }
    if (taken || !scene || !contains(shellWindow->getFrameArea(), point)) {
        return;
    }
    Point origin = shellWindow->getFrameOrigin();
    scene->click(point.x - origin.x, point.y - origin.y);
}

void Shell::executeCommand(int command)
{
    displayHandler->onCommand(command);
    if (command == exitCommand) {
        close();
        return;
    }
    shellWindow->menuChanged();
}

void Shell::paint()
{
    shellWindow->repaint();
    if (scene) {
        scene->paint();
    }
}

void Shell::close()
{
    if (!running) {
        return;
    }
    running = false;
    displayHandler->onDestroy();
    scene.reset();
}

void Shell::destroyWindow() noexcept
{
    scene.reset();
    if (settings) {
        settings->detach();
    }
    displayHandler.reset();
    shellWindow.reset();
    if (window != nullptr) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
}

void Shell::report(const std::exception& failure) noexcept
{
    try {
        std::string text = failureText(failure);
        // Also where a terminal sees it: the box may be behind other windows, or not shown.
        std::fprintf(stderr, "vantrel: %s\n", text.c_str());
        showErrorMessage(window, text.c_str(),
                         [this](const SDL_Event* event) { return handleBehindMessage(event); });
    } catch (...) {
    }
}

bool Shell::handleBehindMessage(const SDL_Event* event)
{
    if (!shellWindow) {
        return true;
    }
    bool presentEvent = target->getEventType() != 0 && event != nullptr &&
                        event->type == target->getEventType();
    if (presentEvent || (event == nullptr && target->getEventType() == 0)) {
        shellWindow->presentPending();
        return true;
    }
    if (event == nullptr) {
        return true;
    }
    if (isDestroyedFromOutside(*event, window)) {
        // Nobody is left to answer the box for: it goes with the window.
        closeAfterMessage = true;
        return false;
    }
    if (event->type == SDL_QUIT) {
        closeAfterMessage = true;
    } else if (event->type == SDL_WINDOWEVENT && event->window.windowID == SDL_GetWindowID(window) &&
               event->window.event == SDL_WINDOWEVENT_EXPOSED) {
        shellWindow->repaint();
    }
    return true;
}

} // namespace vantrel
