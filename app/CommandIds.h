#pragma once

namespace vantrel {

// Menu and accelerator commands.
constexpr int exitCommand = 40000;
constexpr int fullscreenCommand = 40002;
constexpr int toggleDisplayCommand = 40003; // Alt+Enter; no menu item
constexpr int windowCommand = 40004;

// String table entries.
constexpr int displayChangeFailedString = 40000;
constexpr int displayTooSmallString = 40001;
constexpr int captionString = 40002;

// The frame every display mode shows.
constexpr int clientWidth = 1366;
constexpr int clientHeight = 768;

} // namespace vantrel
