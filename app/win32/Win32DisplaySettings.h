#pragma once

#include "app/DisplaySettings.h"

namespace vantrel {

// Display modes through ChangeDisplaySettingsW: a mode applies temporarily (full screen),
// a null mode gives back the mode stored in the registry.
class Win32DisplaySettings : public IDisplaySettings {
protected:
    DisplayChangeResult changeImpl(const DisplayMode* mode) override;
};

} // namespace vantrel
