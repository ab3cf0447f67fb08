#include <vantrel/screen/web/CanvasPresentTarget.h>

#include <emscripten.h>


// Copies rows top..bottom of the RGBA picture into the canvas. A canvas's ImageData cannot
// view shared WebAssembly memory, so the rows go through one ImageData of the page's own.
EM_JS(void, vantrelPutCanvasRows, (const char* id, const unsigned char* pixels, int width, int height,
                                    int left, int top, int right, int bottom), {
    const canvas = document.getElementById(UTF8ToString(id));
    if (!canvas) {
        return;
    }
    let state = canvas.vantrelState;
    if (!state || state.width !== width || state.height !== height) {
        const context = canvas.getContext('2d', {alpha: false});
        state = {width: width, height: height, context: context, image: context.createImageData(width, height)};
        canvas.vantrelState = state;
    }
    const start = top * width * 4;
    const end = bottom * width * 4;
    state.image.data.set(HEAPU8.subarray(pixels + start, pixels + end), start);
    state.context.putImageData(state.image, 0, 0, left, top, right - left, bottom - top);
});

namespace vantrel {

namespace {

// Frames are BGRX; a canvas takes RGBA.
void copyAsRgba(unsigned char* to, const unsigned char* from, std::uint32_t pixels)
{
    for (std::uint32_t x = 0; x < pixels; ++x, from += 4, to += 4) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
        to[3] = 255;
    }
}

} // namespace

CanvasPresentTarget::CanvasPresentTarget(std::uint32_t width, std::uint32_t height, const char* canvasId)
    : staging(width, height, 255, copyAsRgba), canvasSelector(canvasId)
{
}

void CanvasPresentTarget::presentImpl(const Image& frame, const Rect& rect)
{
    staging.copyFrame(frame, rect);
    publishImpl(rect);
}

void CanvasPresentTarget::presentBandImpl(const Image& frame, const Rect& rect)
{
    staging.copyBand(frame, rect);
}

void CanvasPresentTarget::publishImpl(const Rect& rect)
{
    {
        std::lock_guard<std::mutex> guard(pendingLock);
        pending = unite(pending, rect);
    }
    staging.finishFrame();
    published.fetch_add(1);
}

Rect CanvasPresentTarget::takePending()
{
    std::lock_guard<std::mutex> guard(pendingLock);
    Rect taken = pending;
    pending = Rect{};
    return taken;
}

void CanvasPresentTarget::putRows(const Image& picture, const Rect& rect) const
{
    const Rect part = intersect(rect, Rect{0, 0, static_cast<std::int32_t>(picture.getWidth()),
                                           static_cast<std::int32_t>(picture.getHeight())});
    if (!part.isEmpty()) {
        vantrelPutCanvasRows(canvasSelector.c_str(), picture.getPixels(), static_cast<int>(picture.getWidth()),
                             static_cast<int>(picture.getHeight()), part.left, part.top, part.right, part.bottom);
    }
}

bool CanvasPresentTarget::restore(const Rect& rect)
{
    return staging.tryRead([&](const Image& picture) { putRows(picture, rect); });
}

} // namespace vantrel
