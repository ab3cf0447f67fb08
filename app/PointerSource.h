#pragma once

/// @file
/// Where a scene reads the pointer position.

#include <vantrel/image/Geometry.h>

namespace vantrel {

/// Where a scene reads the pointer position, in the frame's coordinates. Called on the
/// render thread; implementations must be safe against the thread that records positions.
class IPointerSource {
public:
    virtual ~IPointerSource() = default;
    /// The pointer's last known position; outside the frame when the pointer is elsewhere.
    Point getPosition() { return getPositionImpl(); }

protected:
    /// Implementations answer getPosition().
    virtual Point getPositionImpl() = 0;
};

} // namespace vantrel
