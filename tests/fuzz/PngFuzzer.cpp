// libFuzzer harness: arbitrary bytes through the PNG loader row by row, then through
// loadImage and every drawing operation at every kernel level.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/image/DrawingOperations.h>
#include <vantrel/image/kernels/KernelIsa.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/io/PngLoader.h>
#include "tests/io/MemoryStreamReader.h"

using namespace vantrel;

namespace {

// A picture this large really costs its size; the harness leaves those to the benchmarks.
constexpr std::uint64_t maxDecodedBytes = 16u << 20;

// The loader alone; true when the picture is small enough to go on with.
bool decodeRows(const std::uint8_t* data, std::size_t size)
{
    try {
        PngLoader loader(std::make_shared<MemoryStreamReader>(std::vector<unsigned char>(data, data + size)));
        std::uint64_t total = std::uint64_t{loader.getPitch()} * loader.getHeight();
        if (total > maxDecodedBytes) {
            return false;
        }
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
    if (fd < 0) {
        return nullptr;
    }
    std::shared_ptr<Image> image;
    if (write(fd, data, size) == static_cast<ssize_t>(size)) {
        std::string path = "/proc/self/fd/" + std::to_string(fd);
        try {
            image = loadImage(path.c_str());
        } catch (const IoException&) {
        }
    }
    close(fd);
    return image;
}

void drawEverywhere(const Image& picture)
{
    Image canvas(48, 40, PixelFormat::Bgrx32);
    std::vector<unsigned char> clear(std::size_t{canvas.getPitch()} * canvas.getHeight(), 0x5A);
    std::int32_t w = static_cast<std::int32_t>(picture.getWidth());
    std::int32_t h = static_cast<std::int32_t>(picture.getHeight());
    const Rect source{0, 0, w, h};
    for (int isa = 0; isa <= static_cast<int>(KernelIsa::Avx512); ++isa) {
        if (selectKernelIsa(static_cast<KernelIsa>(isa)) != static_cast<KernelIsa>(isa)) {
            continue;
        }
        for (int mode = 0; mode <= static_cast<int>(BlendMode::InverseMultiply); ++mode) {
            auto blend = static_cast<BlendMode>(mode);
            std::copy(clear.begin(), clear.end(), canvas.getPixels());
            drawImage(canvas, nullptr, blend, Rect{-3, 2, 45, 38}, picture, Point{1, 0}, 200);
            drawImageRect(canvas, nullptr, blend, Rect{5, 5, 40, 30}, picture, source, 255, mode % 2 == 0);
            stretchImage(canvas, nullptr, blend, Rect{0, 0, 48, 40}, picture, source, 128, mode % 2 != 0);
        }
    }
    selectKernelIsa(bestKernelIsa());
}

} // namespace

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
