#include "app/MessageBox.h"

#include <cstdio>

#include "app/CommandIds.h"
#include "app/StringTable.h"

namespace vantrel {

namespace {

void show(SDL_Window* owner, const char* caption, const char* text)
{
    if (owner != nullptr && (SDL_GetWindowFlags(owner) & SDL_WINDOW_SHOWN) == 0) {
        owner = nullptr;
    }
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption, text, owner) != 0) {
        // The user cannot see it: keep the text and the reason where a terminal can.
        std::fprintf(stderr, "%s: %s (no message box: %s)\n", caption, text, SDL_GetError());
    }
}

const char* orEmpty(const char* text)
{
    return text != nullptr ? text : "";
}

} // namespace

void showMessage(SDL_Window* owner, int stringId)
{
    show(owner, orEmpty(loadString(captionString)), orEmpty(loadString(stringId)));
}

void showErrorMessage(SDL_Window* owner, const char* text)
{
    show(owner, "", orEmpty(text));
}

} // namespace vantrel
