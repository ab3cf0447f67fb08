#pragma once

#include "app/ShellTexts.h"

namespace vantrel {

// Menu and accelerator commands.
constexpr int exitCommand = VANTREL_EXIT_COMMAND;
constexpr int fullscreenCommand = VANTREL_FULLSCREEN_COMMAND;
constexpr int toggleDisplayCommand = VANTREL_TOGGLE_DISPLAY_COMMAND; // Alt+Enter; no menu item
constexpr int windowCommand = VANTREL_WINDOW_COMMAND;

// String table entries.
constexpr int displayChangeFailedString = VANTREL_DISPLAY_CHANGE_FAILED_STRING;
constexpr int displayTooSmallString = VANTREL_DISPLAY_TOO_SMALL_STRING;
constexpr int captionString = VANTREL_CAPTION_STRING;

// The frame every display mode shows.
constexpr int clientWidth = 1366;
constexpr int clientHeight = 768;

} // namespace vantrel
