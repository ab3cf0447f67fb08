#include <windows.h>
#include <mmsystem.h>

#include <exception>

#include "app/ShellTexts.h"
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

// Exit code 0 in every case: a failure at start ends the program quietly.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    try {
        vantrel::ComInitializer com;
        vantrel::SoundManager::getInstance();
        // Frame pacing counts on 1 ms timer steps.
        timeBeginPeriod(1);
        if (vantrel::MainWindow::registerClass(instance)) {
            if (HWND window = vantrel::MainWindow::create(instance)) {
                ShowWindow(window, showCommand);
                UpdateWindow(window);
                HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(VANTREL_ACCELERATORS_ID));
                runMessageLoop(window, accelerators);
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
