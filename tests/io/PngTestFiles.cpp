#include "tests/io/PngTestFiles.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <stdexcept>

namespace {

void appendBigEndian(std::vector<unsigned char>& out, std::uint32_t value)
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

std::vector<unsigned char> packRow(const PngPicture& picture, std::uint32_t y)
{
    std::size_t valuesPerRow = std::size_t{picture.width} * channelsOf(picture.colorType);
    const std::uint16_t* values = picture.samples.data() + y * valuesPerRow;
    std::vector<unsigned char> row((valuesPerRow * picture.bitDepth + 7) / 8, 0);
    for (std::size_t i = 0; i < valuesPerRow; ++i) {
        if (picture.bitDepth == 16) {
            row[2 * i] = static_cast<unsigned char>(values[i] >> 8);
            row[2 * i + 1] = static_cast<unsigned char>(values[i]);
        } else {
            std::size_t bit = i * picture.bitDepth;
            row[bit / 8] |= static_cast<unsigned char>(values[i] << (8 - picture.bitDepth - bit % 8));
        }
    }
    return row;
}

std::uint8_t to8(std::uint16_t value, int bitDepth)
{
    return static_cast<std::uint8_t>(bitDepth == 16 ? value >> 8 : value * 255 / ((1 << bitDepth) - 1));
}

} // namespace

PngPicture makePicture(std::uint32_t width, std::uint32_t height, int colorType, int bitDepth, bool interlaced,
                       bool transparency, std::uint32_t seed)
{
    PngPicture picture{width, height, colorType, bitDepth, interlaced, {}, {}, transparency, {}, 0, {}};
    std::uint32_t state = seed * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    std::uint32_t values = 1u << bitDepth;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        values = std::min<std::uint32_t>(values, 19);
        for (std::uint32_t i = 0; i < values * 3; ++i) {
            picture.palette.push_back(static_cast<std::uint8_t>(next()));
        }
        // Fewer alpha values than entries: the others are opaque.
        for (std::uint32_t i = 0; transparency && i + 1 < values; ++i) {
            picture.paletteAlpha.push_back(static_cast<std::uint8_t>(next()));
        }
    }
    for (std::size_t i = 0; i < std::size_t{width} * height * channelsOf(colorType); ++i) {
        picture.samples.push_back(static_cast<std::uint16_t>(next() % values));
    }
    // The transparent key is the first pixel's colour, so it appears in the picture.
    picture.transparentGray = picture.samples[0];
    for (int c = 0; c < 3 && colorType == PNG_COLOR_TYPE_RGB; ++c) {
        picture.transparentRgb[c] = picture.samples[c];
    }
    return picture;
}

