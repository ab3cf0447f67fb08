#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

// Images and rectangles for the kernel tests. Every image owns a buffer of exactly
// pitch x height bytes, so AddressSanitizer sees any access past its end.
namespace kerneltest {

vantrel::Image makeImage(std::uint32_t width, std::uint32_t height, vantrel::PixelFormat format,
                         std::uint32_t padding = 0);

vantrel::Image randomImage(std::mt19937& random, std::uint32_t width, std::uint32_t height,
                           vantrel::PixelFormat format, std::uint32_t padding = 0);

// A deep copy, padding included.
vantrel::Image cloneImage(const vantrel::Image& image);

std::vector<unsigned char> bytesOf(const vantrel::Image& image);

// A rectangle that overlaps a width x height area, sticks out of it or misses it; never
// reversed, sometimes empty.
vantrel::Rect randomRect(std::mt19937& random, std::int32_t width, std::int32_t height);

// Null half of the time.
std::unique_ptr<vantrel::ClipRegion> randomClip(std::mt19937& random, std::int32_t width,
                                                std::int32_t height);

int uniform(std::mt19937& random, int low, int high);

} // namespace kerneltest
