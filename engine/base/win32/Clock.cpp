#include <vantrel/base/Clock.h>

#include <windows.h>
#include <mmsystem.h>

namespace vantrel {

// The multimedia timer: 1 ms steps once the shell has raised the timer resolution.
std::uint32_t currentMilliseconds() noexcept
{
    return static_cast<std::uint32_t>(timeGetTime());
}

} // namespace vantrel
