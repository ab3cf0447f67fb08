// The benchmark scene in a web page: the shell over the page's canvases, driven by the
// browser's animation frames. The page passes its address's options as arguments:
// --steps N (the stepped checksum) and --bench SECONDS (the benchmark's figures).

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/web/WebShell.h"
#include <vantrel/sound/SoundManager.h>

namespace {

#if defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool pageThreads = true;
#else
constexpr bool pageThreads = false;
#endif

std::unique_ptr<vantrel::WebShell> shell;

EM_BOOL onAnimationFrame(double, void*)
{
    return shell && shell->animationFrame() ? EM_TRUE : EM_FALSE;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void vantrel_pointer_moved(int x, int y)
{
    if (shell) {
        shell->pointerMoved(vantrel::Point{x, y});
    }
}

EMSCRIPTEN_KEEPALIVE void vantrel_button(int down, int x, int y)
{
    if (shell) {
        shell->button(down != 0, vantrel::Point{x, y});
    }
}

EMSCRIPTEN_KEEPALIVE void vantrel_fullscreen_changed(int fullscreen)
{
    if (shell) {
        shell->fullscreenChanged(fullscreen != 0);
    }
}

} // extern "C"

int main(int argc, char** argv)
{
    vantrel::PageMode mode;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--steps") == 0) {
            mode.steps = std::clamp(std::atoi(argv[i + 1]), 0, 100000);
        } else if (std::strcmp(argv[i], "--bench") == 0) {
            mode.benchSeconds = std::clamp(std::atof(argv[i + 1]), 0.0, 3600.0);
        }
    }
    vantrel::SoundManager::getInstance();
    shell = std::make_unique<vantrel::WebShell>(pageThreads, mode);
    shell->start();
    emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
    // main returns; the page's event loop runs the shell from here on.
    return 0;
}
