#include <vantrel/image/Image.h>

#include <limits>
#include <new>
#include <utility>

namespace vantrel {

namespace {

std::uint32_t checkedPitch(std::uint32_t width, PixelFormat format)
{
    std::uint64_t pitch = std::uint64_t{width} * bytesPerPixel(format);
    if (pitch > std::numeric_limits<std::uint32_t>::max()) {
        throw std::bad_alloc();
    }
    return static_cast<std::uint32_t>(pitch);
}

std::shared_ptr<unsigned char> allocatePixels(std::uint32_t pitch, std::uint32_t height)
{
    std::uint64_t size = std::uint64_t{pitch} * height;
    if (size > std::numeric_limits<std::size_t>::max()) {
        throw std::bad_alloc();
    }
    return std::shared_ptr<unsigned char>(new unsigned char[static_cast<std::size_t>(size)],
                                          std::default_delete<unsigned char[]>());
}

} // namespace

Image::Image(std::uint32_t width, std::uint32_t height, PixelFormat format, std::uint32_t pitch,
             std::shared_ptr<unsigned char> pixels)
    : width(width), height(height), format(format), pitch(pitch), pixels(std::move(pixels))
{
}

Image::Image(std::uint32_t width, std::uint32_t height, PixelFormat format)
    : width(width), height(height), format(format), pitch(checkedPitch(width, format)),
      pixels(allocatePixels(pitch, height))
{
}

} // namespace vantrel
