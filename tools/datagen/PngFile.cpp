#include "tools/datagen/PngFile.h"

#include <stdexcept>

#include <vantrel/io/PngWriter.h>

namespace vantrel::datagen {

namespace {

void checkSize(const std::string& name, std::uint32_t width, std::uint32_t height, std::size_t bytesPerPixel,
               const std::vector<std::uint8_t>& pixels)
{
    if (width == 0 || height == 0
        || pixels.size() != static_cast<std::size_t>(width) * height * bytesPerPixel) {
        throw std::runtime_error("bad image size for " + name);
    }
}

void write(const std::string& path, std::uint32_t width, std::uint32_t height, PngRows rows,
           std::size_t bytesPerPixel, const std::vector<std::uint8_t>& pixels)
{
    checkSize(path, width, height, bytesPerPixel, pixels);
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

std::vector<std::uint8_t> encodePng(const RgbaImage& image)
{
    checkSize("a PNG in memory", image.width, image.height, 4, image.pixels);
    try {
        return vantrel::encodePng(image.width, image.height, PngRows::Rgba32, image.pixels.data(),
                                  std::size_t{image.width} * 4);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("cannot encode a PNG in memory: ") + e.what());
    }
}

} // namespace vantrel::datagen
