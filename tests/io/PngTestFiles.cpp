#include "tests/io/PngTestFiles.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <random>
#include <utility>

namespace {

void appendBigEndian(Bytes& out, std::uint32_t value)
{
    out.resize(out.size() + 4);
    png_save_uint_32(out.data() + out.size() - 4, value);
}

int channelsOf(int colorType)
{
    return colorType == PNG_COLOR_TYPE_RGB_ALPHA    ? 4
           : colorType == PNG_COLOR_TYPE_RGB        ? 3
           : colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                    : 1;
}

std::uint8_t to8(std::uint16_t value, int bitDepth)
{
    return static_cast<std::uint8_t>(bitDepth == 16 ? value >> 8 : value * 255 / ((1 << bitDepth) - 1));
}

} // namespace

std::vector<PngKind> everyPngKind()
{
    const std::pair<int, std::vector<int>> depths[] = {
        {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},
        {PNG_COLOR_TYPE_RGB, {8, 16}},           {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},
        {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}},
    };
    std::vector<PngKind> kinds;
    for (const auto& [colorType, bitDepths] : depths) {
        for (int bitDepth : bitDepths) {
            // Plain and interlaced, then with tRNS, which types with an alpha channel do not take.
            for (int variant = 0; variant < ((colorType & PNG_COLOR_MASK_ALPHA) != 0 ? 2 : 4); ++variant) {
                kinds.push_back({colorType, bitDepth, variant >= 2, variant % 2 == 1});
            }
        }
    }
    return kinds;
}

PngPicture makePicture(std::uint32_t width, std::uint32_t height, const PngKind& kind, std::uint32_t seed)
{
    PngPicture picture{width, height, kind, {}, {}, {}, {}};
    std::minstd_rand next(seed + 1);
    std::uint32_t values = 1u << kind.bitDepth;
    if (kind.colorType == PNG_COLOR_TYPE_PALETTE) {
        values = std::min<std::uint32_t>(values, 19);
        for (std::uint32_t i = 0; i < values * 3; ++i) {
            picture.palette.push_back(static_cast<std::uint8_t>(next()));
        }
        // Fewer alpha values than entries: the others are opaque.
        for (std::uint32_t i = 0; kind.transparency && i + 1 < values; ++i) {
            picture.paletteAlpha.push_back(static_cast<std::uint8_t>(next()));
        }
    }
    for (std::size_t i = 0; i < std::size_t{width} * height * channelsOf(kind.colorType); ++i) {
        picture.samples.push_back(static_cast<std::uint16_t>(next() % values));
    }
    // The transparent key is the first pixel's colour, so it appears in the picture.
    if (kind.transparency && kind.colorType != PNG_COLOR_TYPE_PALETTE) {
        auto first = picture.samples.begin();
        picture.transparentKey = {first, first + channelsOf(kind.colorType)};
    }
    return picture;
}

