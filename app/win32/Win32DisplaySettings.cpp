#include "app/win32/Win32DisplaySettings.h"

#include <windows.h>

namespace vantrel {

DisplayChangeResult Win32DisplaySettings::changeImpl(const DisplayMode* mode)
{
    LONG result = DISP_CHANGE_SUCCESSFUL;
    if (mode == nullptr) {
        result = ChangeDisplaySettingsW(nullptr, 0);
    } else {
        DEVMODEW devMode{};
        devMode.dmSize = sizeof devMode;
        devMode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        devMode.dmPelsWidth = static_cast<DWORD>(mode->width);
        devMode.dmPelsHeight = static_cast<DWORD>(mode->height);
        result = ChangeDisplaySettingsW(&devMode, CDS_FULLSCREEN);
    }
    return DisplayChangeResult{static_cast<std::int32_t>(result), "ChangeDisplaySettings"};
}

} // namespace vantrel
