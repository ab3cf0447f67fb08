#pragma once

#include <SDL.h>

namespace vantrel {

// Ctrl+Q: Exit; Alt+Enter: switch between full screen and window. Other modifiers held
// with them spoil the match. 0 when the key is no accelerator.
int translateAccelerator(SDL_Keycode key, Uint16 modifiers) noexcept;

// Alt+letter opens a menu popup: the letter in upper case, or 0.
char32_t menuMnemonicKey(SDL_Keycode key, Uint16 modifiers) noexcept;

} // namespace vantrel
