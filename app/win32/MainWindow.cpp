#include "app/win32/MainWindow.h"

#include <exception>
#include <memory>
#include <string>

#include "app/CommandIds.h"
#include "app/Display.h"
#include "app/DisplayHandler.h"
#include "app/MenuModel.h"
#include "app/Utf8.h"
#include "app/win32/CursorPointerSource.h"
#include "app/win32/Win32DisplaySettings.h"
#include "app/win32/Win32DisplayWindow.h"
#include <vantrel/base/FailureText.h>
#include <vantrel/screen/gdi/GdiPresentTarget.h>

namespace vantrel {

namespace {

// The display handler's side of the window: the shared menu model mirrored into the real
// menu, and the handler that decides the display mode.
struct DisplayState {
    DisplayState(HWND window, const WindowOptions& options)
        : menu(MenuBar::createMainMenu(options.menu)),
          displayWindow(window, menu, static_cast<int>(options.width), static_cast<int>(options.height)),
          handler(*Display::getInstance(), menu, displayWindow)
    {
    }

    MenuBar menu;
    Win32DisplayWindow displayWindow;
    DisplayHandler handler;
};

WindowOptions windowOptions;
SceneFactory sceneFactory;
std::unique_ptr<DisplayState> display;
std::shared_ptr<IScene> scene;
HDC windowDc = nullptr;

std::wstring widen(const std::string& utf8)
{
    std::wstring wide;
    for (char32_t code : decodeUtf8(utf8)) {
        if (code >= 0x10000) {
            wide.push_back(static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            wide.push_back(static_cast<wchar_t>(code));
        }
    }
    return wide;
}

// Menu resource 101's popups and items with the given texts.
HMENU createMenu(const MenuTexts& texts)
{
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, exitCommand, widen(texts.exit).c_str());
    HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, fullscreenCommand, widen(texts.fullscreen).c_str());
    AppendMenuW(view, MF_STRING | MF_GRAYED, windowCommand, widen(texts.window).c_str());
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), widen(texts.file).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), widen(texts.view).c_str());
    return bar;
}

std::int32_t lowWord(LPARAM value)
{
    return static_cast<std::int16_t>(LOWORD(value));
}

std::int32_t highWord(LPARAM value)
{
    return static_cast<std::int16_t>(HIWORD(value));
}

// Returns -1 to refuse the window's creation, 0 to let the window procedure go on.
LRESULT displayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        Display::getInstance()->setSettings(std::make_shared<Win32DisplaySettings>());
        display = std::make_unique<DisplayState>(window, windowOptions);
        bool accepted = display->handler.onCreate(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        display->displayWindow.syncMenu();
        return accepted ? 0 : -1;
    }
    case WM_COMMAND:
        if (display) {
            display->handler.onCommand(LOWORD(wParam));
            display->displayWindow.syncMenu();
        }
        return 0;
    case WM_KILLFOCUS:
        if (display) {
            display->handler.onFocusLost();
        }
        return 0;
    case WM_SETFOCUS:
        if (display) {
            display->handler.onFocusGained();
        }
        return 0;
    case WM_MOUSEMOVE:
        if (display) {
            display->handler.onPointerMoved(highWord(lParam));
        }
        return 0;
    case WM_DESTROY:
        if (display) {
            display->handler.onDestroy();
        }
        return 0;
    default:
        return 0;
    }
}

LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        windowDc = GetDC(window);
        auto target = std::make_shared<GdiPresentTarget>(windowDc);
        auto pointer = std::make_shared<CursorPointerSource>(window);
        if (sceneFactory) {
            scene = sceneFactory(SceneContext{target, pointer, windowOptions.width, windowOptions.height});
        }
        return 0;
    }
    case WM_DESTROY:
        // The scene stops its workers before the device context they draw into goes.
        scene.reset();
        if (windowDc != nullptr) {
            ReleaseDC(window, windowDc);
            windowDc = nullptr;
        }
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        if (!scene) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        scene->paint();
        return 0;
    }
    case WM_ERASEBKGND:
        return 0;
    case WM_LBUTTONDOWN:
        if (scene) {
            scene->click(lowWord(lParam), highWord(lParam));
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == exitCommand) {
            SendMessageW(window, WM_CLOSE, 0, 0);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

bool MainWindow::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(VANTREL_MAIN_MENU_ID);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

HWND MainWindow::create(HINSTANCE instance, const WindowOptions& options, SceneFactory createScene)
{
    windowOptions = options;
    sceneFactory = std::move(createScene);
    SIZE size = windowSizeFor(style, true, static_cast<int>(options.width), static_cast<int>(options.height));
    // Menu 101's structure with the caller's texts; the window owns it from here on.
    HMENU menu = createMenu(options.menu);
    HWND window = CreateWindowExW(0, className, widen(options.title).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  size.cx, size.cy, nullptr, menu, instance, nullptr);
    if (window == nullptr && menu != nullptr) {
        DestroyMenu(menu);
    }
    return window;
}

HACCEL MainWindow::createAccelerators()
{
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 0x51, exitCommand},
        {FVIRTKEY | FALT, VK_RETURN, toggleDisplayCommand},
    };
    return CreateAcceleratorTableW(keys, 2);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        LRESULT result = displayProc(window, message, wParam, lParam);
        if (result != 0) {
            return result;
        }
        return handleMessage(window, message, wParam, lParam);
    } catch (const std::exception& failure) {
        MessageBoxA(window, failureText(failure).c_str(), nullptr, MB_ICONWARNING);
        return 0;
    }
}

} // namespace vantrel
