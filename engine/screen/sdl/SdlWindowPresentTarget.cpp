#include "engine/screen/sdl/SdlWindowPresentTarget.h"

#include <algorithm>
#include <cstring>

#include "engine/image/PixelFormat.h"
#include "engine/screen/sdl/SurfaceCopy.h"

namespace vantrel {

SdlWindowPresentTarget::SdlWindowPresentTarget(std::uint32_t width, std::uint32_t height)
    : staging(width, height, PixelFormat::Bgrx32)
{
    Uint32 registered = SDL_RegisterEvents(1);
    eventType = registered == static_cast<Uint32>(-1) ? 0 : registered;
    std::memset(staging.getPixels(), 0xFF, static_cast<std::size_t>(staging.getPitch()) * height);
}

void SdlWindowPresentTarget::presentImpl(const Image& frame, const Rect& rect)
{
    if (bytesPerPixel(frame.getFormat()) != 4 || frame.getPixels() == nullptr) {
        return;
    }
    Rect bounds{0, 0, static_cast<std::int32_t>(std::min(frame.getWidth(), staging.getWidth())),
                static_cast<std::int32_t>(std::min(frame.getHeight(), staging.getHeight()))};
    Rect area = intersect(rect, bounds);
    if (area.isEmpty()) {
        return;
    }
    std::size_t bytes = static_cast<std::size_t>(area.width()) * 4;
    std::size_t offset = static_cast<std::size_t>(area.left) * 4;

    std::lock_guard<std::mutex> guard(lock);
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        auto row = static_cast<std::uint32_t>(y);
        std::memcpy(staging.row(row) + offset, frame.row(row) + offset, bytes);
    }
    pending = unite(pending, area);
    if (!posted && eventType != 0) {
        SDL_Event event{};
        event.type = eventType;
        posted = SDL_PushEvent(&event) == 1;
    }
}

Rect SdlWindowPresentTarget::flush(SDL_Surface* surface, Point origin)
{
    std::lock_guard<std::mutex> guard(lock);
    Rect area = pending;
    pending = Rect{};
    posted = false;
    if (area.isEmpty()) {
        return Rect{};
    }
    return copyToSurface(staging, area, surface,
                         Point{origin.x + area.left, origin.y + area.top});
}

Rect SdlWindowPresentTarget::copy(SDL_Surface* surface, Point origin, const Rect& rect)
{
    std::lock_guard<std::mutex> guard(lock);
    return copyToSurface(staging, rect, surface, Point{origin.x + rect.left, origin.y + rect.top});
}

} // namespace vantrel
