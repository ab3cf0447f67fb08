#include <vantrel/screen/gdi/GdiPresentTarget.h>

#include <windows.h>

namespace vantrel {

void GdiPresentTarget::presentImpl(const Image& frame, const Rect& rect)
{
    // A bottom-up header over a buffer whose first row is the top of the frame: the
    // negative source height flips the rows back.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(frame.getWidth());
    info.bmiHeader.biHeight = static_cast<LONG>(frame.getHeight());
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = frame.getPitch() * frame.getHeight();
    StretchDIBits(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, rect.left,
                  rect.bottom + 1, rect.right - rect.left, rect.top - rect.bottom, frame.getPixels(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

} // namespace vantrel
