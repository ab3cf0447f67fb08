#include "app/x11/X11PointerSource.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <utility>

namespace vantrel {

struct X11PointerSource::Connection {
    ::Display* display = nullptr;
    ::Window window = 0;
};

std::shared_ptr<WindowPointerSource> X11PointerSource::create(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11) {
        return nullptr;
    }
    auto connection = std::make_unique<Connection>();
    connection->display = XOpenDisplay(DisplayString(info.info.x11.display));
    if (connection->display == nullptr) {
        return nullptr;
    }
    connection->window = info.info.x11.window;
    return std::shared_ptr<WindowPointerSource>(new X11PointerSource(std::move(connection)));
}

X11PointerSource::X11PointerSource(std::unique_ptr<Connection> connection)
    : connection(std::move(connection))
{
}

X11PointerSource::~X11PointerSource()
{
    XCloseDisplay(connection->display);
}

Point X11PointerSource::getPositionImpl()
{
    ::Window root = 0;
    ::Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int buttons = 0;
    Bool sameScreen = False;
    {
        std::lock_guard<std::mutex> guard(lock);
        // The window coordinates hold also outside the window, as long as the pointer is
        // on the window's screen; a window destroyed from outside only makes the query fail.
        sameScreen = XQueryPointer(connection->display, connection->window, &root, &child, &rootX,
                                   &rootY, &windowX, &windowY, &buttons);
    }
    if (sameScreen == False) {
        return WindowPointerSource::getPositionImpl();
    }
    Point origin = getFrameOrigin();
    Point position{windowX - origin.x, windowY - origin.y};
    setPosition(position);
    return position;
}

} // namespace vantrel
