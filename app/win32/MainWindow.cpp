#include "app/win32/MainWindow.h"

#include <exception>
#include <memory>

#include "app/CommandIds.h"
#include "app/Display.h"
#include "app/DisplayHandler.h"
#include "app/MenuModel.h"
#include "app/win32/CursorPointerSource.h"
#include "app/win32/Win32DisplaySettings.h"
#include "app/win32/Win32DisplayWindow.h"
#include <vantrel/base/FailureText.h>
#include <vantrel/screen/gdi/GdiPresentTarget.h>
#include "scene/BenchmarkScene.h"

namespace vantrel {

namespace {

// The display handler's side of the window: the shared menu model mirrored into the real
// menu, and the handler that decides the display mode.
struct DisplayState {
    DisplayState(HWND window)
        : menu(MenuBar::createMainMenu()), displayWindow(window, menu),
          handler(*Display::getInstance(), menu, displayWindow)
    {
    }

    MenuBar menu;
    Win32DisplayWindow displayWindow;
    DisplayHandler handler;
};

std::unique_ptr<DisplayState> display;
std::shared_ptr<IScene> scene;
HDC windowDc = nullptr;

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
        display = std::make_unique<DisplayState>(window);
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
        scene = std::make_shared<BenchmarkScene>(target, pointer, clientWidth, clientHeight);
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

HWND MainWindow::create(HINSTANCE instance)
{
    SIZE size = windowSizeFor(style, true);
    return CreateWindowExW(0, className, L"Vantrel", style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr,
                           nullptr, instance, nullptr);
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
