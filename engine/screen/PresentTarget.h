#pragma once

#include "engine/image/Geometry.h"
#include "engine/image/Image.h"

namespace vantrel {

// Where finished frames go. The last drawing worker of a frame calls `present` with the
// new front buffer (its first row is the top of the frame) and the frame's dirty
// rectangle, never an empty one. Calls never overlap: a present ends before the next swap.
class IPresentTarget {
public:
    virtual ~IPresentTarget() = default;
    void present(const Image& frame, const Rect& rect) { presentImpl(frame, rect); }

protected:
    virtual void presentImpl(const Image& frame, const Rect& rect) = 0;
};

} // namespace vantrel
