#pragma once

/// @file
/// Where a Screen's finished frames go.

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

/// Where a Screen's finished frames go. The last drawing worker of a frame calls
/// `present` with the new front buffer (its first row is the top of the frame) and the
/// frame's dirty rectangle, never an empty one. Calls never overlap: a present ends before
/// the next swap.
///
/// A target that keeps a picture of its own may take a frame band by band instead: each
/// worker hands over every band it finishes with `presentBand` (the band's part of the
/// dirty rectangle, from the buffer being drawn; bands never overlap), and the last worker
/// calls `publish` with the frame's rectangle in place of `present`, before the next frame
/// can start.
class IPresentTarget {
public:
    virtual ~IPresentTarget() = default;
    /// Shows `rect` of the whole frame `frame`.
    void present(const Image& frame, const Rect& rect) { presentImpl(frame, rect); }

    /// Whether the target takes frames band by band (presentBand and publish).
    bool takesBands() const noexcept { return takesBandsImpl(); }
    /// Takes `rect`, one finished band's part of the frame, from `frame`; any worker.
    void presentBand(const Image& frame, const Rect& rect) { presentBandImpl(frame, rect); }
    /// Shows the frame whose bands were handed over; `rect` is its dirty rectangle.
    void publish(const Rect& rect) { publishImpl(rect); }

protected:
    /// Implements present().
    virtual void presentImpl(const Image& frame, const Rect& rect) = 0;
    /// Implements takesBands(); false unless overridden.
    virtual bool takesBandsImpl() const noexcept { return false; }
    /// Implements presentBand().
    virtual void presentBandImpl(const Image&, const Rect&) {}
    /// Implements publish().
    virtual void publishImpl(const Rect&) {}
};

} // namespace vantrel
