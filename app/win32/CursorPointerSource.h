#pragma once

#include <windows.h>

#include <vantrel/shell/PointerSource.h>

namespace vantrel {

// The cursor position in the window's client coordinates, asked of the system on each call
// (any thread may call it).
class CursorPointerSource : public IPointerSource {
public:
    explicit CursorPointerSource(HWND window) : window(window) {}

protected:
    Point getPositionImpl() override
    {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        return Point{cursor.x, cursor.y};
    }

private:
    HWND window;
};

} // namespace vantrel
