#pragma once

#include <SDL.h>

#include <functional>

namespace vantrel {

// Called with every event that is not the box's own while a box is open (so the window
// behind it goes on presenting frames), and with null about 60 times a second. Returns
// false when the box must go without an answer: its owner is gone.
using BackgroundEvents = std::function<bool(const SDL_Event* event)>;

// A warning box, drawn by the program in a window of its own, with string 40002 as its
// caption and string `stringId` as its text (an unknown id gives an empty text). Returns
// when OK was pressed (a click, Return, Space or Esc). `owner` may be null.
void showMessage(SDL_Window* owner, int stringId, const BackgroundEvents& background = {});

// The same box with `text`: what an unhandled failure says.
void showErrorMessage(SDL_Window* owner, const char* text, const BackgroundEvents& background = {});

} // namespace vantrel
