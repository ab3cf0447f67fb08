#pragma once

#include <windows.h>

#include <vantrel/shell/WindowHost.h>

namespace vantrel {

// The one top-level window: class "Vantrel class", the caller's title and client area
// (by default "Vantrel", 1366 x 768) and the menu of resource 101 with the caller's texts.
// Its procedure lets the display handler see every message first, creates the caller's
// scene on WM_CREATE and drops it on WM_DESTROY, and shows every failure that reaches it
// in a message box.
class MainWindow {
public:
    static constexpr const wchar_t* className = L"Vantrel class";
    static constexpr DWORD style = 0x02CA0000; // clip children, caption, system menu, minimise box

    // False when the class could not be registered.
    static bool registerClass(HINSTANCE instance);
    // Null when creation failed, in particular when the screen was refused.
    static HWND create(HINSTANCE instance, const WindowOptions& options, SceneFactory createScene);
    // Ctrl+Q (Exit) and Alt+Enter (toggle full screen), as accelerator table 103 has them.
    static HACCEL createAccelerators();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace vantrel
