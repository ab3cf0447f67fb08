#pragma once

#include <SDL.h>

namespace vantrel {

// A warning box with string `stringId` as its text and string 40002 as its caption
// (an unknown id gives an empty text). `owner` may be null.
void showMessage(SDL_Window* owner, int stringId);

// A warning box with `text` and no caption: what an unhandled failure says.
void showErrorMessage(SDL_Window* owner, const char* text);

} // namespace vantrel
