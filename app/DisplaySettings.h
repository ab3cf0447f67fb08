#pragma once

#include <cstdint>

namespace vantrel {

struct DisplayMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The outcome of a display-mode change: code 0 is success; otherwise `call` names the
// system call that failed (or whose change did not take effect).
struct DisplayChangeResult {
    std::int32_t code = 0;
    const char* call = "";
};

// The display service: shows the window full screen in a mode, or gives the desktop its
// own mode back.
class IDisplaySettings {
public:
    virtual ~IDisplaySettings() = default;

    // A null mode restores the desktop's own mode.
    DisplayChangeResult change(const DisplayMode* mode) { return changeImpl(mode); }

protected:
    virtual DisplayChangeResult changeImpl(const DisplayMode* mode) = 0;
};

} // namespace vantrel
