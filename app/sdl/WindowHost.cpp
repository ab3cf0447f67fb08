#include <vantrel/shell/WindowHost.h>

#include <SDL.h>

#include <cstdio>
#include <exception>

#include "app/sdl/QuietAudioProbe.h"
#include "app/sdl/Shell.h"
#include "app/x11/X11Window.h"
#include <vantrel/sound/ComInitializer.h>
#include <vantrel/sound/SoundManager.h>

namespace vantrel {

int runWindow(const WindowOptions& options, const SceneFactory& createScene)
{
    try {
        [[maybe_unused]] vantrel::ComInitializer com;
        vantrel::silenceAudioLibraryDiagnostics();
        vantrel::SoundManager::getInstance();

        // The direct framebuffer path sends only the updated rectangles to the X server.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // Focus changes in full screen are handled by the shell itself.
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        vantrel::keepRunningThroughX11Errors();
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            vantrel::keepRunningThroughX11Errors();
            {
                vantrel::Shell shell(options, createScene);
                shell.run();
            }
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        } else {
            // Without a window there is nobody else to tell why the program ends at once.
            std::fprintf(stderr, "vantrel: no window: %s\n", SDL_GetError());
        }

        try {
            vantrel::SoundManager::destroy();
        } catch (const std::exception&) {
        }
    } catch (const std::exception&) {
    }
    SDL_Quit();
    return 0;
}

} // namespace vantrel
