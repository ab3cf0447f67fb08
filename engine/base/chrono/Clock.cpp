#include <vantrel/base/Clock.h>

#include <chrono>

namespace vantrel {

std::uint32_t currentMilliseconds() noexcept
{
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

} // namespace vantrel
