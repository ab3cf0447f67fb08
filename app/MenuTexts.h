#pragma once

/// @file
/// The texts of the window host's menu.

#include <string>

namespace vantrel {

/// The texts of the window's menu (UTF-8). "&" marks the next character as the item's
/// mnemonic ("&&" is a literal "&"); a tab separates the accelerator shown at the right.
/// The commands stay fixed: Exit (Ctrl+Q), Fullscreen and Window (Alt+Enter toggles).
struct MenuTexts {
    std::string file = "ファイル(&F)";                          ///< the first popup
    std::string exit = "終了(&X)\tCtrl+Q";                       ///< closes the window
    std::string view = "表示(&V)";                              ///< the second popup
    std::string fullscreen = "フルスクリーン(&S)\tAlt+Enter";    ///< switches to full screen
    std::string window = "ウィンドウ(&W)\tAlt+Enter";            ///< back to the window
};

} // namespace vantrel
