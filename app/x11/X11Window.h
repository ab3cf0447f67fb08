#pragma once

#include <SDL.h>

namespace vantrel {

// What the shell needs from X11 beyond SDL. Every function does nothing (or answers false)
// where SDL's video driver is not X11.

// Keeps X errors from ending the program: Xlib's own handlers end it with exit code 1, for
// example when another client destroyed the window under SDL. Call both before SDL's video
// subsystem starts (SDL keeps the handler it finds and puts it back when it stops) and after
// (SDL's own handler would otherwise pass errors on to it after undoing display changes).
void keepRunningThroughX11Errors() noexcept;

// Lets SDL deliver the window system's own events as SDL_SYSWMEVENT.
void receiveWindowSystemEvents() noexcept;

// Whether `event` says that `window` was destroyed by another client.
bool isDestroyedFromOutside(const SDL_Event& event, SDL_Window* window) noexcept;

// Publishes a message box's text as the window's _VANTREL_MESSAGE_TEXT property (UTF-8),
// where tools that read the screen for the user can find it.
void setWindowMessageText(SDL_Window* window, const char* text) noexcept;

// Asks window managers for a title bar without a maximise button: the window keeps one size.
void removeMaximiseButton(SDL_Window* window) noexcept;

} // namespace vantrel
