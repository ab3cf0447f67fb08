#include "app/win32/Win32DisplayWindow.h"

#include "app/CommandIds.h"

namespace vantrel {

namespace {

constexpr DWORD fullscreenStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD windowedStyle = 0x12CA0000; // the window's own style, visible
constexpr int maxStringLength = 260;

} // namespace

SIZE windowSizeFor(DWORD style, bool hasMenu, int width, int height)
{
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, style, hasMenu);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void showStringMessage(HWND owner, int stringId)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    wchar_t text[maxStringLength] = {};
    wchar_t caption[maxStringLength] = {};
    if (stringId >= 0) {
        LoadStringW(instance, static_cast<UINT>(stringId), text, maxStringLength);
    }
    LoadStringW(instance, captionString, caption, maxStringLength);
    MessageBoxW(owner, text, caption, MB_ICONWARNING | MB_OK);
}

void Win32DisplayWindow::syncMenu() const
{
    HMENU menu = savedMenu != nullptr ? savedMenu : GetMenu(window);
    if (menu == nullptr) {
        return;
    }
    for (const MenuPopup& popup : model.getPopups()) {
        for (const MenuItem& item : popup.items) {
            auto command = static_cast<UINT>(item.command);
            EnableMenuItem(menu, command, MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
            if (item.checked) {
                CheckMenuRadioItem(menu, fullscreenCommand, windowCommand, command, MF_BYCOMMAND);
            }
        }
    }
    if (savedMenu == nullptr) {
        DrawMenuBar(window);
    }
}

void Win32DisplayWindow::showMessageImpl(int stringId)
{
    showStringMessage(window, stringId);
}

void Win32DisplayWindow::setFullscreenLayoutImpl(bool fullscreen)
{
    if (fullscreen) {
        // Not yet shown while the window is being created.
        DWORD visible = IsWindowVisible(window) ? WS_VISIBLE : 0;
        SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(fullscreenStyle | visible));
        resize(HWND_TOPMOST);
    } else {
        SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(windowedStyle));
        resize(HWND_NOTOPMOST);
    }
}

void Win32DisplayWindow::setMenuAttachedImpl(bool attached)
{
    if (attached) {
        if (savedMenu != nullptr) {
            SetMenu(window, savedMenu);
            savedMenu = nullptr;
        }
    } else if (savedMenu == nullptr) {
        savedMenu = GetMenu(window);
        SetMenu(window, nullptr);
    }
}

void Win32DisplayWindow::minimiseImpl()
{
    CloseWindow(window);
}

void Win32DisplayWindow::resize(HWND insertAfter)
{
    auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    SIZE size = windowSizeFor(style, GetMenu(window) != nullptr, frameWidth, frameHeight);
    SetWindowPos(window, insertAfter, 0, 0, size.cx, size.cy, 0);
}

} // namespace vantrel
