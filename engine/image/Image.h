#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include <vantrel/image/PixelFormat.h>

namespace vantrel {

/// The engine's one pixel buffer. Copies share the pixels; nothing but the pixel bytes
/// changes after construction.
class Image {
public:
    /// Adopts an existing buffer of at least pitch x height bytes.
    Image(std::uint32_t width, std::uint32_t height, PixelFormat format, std::uint32_t pitch,
          std::shared_ptr<unsigned char> pixels);

    /// Allocates its own uncleared buffer with pitch = width x bytes per pixel.
    /// Throws std::bad_alloc when the pitch does not fit 32 bits or memory runs out.
    Image(std::uint32_t width, std::uint32_t height, PixelFormat format);

    /// Width in pixels.
    std::uint32_t getWidth() const noexcept { return width; }
    /// Height in pixels.
    std::uint32_t getHeight() const noexcept { return height; }
    /// The pixels' format.
    PixelFormat getFormat() const noexcept { return format; }
    /// Bytes from one row to the next.
    std::uint32_t getPitch() const noexcept { return pitch; }
    /// The first row.
    unsigned char* getPixels() const noexcept { return pixels.get(); }
    /// The buffer, shared with every copy of the image.
    const std::shared_ptr<unsigned char>& getPixelsShared() const noexcept { return pixels; }

    /// Start of row y; the offset is computed in 64 bits.
    unsigned char* row(std::uint32_t y) const noexcept
    {
        return pixels.get() + static_cast<std::size_t>(y) * pitch;
    }

private:
    std::uint32_t width;
    std::uint32_t height;
    PixelFormat format;
    std::uint32_t pitch;
    std::shared_ptr<unsigned char> pixels;
};

} // namespace vantrel
