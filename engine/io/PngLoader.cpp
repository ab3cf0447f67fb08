#include <vantrel/io/PngLoader.h>

#include <png.h>

#include <atomic>
#include <csetjmp>
#include <cstring>
#include <limits>
#include <new>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr png_uint_32 maxDimension = 1000000;
constexpr png_alloc_size_t maxChunkBytes = 8000000;
constexpr std::uint64_t maxImageBytes = std::numeric_limits<std::uint32_t>::max();
// Deflate at its best codes a 258-byte match in two bits, so a stream never inflates to
// more than about 1,032 times its length.
constexpr std::uint64_t maxInflateRatio = 1032;

std::atomic<std::uint64_t> decodedByteLimit{PngLoader::defaultDecodedByteLimit};

struct PngHeader {
    png_uint_32 width;
    png_uint_32 height;
    int bitDepth;
    int colorType;
    int interlaceType;
    bool hasTransparency;
};

void ignoreWarning(png_structp, png_const_charp) {}

[[noreturn]] void jumpToRecoveryPoint(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// The guarded steps below hold only trivially destructible locals: a libpng error leaves
// them by longjmp.

bool readInfoGuarded(png_structp png, png_infop info, PngHeader* header)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_info(png, info);
    png_get_IHDR(png, info, &header->width, &header->height, &header->bitDepth, &header->colorType,
                 &header->interlaceType, nullptr, nullptr);
    header->hasTransparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    return true;
}

bool transformGuarded(png_structp png, png_infop info, const PngHeader* header, PngHeader* result,
                      png_size_t* rowBytes)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    switch (header->colorType) {
    case PNG_COLOR_TYPE_GRAY:
        if (header->bitDepth < 8) {
            png_set_expand_gray_1_2_4_to_8(png);
        }
        break;
    case PNG_COLOR_TYPE_RGB:
        png_set_bgr(png);
        break;
    case PNG_COLOR_TYPE_PALETTE:
        png_set_palette_to_rgb(png);
        png_set_bgr(png);
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        png_set_bgr(png);
        break;
    default:
        break;
    }
    if (header->hasTransparency) {
        png_set_tRNS_to_alpha(png);
    }
    if (header->bitDepth > 8) {
        png_set_strip_16(png);
    }
    if (header->interlaceType != PNG_INTERLACE_NONE) {
        png_set_interlace_handling(png);
    }
    png_read_update_info(png, info);
    png_get_IHDR(png, info, &result->width, &result->height, &result->bitDepth, &result->colorType,
                 &result->interlaceType, nullptr, nullptr);
    *rowBytes = png_get_rowbytes(png, info);
    return true;
}

bool readRowGuarded(png_structp png, png_bytep row)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_row(png, row, nullptr);
    return true;
}

// Every pass over every row: libpng fills in the pixels of each pass where they belong.
bool readPassesGuarded(png_structp png, unsigned char* pixels, std::size_t pitch, std::uint32_t height)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    for (int pass = 0; pass < PNG_INTERLACE_ADAM7_PASSES; ++pass) {
        for (std::uint32_t y = 0; y < height; ++y) {
            png_read_row(png, pixels + y * pitch, nullptr);
        }
    }
    return true;
}

// The format the requested transformations lead to, known before libpng allocates rows.
PixelFormat expectedFormat(const PngHeader& header)
{
    switch (header.colorType) {
    case PNG_COLOR_TYPE_GRAY:
        return header.hasTransparency ? PixelFormat::GrayAlpha16 : PixelFormat::Gray8;
    case PNG_COLOR_TYPE_RGB:
    case PNG_COLOR_TYPE_PALETTE:
        return header.hasTransparency ? PixelFormat::Bgra32 : PixelFormat::Bgr24;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return PixelFormat::GrayAlpha16;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return PixelFormat::Bgra32;
    default:
        return PixelFormat::Gray8;
    }
}

PixelFormat formatOfColorType(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_RGB:
        return PixelFormat::Bgr24;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return PixelFormat::GrayAlpha16;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return PixelFormat::Bgra32;
    default:
        return PixelFormat::Gray8;
    }
}

bool fitsImageSizes(const PngHeader& header, PixelFormat format)
{
    std::uint64_t pitch = std::uint64_t{header.width} * bytesPerPixel(format);
    std::uint64_t bytes = pitch * header.height;
    return pitch <= maxImageBytes && bytes <= maxImageBytes && bytes <= decodedByteLimit.load();
}

int channelsOf(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

// Bytes of the filtered scanlines the image data inflates to, filter bytes included.
std::uint64_t inflatedBytes(const PngHeader& header)
{
    std::uint64_t bitsPerPixel = std::uint64_t(channelsOf(header.colorType)) * header.bitDepth;
    auto scanlines = [bitsPerPixel](std::uint64_t columns, std::uint64_t rows) {
        return columns == 0 ? 0 : rows * (1 + (columns * bitsPerPixel + 7) / 8);
    };
    if (header.interlaceType == PNG_INTERLACE_NONE) {
        return scanlines(header.width, header.height);
    }
    std::uint64_t total = 0;
    for (int pass = 0; pass < 7; ++pass) {
        total += scanlines(PNG_PASS_COLS(header.width, pass), PNG_PASS_ROWS(header.height, pass));
    }
    return total;
}

[[noreturn]] void throwOutOfMemory(const char* method = "vantrel::PngLoader::PngLoader")
{
    throw Exception(format("Out of memory in %s method.", method));
}

[[noreturn]] void throwInvalidFormat(const char* method)
{
    throw IoException(format("Invalid file format in %s method.", method));
}

} // namespace

