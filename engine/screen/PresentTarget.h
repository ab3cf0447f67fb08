#pragma once

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

// Where finished frames go. The last drawing worker of a frame calls `present` with the
// new front buffer (its first row is the top of the frame) and the frame's dirty
// rectangle, never an empty one. Calls never overlap: a present ends before the next swap.
//
// A target that keeps a picture of its own may take a frame band by band instead: each
// worker hands over every band it finishes with `presentBand` (the band's part of the
// dirty rectangle, from the buffer being drawn; bands never overlap), and the last worker
// calls `publish` with the frame's rectangle in place of `present`, before the next frame
// can start.
class IPresentTarget {
public:
    virtual ~IPresentTarget() = default;
    void present(const Image& frame, const Rect& rect) { presentImpl(frame, rect); }

    bool takesBands() const noexcept { return takesBandsImpl(); }
    void presentBand(const Image& frame, const Rect& rect) { presentBandImpl(frame, rect); }
    void publish(const Rect& rect) { publishImpl(rect); }

protected:
    virtual void presentImpl(const Image& frame, const Rect& rect) = 0;
    virtual bool takesBandsImpl() const noexcept { return false; }
    virtual void presentBandImpl(const Image&, const Rect&) {}
    virtual void publishImpl(const Rect&) {}
};

} // namespace vantrel
