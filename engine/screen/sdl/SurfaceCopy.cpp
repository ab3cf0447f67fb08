#include <vantrel/screen/sdl/SurfaceCopy.h>

#include <algorithm>
#include <cstdint>

#include <vantrel/image/PixelFormat.h>

namespace vantrel {

Rect copyToSurface(const Image& image, const Rect& source, SDL_Surface* surface, Point destination)
{
    if (surface == nullptr || image.getPixels() == nullptr ||
        bytesPerPixel(image.getFormat()) != 4) {
        return Rect{};
    }
    Rect imageBounds{0, 0, static_cast<std::int32_t>(image.getWidth()),
                     static_cast<std::int32_t>(image.getHeight())};
    Rect from = intersect(source, imageBounds);
    if (from.isEmpty()) {
        return Rect{};
    }
    std::int32_t dx = destination.x - source.left;
    std::int32_t dy = destination.y - source.top;
    Rect to = intersect(from.offsetBy(dx, dy), Rect{0, 0, surface->w, surface->h});
    if (to.isEmpty()) {
        return Rect{};
    }
    from = to.offsetBy(-dx, -dy);

    bool locked = SDL_MUSTLOCK(surface);
    if (locked && SDL_LockSurface(surface) != 0) {
        return Rect{};
    }
    const unsigned char* src = image.row(static_cast<std::uint32_t>(from.top)) +
                               static_cast<std::size_t>(from.left) * 4;
    auto* dst = static_cast<unsigned char*>(surface->pixels) +
                static_cast<std::size_t>(to.top) * static_cast<std::size_t>(surface->pitch) +
                static_cast<std::size_t>(to.left) * surface->format->BytesPerPixel;
    int result = 0;
    if (surface->format->format == SDL_PIXELFORMAT_XRGB8888 ||
        surface->format->format == SDL_PIXELFORMAT_ARGB8888) {
        std::size_t bytes = static_cast<std::size_t>(to.width()) * 4;
        for (std::int32_t y = 0; y < to.height(); ++y) {
            std::copy_n(src + static_cast<std::size_t>(y) * image.getPitch(), bytes,
                        dst + static_cast<std::size_t>(y) * static_cast<std::size_t>(surface->pitch));
        }
    } else {
        result = SDL_ConvertPixels(to.width(), to.height(), SDL_PIXELFORMAT_XRGB8888, src,
                                   static_cast<int>(image.getPitch()), surface->format->format,
                                   dst, surface->pitch);
    }
    if (locked) {
        SDL_UnlockSurface(surface);
    }
    return result == 0 ? to : Rect{};
}

} // namespace vantrel
