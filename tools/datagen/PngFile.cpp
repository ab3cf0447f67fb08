#include "tools/datagen/PngFile.h"

#include <stdexcept>

#include <vantrel/io/PngWriter.h>

namespace vantrel::datagen {

namespace {

void write(const std::string& path, std::uint32_t width, std::uint32_t height, PngRows rows,
           std::size_t bytesPerPixel, const std::vector<std::uint8_t>& pixels)
{
    if (pixels.size() != static_cast<std::size_t>(width) * height * bytesPerPixel) {
        throw std::runtime_error("bad image size for " + path);
    }
    try {
        vantrel::writePng(path.c_str(), width, height, rows, pixels.data(), width * bytesPerPixel);
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot write " + path + ": " + e.what());
    }
}

} // namespace

void writePng(const std::string& path, const GrayImage& image)
{
    write(path, image.width, image.height, PngRows::Gray8, 1, image.pixels);
}

void writePng(const std::string& path, const RgbaImage& image)
{
    write(path, image.width, image.height, PngRows::Rgba32, 4, image.pixels);
}

} // namespace vantrel::datagen
