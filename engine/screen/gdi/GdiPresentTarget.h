#pragma once

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/PresentTarget.h>

struct HDC__;

namespace vantrel {

// Blits each presented rectangle into a device context with StretchDIBits, straight from
// the drawing worker that finished the frame, so the picture keeps moving while the
// window's thread sits in a modal loop. The caller keeps the device context alive.
class GdiPresentTarget : public IPresentTarget {
public:
    explicit GdiPresentTarget(HDC__* dc) : dc(dc) {}

protected:
    void presentImpl(const Image& frame, const Rect& rect) override;

private:
    HDC__* dc;
};

} // namespace vantrel
