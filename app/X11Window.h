#pragma once

#include <SDL.h>

namespace vantrel {

// What the shell needs from X11 beyond SDL. Every function does nothing (or answers false)
// where SDL's video driver is not X11.

// Keeps X errors from ending the program: Xlib's own handlers end it with exit code 1, for
// example when another client destroyed the window under SDL. Call after SDL's video
// subsystem has started (it installs handlers of its own).
void keepRunningThroughX11Errors() noexcept;

// Lets SDL deliver the window system's own events as SDL_SYSWMEVENT.
void receiveWindowSystemEvents() noexcept;

// Whether `event` says that `window` was destroyed by another client.
bool isDestroyedFromOutside(const SDL_Event& event, SDL_Window* window) noexcept;

// Asks window managers for a title bar without a maximise button: the window keeps one size.
void removeMaximiseButton(SDL_Window* window) noexcept;

} // namespace vantrel
