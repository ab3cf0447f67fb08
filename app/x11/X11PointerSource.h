#pragma once

#include <SDL.h>

#include <memory>
#include <mutex>

#include "app/WindowPointerSource.h"

namespace vantrel {

// Asks the X server where the pointer is on every read, so the position is right also
// while the pointer lies outside the window. Uses a connection of its own, so the render
// thread never shares SDL's.
class X11PointerSource : public WindowPointerSource {
public:
    // Null unless SDL drives `window` through X11 and a connection to its display opens.
    static std::shared_ptr<WindowPointerSource> create(SDL_Window* window);
    ~X11PointerSource() override;
    X11PointerSource(const X11PointerSource&) = delete;
    X11PointerSource& operator=(const X11PointerSource&) = delete;

protected:
    Point getPositionImpl() override;

private:
    struct Connection;
    explicit X11PointerSource(std::unique_ptr<Connection> connection);

    std::mutex lock;
    std::unique_ptr<Connection> connection;
};

} // namespace vantrel
