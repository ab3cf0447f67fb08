#pragma once

#include <windows.h>

namespace vantrel {

// The one top-level window: class "Vantrel class", title "Vantrel", a 1366 x 768 client
// area, menu 101. Its procedure lets the display handler see every message first, creates
// the scene on WM_CREATE and drops it on WM_DESTROY, and shows every failure that reaches
// it in a message box.
class MainWindow {
public:
    static constexpr const wchar_t* className = L"Vantrel class";
    static constexpr DWORD style = 0x02CA0000; // clip children, caption, system menu, minimise box

    // False when the class could not be registered.
    static bool registerClass(HINSTANCE instance);
    // Null when creation failed, in particular when the screen was refused.
    static HWND create(HINSTANCE instance);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace vantrel
