#pragma once

#include <vantrel/image/Geometry.h>

namespace vantrel {

// Where the scene's Mouse reads the pointer position, in client coordinates. Called on the
// render thread; implementations must be safe against the thread that records positions.
class IPointerSource {
public:
    virtual ~IPointerSource() = default;
    Point getPosition() { return getPositionImpl(); }

protected:
    virtual Point getPositionImpl() = 0;
};

} // namespace vantrel