Bytes encodePng(const PngPicture& picture)
{
    const PngKind& kind = picture.kind;
    std::size_t channels = channelsOf(kind.colorType);
    Bytes chunks;
    if (kind.colorType == PNG_COLOR_TYPE_PALETTE) {
        appendChunk(chunks, "PLTE", picture.palette);
    }
    if (kind.transparency) {
        Bytes alpha = picture.paletteAlpha;
        for (std::uint16_t value : picture.transparentKey) {
            alpha.push_back(static_cast<unsigned char>(value >> 8));
            alpha.push_back(static_cast<unsigned char>(value));
        }
        appendChunk(chunks, "tRNS", alpha);
    }
    // Scanlines row by row, or when interlaced, pass by pass the rows each pass holds (a pass
    // with no columns has none): filter byte 0, then the samples packed most significant bits
    // first. A blank picture holds no samples, and its scanlines stay zeros.
    Bytes scanlines;
    int depth = kind.bitDepth;
    // At most twice the rows (the passes' rows add up to less), each with room to spare.
    std::uint64_t rowBytes = 2 + (std::uint64_t{picture.width} * channels * depth + 7) / 8;
    scanlines.reserve(2 * picture.height * rowBytes);
    for (int pass = 0; pass < (kind.interlaced ? 7 : 1); ++pass) {
        std::uint32_t x0 = kind.interlaced ? PNG_PASS_START_COL(pass) : 0;
        std::uint32_t dx = kind.interlaced ? PNG_PASS_COL_OFFSET(pass) : 1;
        std::uint32_t y0 = kind.interlaced ? PNG_PASS_START_ROW(pass) : 0;
        std::uint32_t dy = kind.interlaced ? PNG_PASS_ROW_OFFSET(pass) : 1;
        std::uint64_t columns = (std::uint64_t{picture.width} + dx - 1 - x0) / dx;
        for (std::uint64_t y = y0; columns > 0 && y < picture.height; y += dy) {
            scanlines.push_back(0);
            std::size_t start = scanlines.size();
            scanlines.resize(start + (columns * channels * depth + 7) / 8);
            for (std::uint64_t i = 0; i < columns * channels && !picture.samples.empty(); ++i) {
                std::uint64_t x = x0 + i / channels * dx;
                std::uint16_t value = picture.samples[(y * picture.width + x) * channels + i % channels];
                std::uint64_t bit = i * depth;
                if (depth == 16) {
                    png_save_uint_16(&scanlines[start + bit / 8], value);
                } else {
                    scanlines[start + bit / 8] |= static_cast<unsigned char>(value << (8 - depth - bit % 8));
                }
            }
        }
    }
    return pngWithHeader(picture.width, picture.height, kind, chunks, scanlines);
}

std::vector<std::uint8_t> expectedRows(const PngPicture& picture)
{
    std::vector<std::uint8_t> out;
    int channels = channelsOf(picture.kind.colorType);
    int bitDepth = picture.kind.bitDepth;
    for (std::size_t p = 0; p < std::size_t{picture.width} * picture.height; ++p) {
        const std::uint16_t* s = picture.samples.data() + p * channels;
        if (picture.kind.colorType == PNG_COLOR_TYPE_PALETTE) {
            const std::uint8_t* rgb = picture.palette.data() + s[0] * 3;
            out.insert(out.end(), {rgb[2], rgb[1], rgb[0]});
            if (picture.kind.transparency) {
                out.push_back(s[0] < picture.paletteAlpha.size() ? picture.paletteAlpha[s[0]] : 255);
            }
            continue;
        }
        // Colour comes out blue first; an alpha channel or the transparent key follows.
        for (int c = channels >= 3 ? 2 : 0; c >= 0; --c) {
            out.push_back(to8(s[c], bitDepth));
        }
        if (channels % 2 == 0) {
            out.push_back(to8(s[channels - 1], bitDepth));
        } else if (picture.kind.transparency) {
            out.push_back(std::equal(s, s + channels, picture.transparentKey.begin()) ? 0 : 255);
        }
    }
    return out;
}

Bytes deflated(const Bytes& raw)
{
    // Left uninitialised: blank pictures' scanlines deflate to a thousandth of their size.
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::unique_ptr<Bytef[]> packed(new Bytef[size]);
    compress2(packed.get(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
    return Bytes(packed.get(), packed.get() + size);
}

void appendChunk(Bytes& file, const char* type, const Bytes& data, bool correctCrc)
{
    appendBigEndian(file, static_cast<std::uint32_t>(data.size()));
    std::size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    auto crc =
        static_cast<std::uint32_t>(crc32(0, file.data() + start, static_cast<uInt>(file.size() - start)));
    appendBigEndian(file, correctCrc ? crc : crc ^ 1);
}

Bytes pngWithHeader(std::uint32_t width, std::uint32_t height, const PngKind& kind, const Bytes& before,
                    const Bytes& scanlines)
{
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header.insert(header.end(), {static_cast<unsigned char>(kind.bitDepth),
                                 static_cast<unsigned char>(kind.colorType), 0, 0, kind.interlaced});
    appendChunk(file, "IHDR", header);
    file.insert(file.end(), before.begin(), before.end());
    appendChunk(file, "IDAT", deflated(scanlines));
    appendChunk(file, "IEND", {});
    return file;
}

Bytes blankPng(std::uint32_t width, std::uint32_t height, const PngKind& kind)
{
    return encodePng({width, height, kind, {}, {0, 0, 0, 255, 255, 255}, {0}, {}});
}