std::vector<unsigned char> encodePng(const PngPicture& picture)
{
    std::vector<unsigned char> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("test PNG could not be written");
    }
    auto append = [](png_structp p, png_bytep data, png_size_t length) {
        auto* file = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(p));
        file->insert(file->end(), data, data + length);
    };
    png_set_write_fn(png, &out, append, [](png_structp) {});
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (picture.colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(picture.palette.data()),
                     static_cast<int>(picture.palette.size() / 3));
    }
    if (picture.hasTransparency) {
        png_color_16 key{0, picture.transparentRgb[0], picture.transparentRgb[1], picture.transparentRgb[2],
                         picture.transparentGray};
        png_set_tRNS(png, info, picture.paletteAlpha.empty() ? nullptr : picture.paletteAlpha.data(),
                     static_cast<int>(picture.paletteAlpha.size()), &key);
    }
    png_write_info(png, info);
    std::vector<std::vector<unsigned char>> rows;
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
    int channels = channelsOf(picture.colorType);
    bool keyed = picture.hasTransparency;
    for (std::size_t p = 0; p < std::size_t{picture.width} * picture.height; ++p) {
        const std::uint16_t* s = picture.samples.data() + p * channels;
        if (picture.colorType == PNG_COLOR_TYPE_PALETTE) {
            const std::uint8_t* rgb = picture.palette.data() + s[0] * 3;
            out.insert(out.end(), {rgb[2], rgb[1], rgb[0]});
            if (keyed) {
                out.push_back(s[0] < picture.paletteAlpha.size() ? picture.paletteAlpha[s[0]] : 255);
            }
            continue;
        }
        // Colour comes out blue first; an alpha channel or the transparent key follows.
        for (int c = channels >= 3 ? 2 : 0; c >= 0; --c) {
            out.push_back(to8(s[c], picture.bitDepth));
        }
        if (channels % 2 == 0) {
            out.push_back(to8(s[channels - 1], picture.bitDepth));
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

void appendChunk(std::vector<unsigned char>& file, const char* type, const std::vector<unsigned char>& data,
                 bool correctCrc)
{
    appendBigEndian(file, static_cast<std::uint32_t>(data.size()));
    std::size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    auto crc = static_cast<std::uint32_t>(crc32(0, file.data() + start, static_cast<uInt>(file.size() - start)));
    appendBigEndian(file, correctCrc ? crc : crc ^ 1);
}

namespace {

// The PNG signature and an IHDR chunk.
std::vector<unsigned char> signatureAndHeader(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType,
                                              bool interlaced)
{
    std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header.insert(header.end(), {static_cast<unsigned char>(bitDepth), static_cast<unsigned char>(colorType), 0, 0,
                                 static_cast<unsigned char>(interlaced ? 1 : 0)});
    appendChunk(file, "IHDR", header);
    return file;
}

} // namespace

std::vector<unsigned char> pngWithHeader(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType,
                                         bool interlaced, const std::vector<unsigned char>& before)
{
    std::vector<unsigned char> file = signatureAndHeader(width, height, bitDepth, colorType, interlaced);
    file.insert(file.end(), before.begin(), before.end());
    // One filter byte and one gray sample: enough for a 1 x 1 8-bit gray image.
    unsigned char raw[2] = {0, 0x80};
    unsigned char packed[64];
    uLongf packedSize = sizeof packed;
    compress(packed, &packedSize, raw, sizeof raw);
    appendChunk(file, "IDAT", std::vector<unsigned char>(packed, packed + packedSize));
    appendChunk(file, "IEND", {});
    return file;
}

std::vector<unsigned char> chunkHeader(const char* type, std::uint32_t length)
{
    std::vector<unsigned char> out;
    appendBigEndian(out, length);
    out.insert(out.end(), type, type + 4);
    return out;
}

std::vector<unsigned char> blankPng(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType,
                                    bool interlaced, bool transparency, std::size_t idatBytes)
{
    std::vector<unsigned char> file = signatureAndHeader(width, height, bitDepth, colorType, interlaced);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        appendChunk(file, "PLTE", {0, 0, 0, 255, 255, 255});
        if (transparency) {
            appendChunk(file, "tRNS", {0});
        }
    }
    // Filter byte 0 and zero samples: every scanline of every pass is zeros.
    std::uint64_t bitsPerPixel = std::uint64_t(channelsOf(colorType)) * bitDepth;
    std::uint64_t raw = 0;
    auto addScanlines = [&](std::uint64_t columns, std::uint64_t rows) {
        raw += columns == 0 ? 0 : rows * (1 + (columns * bitsPerPixel + 7) / 8);
    };
    if (!interlaced) {
        addScanlines(width, height);
    } else {
        for (int pass = 0; pass < 7; ++pass) {
            addScanlines(PNG_PASS_COLS(width, pass), PNG_PASS_ROWS(height, pass));
        }
    }
    z_stream stream{};
    deflateInit(&stream, 9);
    std::vector<unsigned char> zeros(1 << 20, 0);
    std::vector<unsigned char> packed;
    std::vector<unsigned char> out(1 << 16);
    int flush = Z_NO_FLUSH;
    do {
        if (stream.avail_in == 0 && flush == Z_NO_FLUSH) {
            std::uint64_t take = std::min<std::uint64_t>(raw, zeros.size());
            raw -= take;
            stream.next_in = zeros.data();
            stream.avail_in = static_cast<uInt>(take);
            flush = raw == 0 ? Z_FINISH : Z_NO_FLUSH;
        }
        stream.next_out = out.data();
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, flush);
        packed.insert(packed.end(), out.data(), out.data() + (out.size() - stream.avail_out));
    } while (flush != Z_FINISH || stream.avail_out == 0);
    deflateEnd(&stream);
    for (std::size_t at = 0; at < packed.size(); at += idatBytes) {
        std::size_t end = std::min(packed.size(), at + idatBytes);
        appendChunk(file, "IDAT", std::vector<unsigned char>(packed.begin() + at, packed.begin() + end));
    }
    appendChunk(file, "IEND", {});
    return file;
}
