// Checks the pointer source the shell gives the scene against the X server's own answer:
// a window at a known place, the pointer warped outside it before the source exists, then
// inside, then outside again above and left of it (negative client coordinates).
// Usage: vantrel-pointer-probe, with a display. Prints each case; exit code 1 on a mismatch.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>

#include "app/x11/X11PointerSource.h"

namespace {

constexpr int windowX = 200;
constexpr int windowY = 150;
constexpr int frameTop = 20; // the frame starts below the menu bar

bool expect(vantrel::IPointerSource& source, const char* name, int x, int y)
{
    // the render thread reads once per iteration: give the server a moment
    vantrel::Point seen{};
    for (int attempt = 0; attempt < 50; ++attempt) {
        seen = source.getPosition();
        if (seen.x == x && seen.y == y) {
            break;
        }
        SDL_Delay(10);
    }
    std::printf("%s: (%d, %d), expected (%d, %d)\n", name, seen.x, seen.y, x, y);
    return seen.x == x && seen.y == y;
}

} // namespace

int main(int, char**)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    auto warp = [&](int x, int y) {
        XWarpPointer(display, None, root, 0, 0, 0, 0, x, y);
        XSync(display, False);
    };
    warp(1900, 1060); // outside the window before it and its source exist

    SDL_Window* window = SDL_CreateWindow("probe", windowX, windowY, 1366, 788, SDL_WINDOW_SHOWN);
    auto source = window != nullptr ? vantrel::X11PointerSource::create(window) : nullptr;
    if (!source) {
        std::fprintf(stderr, "no X11 pointer source: %s\n", SDL_GetError());
        return 2;
    }
    source->setFrameOrigin(vantrel::Point{0, frameTop});
    // where the window really lies on the root window
    SDL_SysWMinfo info;
    int originX = windowX;
    int originY = windowY;
    Window child = 0;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE) {
        XTranslateCoordinates(display, info.info.x11.window, root, 0, 0, &originX, &originY, &child);
    }

    bool passed = expect(*source, "outside before start", 1900 - originX, 1060 - originY - frameTop);
    warp(originX + 300, originY + 400);
    passed &= expect(*source, "inside", 300, 400 - frameTop);
    warp(5, 5);
    passed &= expect(*source, "outside after", 5 - originX, 5 - originY - frameTop);

    source.reset();
    SDL_DestroyWindow(window);
    SDL_Quit();
    XCloseDisplay(display);
    return passed ? 0 : 1;
}
