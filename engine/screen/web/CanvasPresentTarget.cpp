#include <vantrel/screen/web/CanvasPresentTarget.h>

#include <emscripten.h>

#include <algorithm>

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

CanvasPresentTarget::CanvasPresentTarget(std::uint32_t width, std::uint32_t height, const char* canvasId)
    : width(width), height(height), rgba(std::size_t{width} * height * 4, 255), canvasSelector(canvasId)
{
}

void CanvasPresentTarget::copyRows(const Image& frame, const Rect& rect)
{
    if (frame.getFormat() != PixelFormat::Bgrx32 && frame.getFormat() != PixelFormat::Bgra32) {
        return;
    }
    const Rect part = intersect(rect, Rect{0, 0, static_cast<std::int32_t>(std::min(width, frame.getWidth())),
                                           static_cast<std::int32_t>(std::min(height, frame.getHeight()))});
    for (std::int32_t y = part.top; y < part.bottom; ++y) {
        const std::uint8_t* source = frame.getPixels() + std::size_t(y) * frame.getPitch() + std::size_t(part.left) * 4;
        std::uint8_t* target = rgba.data() + (std::size_t(y) * width + std::size_t(part.left)) * 4;
        for (std::int32_t x = part.left; x < part.right; ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = 255;
        }
    }
}

void CanvasPresentTarget::presentImpl(const Image& frame, const Rect& rect)
{
    {
        std::unique_lock<std::shared_mutex> guard(lock);
        copyRows(frame, rect);
    }
    publishImpl(rect);
}

void CanvasPresentTarget::presentBandImpl(const Image& frame, const Rect& rect)
{
    std::shared_lock<std::shared_mutex> guard(lock);
    halfCopied.store(true);
    copyRows(frame, rect);
}

void CanvasPresentTarget::publishImpl(const Rect& rect)
{
    {
        std::lock_guard<std::mutex> guard(pendingLock);
        pending = unite(pending, rect);
    }
    halfCopied.store(false);
    published.fetch_add(1);
}

Rect CanvasPresentTarget::takePending()
{
    std::lock_guard<std::mutex> guard(pendingLock);
    Rect taken = pending;
    pending = Rect{};
    return taken;
}

void CanvasPresentTarget::putRows(const Rect& rect)
{
    const Rect part = intersect(rect, Rect{0, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)});
    if (!part.isEmpty()) {
        vantrelPutCanvasRows(canvasSelector.c_str(), rgba.data(), static_cast<int>(width), static_cast<int>(height),
                             part.left, part.top, part.right, part.bottom);
    }
}

bool CanvasPresentTarget::restore(const Rect& rect)
{
    std::unique_lock<std::shared_mutex> guard(lock, std::try_to_lock);
    if (!guard.owns_lock() || halfCopied.load()) {
        return false;
    }
    putRows(rect);
    return true;
}

} // namespace vantrel