PngLoader::PngLoader(std::shared_ptr<IStreamReader> stream) : stream(std::move(stream))
{
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpToRecoveryPoint, ignoreWarning);
    if (png == nullptr) {
        throwOutOfMemory();
    }
    info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throwOutOfMemory();
    }
    endInfo = png_create_info_struct(png);
    if (endInfo == nullptr) {
        png_destroy_read_struct(&png, &info, nullptr);
        throwOutOfMemory();
    }

    png_set_user_limits(png, maxDimension, maxDimension);
    png_set_chunk_malloc_max(png, maxChunkBytes);
    // Text, suggested palettes, colour-space and the other ancillary chunks play no part in
    // the rows the engine asks for: libpng skips them instead of keeping them in memory.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_read_fn(png, this, &PngLoader::readProc);

    PngHeader header{};
    if (!readInfoGuarded(png, info, &header)) {
        failConstruction();
    }
    PixelFormat expected = expectedFormat(header);
    if (!fitsImageSizes(header, expected) || !streamCanHold(inflatedBytes(header))) {
        failConstruction();
    }
    PngHeader result{};
    png_size_t rowBytes = 0;
    if (!transformGuarded(png, info, &header, &result, &rowBytes)) {
        failConstruction();
    }
    // libpng must deliver exactly the rows the destination is sized for.
    if (formatOfColorType(result.colorType) != expected || result.bitDepth != 8 || result.width != header.width ||
        result.height != header.height || rowBytes != std::uint64_t{result.width} * bytesPerPixel(expected)) {
        failConstruction();
    }
    width = result.width;
    height = result.height;
    format = expected;
    interlaced = header.interlaceType != PNG_INTERLACE_NONE;
}

void PngLoader::setDecodedByteLimit(std::uint64_t bytes) noexcept
{
    decodedByteLimit.store(bytes);
}

std::uint64_t PngLoader::getDecodedByteLimit() noexcept
{
    return decodedByteLimit.load();
}

PngLoader::~PngLoader()
{
    if (png != nullptr) {
        png_destroy_read_struct(&png, info != nullptr ? &info : nullptr,
                                info != nullptr && endInfo != nullptr ? &endInfo : nullptr);
    }
}

bool PngLoader::streamCanHold(std::uint64_t inflated)
{
    try {
        std::int64_t remaining = stream->getLength() - stream->getCursor();
        return remaining > 0 && inflated <= static_cast<std::uint64_t>(remaining) * maxInflateRatio;
    } catch (const std::exception&) {
        return false;
    }
}

void PngLoader::failConstruction()
{
    png_destroy_read_struct(&png, &info, &endInfo);
    png = nullptr;
    info = nullptr;
    endInfo = nullptr;
    throwInvalidFormat("vantrel::PngLoader::PngLoader");
}

std::uint32_t PngLoader::getWidthImpl()
{
    return width;
}

std::uint32_t PngLoader::getHeightImpl()
{
    return height;
}

PixelFormat PngLoader::getFormatImpl()
{
    return format;
}

std::uint32_t PngLoader::getPitchImpl()
{
    return width * bytesPerPixel(format);
}

std::size_t PngLoader::loadImpl(void* destination, std::size_t size)
{
    std::uint32_t pitch = getPitchImpl();
    if (failed || rowsDelivered >= height || size < pitch) {
        throwInvalidFormat("vantrel::PngLoader::loadImpl");
    }
    if (interlaced) {
        if (!interlacedPixels) {
            decodeInterlacedImage();
        }
        std::memcpy(destination, interlacedPixels.get() + std::size_t{rowsDelivered} * pitch, pitch);
    } else if (!readRowGuarded(png, static_cast<png_bytep>(destination))) {
        failed = true;
        throwInvalidFormat("vantrel::PngLoader::loadImpl");
    }
    ++rowsDelivered;
    return pitch;
}

void PngLoader::loadAll(unsigned char* pixels, std::size_t pitch)
{
    if (!interlaced) {
        for (std::uint32_t y = rowsDelivered; y < height; ++y) {
            loadImpl(pixels + y * pitch, pitch);
        }
        return;
    }
    if (failed || rowsDelivered != 0 || pitch < getPitchImpl()) {
        throwInvalidFormat("vantrel::PngLoader::loadImpl");
    }
    if (!readPassesGuarded(png, pixels, pitch, height)) {
        failed = true;
        throwInvalidFormat("vantrel::PngLoader::loadImpl");
    }
    rowsDelivered = height;
}

void PngLoader::decodeInterlacedImage()
{
    std::size_t pitch = getPitchImpl();
    // Left uninitialised: the seven passes together write every pixel, and memory that the
    // data never reaches is never touched (new without (), not make_unique_for_overwrite,
    // which Emscripten's libc++ lacks; nothrow, so that a failure has the engine's text).
    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[pitch * height]);
    if (!pixels) {
        throwOutOfMemory("vantrel::PngLoader::loadImpl");
    }
    if (!readPassesGuarded(png, pixels.get(), pitch, height)) {
        failed = true;
        throwInvalidFormat("vantrel::PngLoader::loadImpl");
    }
    interlacedPixels = std::move(pixels);
}

void PngLoader::readProc(png_struct_def* png, unsigned char* data, std::size_t length)
{
    // The exception is gone before the jump: nothing with a destructor is live here.
    if (!readFromStream(png, data, length)) {
        png_longjmp(png, 1);
    }
}

bool PngLoader::readFromStream(png_struct_def* png, unsigned char* data, std::size_t length) noexcept
{
    try {
        auto* loader = static_cast<PngLoader*>(png_get_io_ptr(png));
        if (loader->stream->read(data, length) != length) {
            throwInvalidFormat("vantrel::PngLoader::readProc");
        }
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace vantrel
