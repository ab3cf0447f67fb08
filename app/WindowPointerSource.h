#pragma once

#include <atomic>
#include <cstdint>

#include <vantrel/image/Geometry.h>
#include <vantrel/shell/PointerSource.h>

namespace vantrel {

// The last pointer position the main thread saw in a motion event, in frame coordinates;
// the render thread reads it without locking. Window systems that can be asked for the
// pointer directly override getPositionImpl and use the frame origin.
class WindowPointerSource : public IPointerSource {
public:
    void setPosition(Point position) noexcept { value.store(pack(position), std::memory_order_relaxed); }
    // Where the frame's top-left corner lies in the window (below the menu bar or not).
    void setFrameOrigin(Point origin) noexcept { frameOrigin.store(pack(origin), std::memory_order_relaxed); }

protected:
    Point getPositionImpl() override { return unpack(value.load(std::memory_order_relaxed)); }
    Point getFrameOrigin() const noexcept { return unpack(frameOrigin.load(std::memory_order_relaxed)); }

private:
    static std::uint64_t pack(Point point) noexcept
    {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(point.x)) << 32 |
               static_cast<std::uint32_t>(point.y);
    }
    static Point unpack(std::uint64_t packed) noexcept
    {
        return Point{static_cast<std::int32_t>(static_cast<std::uint32_t>(packed >> 32)),
                     static_cast<std::int32_t>(static_cast<std::uint32_t>(packed))};
    }

    std::atomic<std::uint64_t> value{0};
    std::atomic<std::uint64_t> frameOrigin{0};
};

} // namespace vantrel
