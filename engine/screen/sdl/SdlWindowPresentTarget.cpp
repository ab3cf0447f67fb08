#include <vantrel/screen/sdl/SdlWindowPresentTarget.h>

#include <vantrel/screen/sdl/SurfaceCopy.h>

namespace vantrel {

SdlWindowPresentTarget::SdlWindowPresentTarget(std::uint32_t width, std::uint32_t height)
    : staging(width, height, 0xFF)
{
    Uint32 registered = SDL_RegisterEvents(1);
    eventType = registered == static_cast<Uint32>(-1) ? 0 : registered;
}

void SdlWindowPresentTarget::presentImpl(const Image& frame, const Rect& rect)
{
    Rect copied = staging.copyFrame(frame, rect);
    if (!copied.isEmpty()) {
        publishImpl(copied);
    }
}

void SdlWindowPresentTarget::presentBandImpl(const Image& frame, const Rect& rect)
{
    staging.copyBand(frame, rect);
}

void SdlWindowPresentTarget::publishImpl(const Rect& rect)
{
    staging.finishFrame();
    Rect area = intersect(rect, Rect{0, 0, static_cast<std::int32_t>(staging.getWidth()),
                                     static_cast<std::int32_t>(staging.getHeight())});
    if (area.isEmpty()) {
        return;
    }
    std::lock_guard<std::mutex> guard(lock);
    pending = unite(pending, area);
    if (!posted && eventType != 0) {
        SDL_Event event{};
        event.type = eventType;
        posted = SDL_PushEvent(&event) == 1;
    }
}

Rect SdlWindowPresentTarget::flush(SDL_Surface* surface, Point origin)
{
    Rect area;
    {
        std::lock_guard<std::mutex> guard(lock);
        area = pending;
        pending = Rect{};
        posted = false;
    }
    if (area.isEmpty()) {
        return Rect{};
    }
    return copy(surface, origin, area);
}

Rect SdlWindowPresentTarget::copy(SDL_Surface* surface, Point origin, const Rect& rect)
{
    return staging.read([&](const Image& picture) {
        return copyToSurface(picture, rect, surface,
                             Point{origin.x + rect.left, origin.y + rect.top});
    });
}

} // namespace vantrel
