#include <vantrel/io/PngWriter.h>

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept
    {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
};

[[noreturn]] void failSystemCall(const char* fmt)
{
    const int error = errno;
    throw Win32Exception(format(fmt, "vantrel::writePng"), static_cast<std::uint32_t>(error));
}

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

// libpng reports errors by jumping back to setjmp; nothing with a destructor may live
// between the jump and its target, so the whole encoding sits in this plain function. It
// writes to `file`, or where that is null, appends to `memory`.
bool writeRows(std::FILE* file, std::vector<unsigned char>* memory, std::uint32_t width,
               std::uint32_t height, int colorType, const unsigned char* pixels, std::size_t pitch)
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
        png_write_row(png, pixels + static_cast<std::size_t>(y) * pitch);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// One row of any engine format as straight RGBA.
void toRgba(const unsigned char* in, PixelFormat format, std::uint32_t width, unsigned char* out)
{
    const std::uint32_t step = bytesPerPixel(format);
    for (std::uint32_t x = 0; x < width; ++x, in += step, out += 4) {
        switch (format) {
        case PixelFormat::Gray8:
        case PixelFormat::GrayAlpha16:
            out[0] = out[1] = out[2] = in[0];
            out[3] = format == PixelFormat::GrayAlpha16 ? in[1] : 255;
            break;
        default:
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = format == PixelFormat::Bgra32 ? in[3] : 255;
            break;
        }
    }
}

void checkRows(const char* method, std::uint32_t width, std::uint32_t height, PngRows rows,
               const unsigned char* pixels, std::size_t pitch)
{
    const std::size_t rowBytes = std::size_t{width} * (rows == PngRows::Gray8 ? 1 : 4);
    if (width == 0 || height == 0 || width > 0x7fffffffu || height > 0x7fffffffu
        || pixels == nullptr || pitch < rowBytes) {
        throw IoException(format("Invalid file format in %s method.", method));
    }
}

int colorTypeOf(PngRows rows)
{
    return rows == PngRows::Gray8 ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGBA;
}

} // namespace

void writePng(const char* fileName, std::uint32_t width, std::uint32_t height, PngRows rows,
              const unsigned char* pixels, std::size_t pitch)
{
    checkRows("vantrel::writePng", width, height, rows, pixels, pitch);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName, "wb"));
    if (!file) {
        failSystemCall("open API failed in %s method.");
    }
    if (!writeRows(file.get(), nullptr, width, height, colorTypeOf(rows), pixels, pitch)) {
        throw IoException(format("Invalid file format in %s method.", "vantrel::writePng"));
    }
    if (std::fclose(file.release()) != 0) {
        failSystemCall("close API failed in %s method.");
    }
}

std::vector<unsigned char> encodePng(std::uint32_t width, std::uint32_t height, PngRows rows,
                                     const unsigned char* pixels, std::size_t pitch)
{
    checkRows("vantrel::encodePng", width, height, rows, pixels, pitch);
    std::vector<unsigned char> bytes;
    if (!writeRows(nullptr, &bytes, width, height, colorTypeOf(rows), pixels, pitch)) {
        throw IoException(format("Invalid file format in %s method.", "vantrel::encodePng"));
    }
    return bytes;
}

void saveImage(const char* fileName, const Image& image)
{
    if (image.getFormat() == PixelFormat::Gray8) {
        writePng(fileName, image.getWidth(), image.getHeight(), PngRows::Gray8, image.getPixels(),
                 image.getPitch());
        return;
    }
    std::vector<unsigned char> rgba(std::size_t{image.getWidth()} * image.getHeight() * 4);
    for (std::uint32_t y = 0; y < image.getHeight(); ++y) {
        toRgba(image.row(y), image.getFormat(), image.getWidth(),
               rgba.data() + std::size_t{y} * image.getWidth() * 4);
    }
    writePng(fileName, image.getWidth(), image.getHeight(), PngRows::Rgba32, rgba.data(),
             std::size_t{image.getWidth()} * 4);
}

} // namespace vantrel
