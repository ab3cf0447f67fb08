// libFuzzer harness: arbitrary bytes through the PNG loader row by row, then through
// loadImage and every drawing operation at every kernel level.
#include <png.h>
#include <sys/mman.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/image/DrawingOperations.h>
#include <vantrel/image/kernels/KernelIsa.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngLoader.h>
#include "tests/support/MemoryStreamReader.h"

using namespace vantrel;

namespace {

// The loader alone, row by row; true when the file is a picture.
bool decodeRows(const std::uint8_t* data, std::size_t size)
{
    try {
        PngLoader loader(std::make_shared<MemoryStreamReader>(std::vector<unsigned char>(data, data + size)));
        std::vector<unsigned char> row(loader.getPitch() + 1);
        for (std::uint32_t y = 0; y < loader.getHeight(); ++y) {
            loader.load(row.data(), row.size());
        }
        return true;
    } catch (const IoException&) {
        return false;
    }
}

std::shared_ptr<Image> loadThroughFile(const std::uint8_t* data, std::size_t size)
{
    int fd = memfd_create("fuzz.png", 0);
    std::shared_ptr<Image> image;
    try {
        if (fd >= 0 && write(fd, data, size) == static_cast<ssize_t>(size)) {
            image = loadImage(("/proc/self/fd/" + std::to_string(fd)).c_str());
        }
    } catch (const IoException&) {
    }
    close(fd);
    return image;
}

void drawEverywhere(const Image& picture)
{
    Image canvas(48, 40, PixelFormat::Bgrx32);
    const Rect source{0, 0, static_cast<std::int32_t>(picture.getWidth()),
                      static_cast<std::int32_t>(picture.getHeight())};
    for (int isa = 0; isa <= static_cast<int>(KernelIsa::Avx512); ++isa) {
        if (selectKernelIsa(static_cast<KernelIsa>(isa)) != static_cast<KernelIsa>(isa)) {
            continue;
        }
        for (int mode = 0; mode <= static_cast<int>(BlendMode::InverseMultiply); ++mode) {
            auto blend = static_cast<BlendMode>(mode);
            std::memset(canvas.getPixels(), 0x5A, std::size_t{canvas.getPitch()} * canvas.getHeight());
            drawImage(canvas, nullptr, blend, Rect{-3, 2, 45, 38}, picture, Point{1, 0}, 200);
            drawImageRect(canvas, nullptr, blend, Rect{5, 5, 40, 30}, picture, source, 255, mode % 2 == 0);
            stretchImage(canvas, nullptr, blend, Rect{0, 0, 48, 40}, picture, source, 128, mode % 2 != 0);
        }
    }
    selectKernelIsa(bestKernelIsa());
}

} // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

// libpng refuses a critical chunk whose checksum is wrong, so a mutation inside a chunk
// would never reach the decoder: every complete chunk gets its checksum back.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int)
{
    size = LLVMFuzzerMutate(data, size, maxSize);
    for (std::size_t at = 8; at + 12 <= size;) {
        std::uint32_t length = png_get_uint_32(data + at);
        if (length > size - at - 12) {
            break;
        }
        auto crc = static_cast<png_uint_32>(crc32(0, data + at + 4, length + 4));
        png_save_uint_32(data + at + 8 + length, crc);
        at += 12 + std::size_t{length};
    }
    return size;
}

// The loader's own decoded-size limit decides what is too large, lowered here to a quarter:
// the harness's memory (corpus, sanitizer reserves) counts against the same 256 MiB as each
// input, and an interlaced picture read row by row is held twice for a moment. The
// regression table in tests/io covers the default limit itself.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PngLoader::setDecodedByteLimit(PngLoader::defaultDecodedByteLimit / 4);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!decodeRows(data, size)) {
        return 0;
    }
    if (std::shared_ptr<Image> image = loadThroughFile(data, size)) {
        drawEverywhere(*image);
    }
    return 0;
}
