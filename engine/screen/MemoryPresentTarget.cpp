#include <vantrel/screen/MemoryPresentTarget.h>

#include <cstring>

namespace vantrel {

MemoryPresentTarget::MemoryPresentTarget(std::uint32_t width, std::uint32_t height,
                                         bool takingBands)
    : picture(width, height, 0), takingBands(takingBands)
{
}

Image MemoryPresentTarget::snapshot() const
{
    return picture.read([](const Image& shown) {
        Image copy(shown.getWidth(), shown.getHeight(), PixelFormat::Bgrx32);
        if (copy.getPixels()) {
            std::memcpy(copy.getPixels(), shown.getPixels(),
                        std::size_t{shown.getPitch()} * shown.getHeight());
        }
        return copy;
    });
}

std::uint64_t MemoryPresentTarget::getPresentCount() const
{
    std::lock_guard<std::mutex> guard(lock);
    return presentCount;
}

Rect MemoryPresentTarget::getLastRect() const
{
    std::lock_guard<std::mutex> guard(lock);
    return lastRect;
}

void MemoryPresentTarget::presentImpl(const Image& frame, const Rect& rect)
{
    picture.copyFrame(frame, rect);
    publishImpl(rect);
}

void MemoryPresentTarget::presentBandImpl(const Image& frame, const Rect& rect)
{
    picture.copyBand(frame, rect);
}

void MemoryPresentTarget::publishImpl(const Rect& rect)
{
    picture.finishFrame();
    std::lock_guard<std::mutex> guard(lock);
    ++presentCount;
    lastRect = rect;
}

} // namespace vantrel
