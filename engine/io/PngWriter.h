#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <vantrel/image/Image.h>

namespace vantrel {

/// The two row layouts writePng stores: 8-bit gray, or 8-bit red, green, blue and straight alpha.
enum class PngRows : std::uint8_t {
    Gray8,  ///< one byte per pixel
    Rgba32, ///< four bytes per pixel: red, green, blue, alpha
};

/// Writes `height` rows of `width` pixels, `pitch` bytes apart, as an 8-bit PNG file.
/// Throws Win32Exception when the file cannot be created or written, IoException when the
/// size is empty or the encoder fails.
void writePng(const char* fileName, std::uint32_t width, std::uint32_t height, PngRows rows,
              const unsigned char* pixels, std::size_t pitch);

/// The bytes of the PNG file writePng would write, made in memory. Throws IoException when
/// the size is empty or the encoder fails.
std::vector<unsigned char> encodePng(std::uint32_t width, std::uint32_t height, PngRows rows,
                                     const unsigned char* pixels, std::size_t pitch);

/// Writes an image as a PNG file: Gray8 as gray, every other format as RGBA (opaque unless
/// the format has alpha). A Screen's frame (Bgrx32) becomes an opaque picture, so
/// `saveImage(name, target.snapshot())` keeps a frame of a MemoryPresentTarget.
void saveImage(const char* fileName, const Image& image);

} // namespace vantrel
