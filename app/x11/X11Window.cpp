#include "app/x11/X11Window.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace vantrel {

namespace {

int reportXError(::Display* display, XErrorEvent* error)
{
    // A window destroyed from outside makes SDL's later requests on it fail: expected.
    if (error->error_code != BadWindow && error->error_code != BadDrawable) {
        char text[256] = {};
        XGetErrorText(display, error->error_code, text, sizeof text);
        std::fprintf(stderr, "vantrel: X error: %s (request %d)\n", text, error->request_code);
    }
    return 0;
}

int endOnLostConnection(::Display*)
{
    // The X server is gone: nothing can be shown any more. Xlib does not let the program
    // go on, so end it here the way every other end does.
    std::_Exit(0);
}

bool x11Window(SDL_Window* window, SDL_SysWMinfo& info) noexcept
{
    SDL_VERSION(&info.version);
    return window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
           info.subsystem == SDL_SYSWM_X11;
}

// Motif window-manager hints, as window managers read them.
struct MotifHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long inputMode;
    unsigned long status;
};
constexpr unsigned long hintFunctions = 1UL << 0;
constexpr unsigned long hintDecorations = 1UL << 1;
constexpr unsigned long functionMove = 1UL << 2;
constexpr unsigned long functionMinimise = 1UL << 3;
constexpr unsigned long functionClose = 1UL << 5;
constexpr unsigned long decorationBorder = 1UL << 1;
constexpr unsigned long decorationTitle = 1UL << 3;
constexpr unsigned long decorationMenu = 1UL << 4;
constexpr unsigned long decorationMinimise = 1UL << 5;

} // namespace

void keepRunningThroughX11Errors() noexcept
{
    XSetErrorHandler(&reportXError);
    XSetIOErrorHandler(&endOnLostConnection);
}

void receiveWindowSystemEvents() noexcept
{
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool isDestroyedFromOutside(const SDL_Event& event, SDL_Window* window) noexcept
{
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
        event.syswm.msg->subsystem != SDL_SYSWM_X11) {
        return false;
    }
    SDL_SysWMinfo info;
    if (!x11Window(window, info)) {
        return false;
    }
    const XEvent& x = event.syswm.msg->msg.x11.event;
    return x.type == DestroyNotify && x.xdestroywindow.window == info.info.x11.window;
}

void setWindowMessageText(SDL_Window* window, const char* text) noexcept
{
    SDL_SysWMinfo info;
    if (!x11Window(window, info)) {
        return;
    }
    ::Display* display = info.info.x11.display;
    XChangeProperty(display, info.info.x11.window, XInternAtom(display, "_VANTREL_MESSAGE_TEXT", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text), static_cast<int>(SDL_strlen(text)));
}

void removeMaximiseButton(SDL_Window* window) noexcept
{
    SDL_SysWMinfo info;
    if (!x11Window(window, info)) {
        return;
    }
    MotifHints hints{hintFunctions | hintDecorations, functionMove | functionMinimise | functionClose,
                     decorationBorder | decorationTitle | decorationMenu | decorationMinimise, 0, 0};
    ::Display* display = info.info.x11.display;
    Atom property = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, info.info.x11.window, property, property, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&hints), 5);
    XFlush(display);
}

} // namespace vantrel
