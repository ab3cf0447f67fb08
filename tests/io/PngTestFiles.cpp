#include "tests/io/PngTestFiles.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

void appendBigEndian(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

int channelsOf(int colorType)
{
    return colorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
           : colorType == PNG_COLOR_TYPE_RGB     ? 3
           : colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                    : 1;
}

Bytes packRow(const PngPicture& picture, std::uint32_t y)
{
    int bitDepth = picture.kind.bitDepth;
    std::size_t valuesPerRow = std::size_t{picture.width} * channelsOf(picture.kind.colorType);
    const std::uint16_t* values = picture.samples.data() + y * valuesPerRow;
    Bytes row((valuesPerRow * bitDepth + 7) / 8, 0);
    for (std::size_t i = 0; i < valuesPerRow; ++i) {
        if (bitDepth == 16) {
            row[2 * i] = static_cast<unsigned char>(values[i] >> 8);
            row[2 * i + 1] = static_cast<unsigned char>(values[i]);
        } else {
            std::size_t bit = i * bitDepth;
            row[bit / 8] |= static_cast<unsigned char>(values[i] << (8 - bitDepth - bit % 8));
        }
    }
    return row;
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
            // Types with an alpha channel take no tRNS chunk.
            for (bool transparency : {false, (colorType & PNG_COLOR_MASK_ALPHA) == 0}) {
                kinds.push_back({colorType, bitDepth, transparency, false});
                kinds.push_back({colorType, bitDepth, transparency, true});
            }
        }
    }
    return kinds;
}

PngPicture makePicture(std::uint32_t width, std::uint32_t height, const PngKind& kind, std::uint32_t seed)
{
    PngPicture picture{width, height, kind, {}, {}, {}};
    std::uint32_t state = seed * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
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
    picture.transparentGray = picture.samples[0];
    for (int c = 0; c < 3 && kind.colorType == PNG_COLOR_TYPE_RGB; ++c) {
        picture.transparentRgb[c] = picture.samples[c];
    }
    return picture;
}

Bytes encodePng(const PngPicture& picture)
{
    const PngKind& kind = picture.kind;
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("test PNG could not be written");
    }
    auto append = [](png_structp p, png_bytep data, png_size_t length) {
        auto* file = static_cast<Bytes*>(png_get_io_ptr(p));
        file->insert(file->end(), data, data + length);
    };
    png_set_write_fn(png, &out, append, [](png_structp) {});
    png_set_IHDR(png, info, picture.width, picture.height, kind.bitDepth, kind.colorType,
                 kind.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (kind.colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(picture.palette.data()),
                     static_cast<int>(picture.palette.size() / 3));
    }
    if (kind.transparency) {
        png_color_16 key{0, picture.transparentRgb[0], picture.transparentRgb[1], picture.transparentRgb[2],
                         picture.transparentGray};
        png_set_tRNS(png, info, picture.paletteAlpha.empty() ? nullptr : picture.paletteAlpha.data(),
                     static_cast<int>(picture.paletteAlpha.size()), &key);
    }
    png_write_info(png, info);
    std::vector<Bytes> rows;
    std::vector<png_bytep> rowPointers;
    rows.reserve(picture.height);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        rowPointers.push_back(rows.emplace_back(packRow(picture, y)).data());
    }
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> expectedRows(const PngPicture& picture)
{
    std::vector<std::uint8_t> out;
    int channels = channelsOf(picture.kind.colorType);
    int bitDepth = picture.kind.bitDepth;
    bool keyed = picture.kind.transparency;
    for (std::size_t p = 0; p < std::size_t{picture.width} * picture.height; ++p) {
        const std::uint16_t* s = picture.samples.data() + p * channels;
        if (picture.kind.colorType == PNG_COLOR_TYPE_PALETTE) {
            const std::uint8_t* rgb = picture.palette.data() + s[0] * 3;
            out.insert(out.end(), {rgb[2], rgb[1], rgb[0]});
            if (keyed) {
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
        } else if (channels == 1 && keyed) {
            out.push_back(s[0] == picture.transparentGray ? 0 : 255);
        } else if (keyed) {
            bool key = s[0] == picture.transparentRgb[0] && s[1] == picture.transparentRgb[1] &&
                       s[2] == picture.transparentRgb[2];
            out.push_back(key ? 0 : 255);
        }
    }
    return out;
}

Bytes deflated(const Bytes& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(size);
    compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(size);
    return packed;
}

void appendChunk(Bytes& file, const char* type, const Bytes& data, bool correctCrc)
{
    appendBigEndian(file, static_cast<std::uint32_t>(data.size()));
    std::size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    auto crc = static_cast<std::uint32_t>(crc32(0, file.data() + start, static_cast<uInt>(file.size() - start)));
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
    Bytes palette;
    if (kind.colorType == PNG_COLOR_TYPE_PALETTE) {
        appendChunk(palette, "PLTE", {0, 0, 0, 255, 255, 255});
        if (kind.transparency) {
            appendChunk(palette, "tRNS", {0});
        }
    }
    // Filter byte 0 and zero samples: every scanline of every pass is zeros.
    std::uint64_t bitsPerPixel = std::uint64_t(channelsOf(kind.colorType)) * kind.bitDepth;
    std::uint64_t bytes = 0;
    for (int pass = 0; pass < (kind.interlaced ? 7 : 1); ++pass) {
        std::uint64_t columns = kind.interlaced ? PNG_PASS_COLS(width, pass) : width;
        std::uint64_t rows = kind.interlaced ? PNG_PASS_ROWS(height, pass) : height;
        bytes += columns == 0 ? 0 : rows * (1 + (columns * bitsPerPixel + 7) / 8);
    }
    return pngWithHeader(width, height, kind, palette, Bytes(bytes));
}
