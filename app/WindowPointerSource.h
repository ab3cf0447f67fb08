#pragma once

#include <atomic>
#include <cstdint>

#include "engine/image/Geometry.h"
#include "scene/PointerSource.h"

namespace vantrel {

// The last pointer position the main thread saw, in frame coordinates; the render thread
// reads it without locking.
class WindowPointerSource : public IPointerSource {
public:
    void setPosition(Point position) noexcept
    {
        std::uint64_t packed = static_cast<std::uint64_t>(static_cast<std::uint32_t>(position.x)) << 32 |
                               static_cast<std::uint32_t>(position.y);
        value.store(packed, std::memory_order_relaxed);
    }

protected:
    Point getPositionImpl() override
    {
        std::uint64_t packed = value.load(std::memory_order_relaxed);
        return Point{static_cast<std::int32_t>(static_cast<std::uint32_t>(packed >> 32)),
                     static_cast<std::int32_t>(static_cast<std::uint32_t>(packed))};
    }

private:
    std::atomic<std::uint64_t> value{0};
};

} // namespace vantrel
