// Looks at and drives the running vantrel.exe from inside the same Wine session, for the
// window tests. One step per call; facts are printed as UTF-8 "name=value" lines.
//   wait-window SECONDS   the shown main window's title, client size, style, whether it
//                         has a menu, and its DPI awareness
//   wait-box SECONDS [keep]  the caption and text of a message box, which is then closed
//                         unless "keep" follows
//   keys ctrl+q|alt+enter the accelerator keys, typed into the main window
//   command ID            the menu command ID posted to the main window
//   close                 the window's close command (its system menu)
//   no-window             exit code 0 when there is no main window
//   resources EXE         the texts and states of menu 101 in EXE (Wine keeps a menu to
//                         its own process, so the live menu cannot be read from here), what
//                         EXE's manifest asks of the system, the sizes its icon loads at, its
//                         version and the languages of its menu and strings
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

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
    const char* const awareness[] = {"unaware", "system", "per-monitor"}; // DPI_AWARENESS 0, 1, 2
    int index = GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window));
    print("window-dpi-awareness", index >= 0 && index < 3 ? awareness[index] : "invalid");
    return 0;
}

int describeBox(int seconds, bool keep)
{
    HWND box = waitFor(
        [] {
            HWND found = FindWindowW(L"#32770", nullptr); // the dialog class
            return found != nullptr && IsWindowVisible(found) ? found : nullptr;
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

// The settings the system's own manifest reader finds, from an activation context made of
// the program's manifest resource (which also resolves its dependencies).
void describeManifest(const wchar_t* exe)
{
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = exe;
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    if (context == INVALID_HANDLE_VALUE) {
        print("manifest", "refused, error " + std::to_string(GetLastError()));
        return;
    }
    const wchar_t* names[][2] = {{L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"},
                                 {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"}};
    for (const auto& name : names) {
        wchar_t value[128] = {};
        SIZE_T written = 0;
        QueryActCtxSettingsW(0, context, name[0], name[1], value, 128, &written);
        print(utf8(name[1]).c_str(), utf8(value));
    }
    ReleaseActCtx(context);
}

// Each size of icon group 1 that the system loads at that size.
std::string iconSizes(HMODULE module)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    const auto* group = found != nullptr ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
    if (group == nullptr) {
        return "none";
    }
    // A 6-byte header whose third word is the count, then 14-byte entries that start with the
    // width (0 for 256).
    WORD count = reinterpret_cast<const WORD*>(group)[2];
    std::string sizes;
    for (WORD i = 0; i < count; ++i) {
        int size = group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i];
        auto icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ICONINFO info{};
        BITMAP bitmap{};
        if (GetIconInfo(icon, &info)) {
            GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        DestroyIcon(icon);
        sizes += (i > 0 ? " " : "") + std::to_string(size) + (bitmap.bmWidth == size ? "" : ":failed");
    }
    return sizes;
}

std::string versionText(const wchar_t* exe)
{
    DWORD size = GetFileVersionInfoSizeW(exe, nullptr);
    std::string block(size, '\0');
    if (size == 0 || !GetFileVersionInfoW(exe, 0, size, block.data())) {
        return "none";
    }
    std::string result;
    for (const wchar_t* name : {L"\\StringFileInfo\\040904B0\\ProductName", L"\\StringFileInfo\\040904B0\\ProductVersion"}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        VerQueryValueW(block.data(), name, reinterpret_cast<void**>(&value), &length);
        result += (value != nullptr ? utf8(value) : "?") + " ";
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed != nullptr) {
        result += std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS))
                  + "." + std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
    }
    return result;
}

BOOL CALLBACK addLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", language);
    auto* text = reinterpret_cast<std::string*>(languages);
    *text += (text->empty() ? "" : " ") + std::string(hex);
    return TRUE;
}

std::string languages(HMODULE module, LPCWSTR type, LPCWSTR name)
{
    std::string text;
    EnumResourceLanguagesW(module, type, name, addLanguage, reinterpret_cast<LONG_PTR>(&text));
    return text;
}

int describeResources(const char* exe)
{
    std::wstring path(exe, exe + std::strlen(exe));
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        print("error", "cannot open the program");
        return 1;
    }
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(101));
    print("menu", menu != nullptr ? describeMenu(menu) : "none");
    describeManifest(path.c_str());
    print("icon", iconSizes(module));
    print("version", versionText(path.c_str()));
    print("menu-language", languages(module, MAKEINTRESOURCEW(4), MAKEINTRESOURCEW(101)));           // RT_MENU
    print("string-language", languages(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(40001 / 16 + 1))); // RT_STRING
    FreeLibrary(module);
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
    const char* argument = argc > 2 ? argv[2] : "";
    int value = std::atoi(argument);
    const std::pair<const char*, std::function<int()>> steps[] = {
        {"wait-window", [&] { return describeWindow(value); }},
        {"wait-box", [&] { return describeBox(value, argc > 3 && std::strcmp(argv[3], "keep") == 0); }},
        {"keys", [&] { return typeKeys(argument); }},
        {"command", [&] { return post(WM_COMMAND, static_cast<WPARAM>(value)); }},
        {"close", [] { return post(WM_SYSCOMMAND, SC_CLOSE); }},
        {"resources", [&] { return describeResources(argument); }},
        {"no-window", [] { return findMainWindow() == nullptr ? 0 : 1; }},
    };
    for (const auto& [name, run] : steps) {
        if (std::strcmp(argv[1], name) == 0) {
            return run();
        }
    }
    return 2;
}
