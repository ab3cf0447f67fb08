#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/image/PixelFormat.h>

namespace vantrel {

/// Decodes a picture row by row, top row first.
class IImageLoader {
public:
    virtual ~IImageLoader() = default;

    /// The image's width in pixels.
    std::uint32_t getWidth() { return getWidthImpl(); }
    /// The image's height in pixels.
    std::uint32_t getHeight() { return getHeightImpl(); }
    /// The format of the rows load() delivers.
    PixelFormat getFormat() { return getFormatImpl(); }
    /// Bytes of one delivered row.
    std::uint32_t getPitch() { return getPitchImpl(); }
    /// Decodes the next row into `destination`; returns the number of bytes written.
    std::size_t load(void* destination, std::size_t size) { return loadImpl(destination, size); }

protected:
    virtual std::uint32_t getWidthImpl() = 0;
    virtual std::uint32_t getHeightImpl() = 0;
    virtual PixelFormat getFormatImpl() = 0;
    virtual std::uint32_t getPitchImpl() = 0;
    virtual std::size_t loadImpl(void* destination, std::size_t size) = 0;
};

} // namespace vantrel
