#include "app/MessageBox.h"

#include "app/CommandIds.h"
#include "app/StringTable.h"

namespace vantrel {

namespace {

void show(SDL_Window* owner, const char* caption, const char* text)
{
    if (owner != nullptr && (SDL_GetWindowFlags(owner) & SDL_WINDOW_SHOWN) == 0) {
        owner = nullptr;
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption, text, owner);
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
