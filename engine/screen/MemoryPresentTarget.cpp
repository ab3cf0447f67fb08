#include "engine/screen/MemoryPresentTarget.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

MemoryPresentTarget::MemoryPresentTarget(std::uint32_t width, std::uint32_t height)
    : picture(width, height, PixelFormat::Bgrx32)
{
    if (picture.getPixels()) {
        std::memset(picture.getPixels(), 0, std::size_t{picture.getPitch()} * height);
    }
}

Image MemoryPresentTarget::snapshot() const
{
    std::lock_guard<std::mutex> guard(lock);
    Image copy(picture.getWidth(), picture.getHeight(), PixelFormat::Bgrx32);
    if (copy.getPixels()) {
        std::memcpy(copy.getPixels(), picture.getPixels(),
                    std::size_t{picture.getPitch()} * picture.getHeight());
    }
    return copy;
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
    std::lock_guard<std::mutex> guard(lock);
    Rect bounds{0, 0, static_cast<std::int32_t>(std::min(frame.getWidth(), picture.getWidth())),
                static_cast<std::int32_t>(std::min(frame.getHeight(), picture.getHeight()))};
    Rect cut = intersect(rect, bounds);
    for (std::int32_t y = cut.top; y < cut.bottom; ++y) {
        auto row = static_cast<std::uint32_t>(y);
        std::memcpy(picture.row(row) + std::size_t(cut.left) * 4, frame.row(row) + std::size_t(cut.left) * 4,
                    std::size_t(cut.width()) * 4);
    }
    ++presentCount;
    lastRect = rect;
}

} // namespace vantrel
