#include <vantrel/shell/WindowHost.h>

#include <windows.h>
#include <mmsystem.h>

#include <exception>

#include "app/win32/MainWindow.h"
#include <vantrel/sound/SoundManager.h>
#include <vantrel/sound/xaudio2/ComInitializer.h>

namespace {

void runMessageLoop(HWND window, HACCEL accelerators)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace

namespace vantrel {

int runWindow(const WindowOptions& options, const SceneFactory& createScene)
{
    // The program's own module: its resources, and the show command it was started with.
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const int showCommand = SW_SHOWDEFAULT;
    try {
        vantrel::ComInitializer com;
        vantrel::SoundManager::getInstance();
        // Frame pacing counts on 1 ms timer steps.
        timeBeginPeriod(1);
        if (vantrel::MainWindow::registerClass(instance)) {
            if (HWND window = vantrel::MainWindow::create(instance, options, createScene)) {
                ShowWindow(window, showCommand);
                UpdateWindow(window);
                HACCEL accelerators = vantrel::MainWindow::createAccelerators();
                runMessageLoop(window, accelerators);
                DestroyAcceleratorTable(accelerators);
            }
        }
        timeEndPeriod(1);
        try {
            vantrel::SoundManager::destroy();
        } catch (const std::exception&) {
        }
    } catch (const std::exception&) {
    }
    return 0;
}

} // namespace vantrel
