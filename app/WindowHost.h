#pragma once

/// @file
/// The window host: one window with a menu, full screen and message boxes, showing any
/// scene.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <vantrel/screen/PresentTarget.h>
#include <vantrel/shell/MenuTexts.h>
#include <vantrel/shell/IScene.h>
#include <vantrel/shell/PointerSource.h>

namespace vantrel {

/// How runWindow opens its window; the defaults are the benchmark's window.
struct WindowOptions {
    std::string title = "Vantrel"; ///< the window's title (UTF-8)
    std::uint32_t width = 1366;    ///< the client area's (and the frame's) width in pixels
    std::uint32_t height = 768;    ///< the frame's height in pixels, below the menu bar
    MenuTexts menu;                ///< the menu's texts
};

/// What the host hands a new scene.
struct SceneContext {
    std::shared_ptr<IPresentTarget> target;  ///< where the scene's Screen presents its frames
    std::shared_ptr<IPointerSource> pointer; ///< the pointer in the frame's coordinates
    std::uint32_t width = 0;                 ///< the frame's width (WindowOptions::width)
    std::uint32_t height = 0;                ///< the frame's height (WindowOptions::height)
};

/// Creates the scene once the window exists; called on the window's thread. What it
/// throws is shown in a message box and the window stays open without a scene.
using SceneFactory = std::function<std::shared_ptr<IScene>(const SceneContext&)>;

/// Opens the window, creates the scene through `createScene`, runs the message loop until
/// the window closes, then releases the scene. The window's thread calls the scene's
/// paint() when the window needs repainting and click() on a left click in the frame;
/// failures that reach the loop are shown in message boxes and the window goes on.
///
/// The display modes are the benchmark's, whatever the frame's size: full screen (View
/// menu, Alt+Enter) switches the display to 1366 x 768 (or 1360 x 768); on a screen of
/// exactly that size the window opens in full screen only; a smaller screen is refused
/// with a message and no window opens. Creates the sound manager for the scene and shuts
/// it down at the end.
///
/// Returns the process's exit code: 0, also when no window could be opened (the reason is
/// shown or written to the standard error stream).
int runWindow(const WindowOptions& options, const SceneFactory& createScene);

} // namespace vantrel
