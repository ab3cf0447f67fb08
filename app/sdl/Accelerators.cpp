#include "app/sdl/Accelerators.h"

#include "app/CommandIds.h"

namespace vantrel {

namespace {

constexpr Uint16 relevant = KMOD_CTRL | KMOD_ALT | KMOD_SHIFT | KMOD_GUI;

bool only(Uint16 modifiers, Uint16 wanted)
{
    Uint16 held = modifiers & relevant;
    return (held & wanted) != 0 && (held & ~wanted) == 0;
}

} // namespace

int translateAccelerator(SDL_Keycode key, Uint16 modifiers) noexcept
{
    if (key == SDLK_q && only(modifiers, KMOD_CTRL)) {
        return exitCommand;
    }
    if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && only(modifiers, KMOD_ALT)) {
        return toggleDisplayCommand;
    }
    return 0;
}

char32_t menuMnemonicKey(SDL_Keycode key, Uint16 modifiers) noexcept
{
    if (key >= SDLK_a && key <= SDLK_z && only(modifiers, KMOD_ALT)) {
        return static_cast<char32_t>(U'A' + (key - SDLK_a));
    }
    return 0;
}

} // namespace vantrel
