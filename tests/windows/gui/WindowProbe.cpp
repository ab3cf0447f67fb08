// Looks at and drives the running vantrel.exe from inside the same Wine session, for the
// window tests. One step per call; facts are printed as UTF-8 "name=value" lines.
//   wait-window SECONDS   the shown main window's title, client size, style and whether
//                         it has a menu
//   menu-resource EXE     the texts and states of menu 101 in EXE (Wine keeps a menu to
//                         its own process, so the live menu cannot be read from here)
//   wait-box SECONDS [keep]  the caption and text of a message box, which is then closed
//                         unless "keep" follows
//   keys ctrl+q|alt+enter the accelerator keys, typed into the main window
//   command ID            the menu command ID posted to the main window
//   close                 the window's close command (its system menu)
//   no-window             exit code 0 when there is no main window
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string utf8(const wchar_t* text)
{
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
    result.resize(std::strlen(result.c_str()));
    return result;
}

void print(const char* name, const std::string& value)
{
    std::printf("%s=%s\n", name, value.c_str());
    std::fflush(stdout);
}

HWND findMainWindow()
{
    return FindWindowW(L"Vantrel class", nullptr);
}

HWND findShownMainWindow()
{
    HWND window = findMainWindow();
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

template <class Find>
HWND waitFor(Find find, int seconds)
{
    for (int i = 0; i < seconds * 10; ++i) {
        if (HWND window = find()) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

std::string menuText(HMENU menu, UINT position)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return utf8(text);
}

// "text:state" per item, items after their popup, popups separated by " / ".
std::string describeMenu(HMENU menu)
{
    std::string result;
    for (int popup = 0; popup < GetMenuItemCount(menu); ++popup) {
        HMENU items = GetSubMenu(menu, popup);
        result += (popup > 0 ? " / " : "") + menuText(menu, static_cast<UINT>(popup));
        for (int item = 0; items != nullptr && item < GetMenuItemCount(items); ++item) {
            UINT state = GetMenuState(items, static_cast<UINT>(item), MF_BYPOSITION);
            result += " | " + menuText(items, static_cast<UINT>(item));
            result += (state & MF_GRAYED) != 0 ? ":grayed" : ":enabled";
            result += (state & MF_CHECKED) != 0 ? ":checked" : "";
        }
    }
    return result;
}

int describeWindow(int seconds)
{
    HWND window = waitFor(findShownMainWindow, seconds);
    if (window == nullptr) {
        print("error", "no window");
        return 1;
    }
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    print("title", utf8(title));
    RECT client{};
    GetClientRect(window, &client);
    print("client", std::to_string(client.right) + "x" + std::to_string(client.bottom));
    char style[16];
    std::snprintf(style, sizeof style, "0x%08lX", static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    print("style", style);
    print("menu", GetMenu(window) != nullptr ? "attached" : "none");
    return 0;
}

int describeMenuResource(const char* exe)
{
    HMODULE module = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = module != nullptr ? LoadMenuW(module, MAKEINTRESOURCEW(101)) : nullptr;
    if (menu == nullptr) {
        print("error", "no menu 101");
        return 1;
    }
    print("menu", describeMenu(menu));
    return 0;
}

BOOL CALLBACK findBox(HWND window, LPARAM found)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wcscmp(name, L"#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

int describeBox(int seconds, bool keep)
{
    HWND box = waitFor(
        [] {
            HWND found = nullptr;
            EnumWindows(findBox, reinterpret_cast<LPARAM>(&found));
            return found;
        },
        seconds);
    if (box == nullptr) {
        print("error", "no message box");
        return 1;
    }
    wchar_t text[512] = {};
    GetWindowTextW(box, text, 512);
    print("caption", utf8(text));
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    print("text", utf8(text));
    if (!keep) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return 0;
}

void press(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    Sleep(50);
}

int typeKeys(const char* keys)
{
    HWND window = findMainWindow();
    if (window == nullptr) {
        return 1;
    }
    SetForegroundWindow(window);
    Sleep(300);
    WORD modifier = std::strcmp(keys, "ctrl+q") == 0 ? VK_CONTROL : VK_MENU;
    WORD key = std::strcmp(keys, "ctrl+q") == 0 ? 'Q' : VK_RETURN;
    press(modifier, false);
    press(key, false);
    press(key, true);
    press(modifier, true);
    return 0;
}

int post(UINT message, WPARAM wParam)
{
    HWND window = findMainWindow();
    return window != nullptr && PostMessageW(window, message, wParam, 0) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return 2;
    }
    std::string step = argv[1];
    int value = argc > 2 ? std::atoi(argv[2]) : 0;
    if (step == "wait-window") {
        return describeWindow(value);
    }
    if (step == "wait-box") {
        return describeBox(value, argc > 3 && std::strcmp(argv[3], "keep") == 0);
    }
    if (step == "menu-resource" && argc > 2) {
        return describeMenuResource(argv[2]);
    }
    if (step == "keys" && argc > 2) {
        return typeKeys(argv[2]);
    }
    if (step == "command") {
        return post(WM_COMMAND, static_cast<WPARAM>(value));
    }
    if (step == "close") {
        return post(WM_SYSCOMMAND, SC_CLOSE);
    }
    if (step == "no-window") {
        return findMainWindow() == nullptr ? 0 : 1;
    }
    return 2;
}
