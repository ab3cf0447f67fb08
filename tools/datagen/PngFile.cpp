#include "tools/datagen/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace vantrel::datagen {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept
    {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
};

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

// libpng reports errors by jumping back to setjmp; nothing with a destructor may live
// between the jump and its target, so the whole write sits in this plain function. It
// writes to `file`, or where that is null, appends to `memory`.
bool writeRows(std::FILE* file, std::vector<std::uint8_t>* memory, std::uint32_t width, std::uint32_t height,
               int colorType, std::size_t bytesPerPixel, const std::uint8_t* pixels)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    if (file != nullptr) {
        png_init_io(png, file);
    } else {
        png_set_write_fn(png, memory, appendBytes, nullptr);
    }
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (std::uint32_t y = 0; y < height; ++y) {
        png_write_row(png, pixels + static_cast<std::size_t>(y) * width * bytesPerPixel);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

void checkSize(const std::string& name, std::uint32_t width, std::uint32_t height, std::size_t bytesPerPixel,
               const std::vector<std::uint8_t>& pixels)
{
    if (width == 0 || height == 0
        || pixels.size() != static_cast<std::size_t>(width) * height * bytesPerPixel) {
        throw std::runtime_error("bad image size for " + name);
    }
}

void write(const std::string& path, std::uint32_t width, std::uint32_t height, int colorType,
           std::size_t bytesPerPixel, const std::vector<std::uint8_t>& pixels)
{
    checkSize(path, width, height, bytesPerPixel, pixels);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw std::runtime_error("cannot create " + path);
    }
    if (!writeRows(file.get(), nullptr, width, height, colorType, bytesPerPixel, pixels.data())) {
        throw std::runtime_error("cannot encode " + path);
    }
    if (std::fclose(file.release()) != 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

void writePng(const std::string& path, const GrayImage& image)
{
    write(path, image.width, image.height, PNG_COLOR_TYPE_GRAY, 1, image.pixels);
}

void writePng(const std::string& path, const RgbaImage& image)
{
    write(path, image.width, image.height, PNG_COLOR_TYPE_RGBA, 4, image.pixels);
}

std::vector<std::uint8_t> encodePng(const RgbaImage& image)
{
    checkSize("a PNG in memory", image.width, image.height, 4, image.pixels);
    std::vector<std::uint8_t> bytes;
    if (!writeRows(nullptr, &bytes, image.width, image.height, PNG_COLOR_TYPE_RGBA, 4, image.pixels.data())) {
        throw std::runtime_error("cannot encode a PNG in memory");
    }
    return bytes;
}

} // namespace vantrel::datagen
