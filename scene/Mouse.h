#pragma once

#include <memory>

#include <vantrel/image/Geometry.h>
#include <vantrel/shell/PointerSource.h>

namespace vantrel {

// The pointer position in client coordinates, refreshed once per loop iteration.
class Mouse {
public:
    // Stores the source and reads the position once. Without a source the position
    // stays (0, 0).
    explicit Mouse(std::shared_ptr<IPointerSource> pointer);

    void update();

    std::shared_ptr<IPointerSource> pointer;
    Point position;
};

} // namespace vantrel
