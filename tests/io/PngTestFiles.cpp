#include "tests/io/PngTestFiles.h"

#include <png.h>
#include <zlib.h>

#include <stdexcept>

namespace {

void appendBigEndian(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

void writeToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

std::vector<unsigned char> packRow(const PngPicture& picture, std::uint32_t y)
{
    int channels = channelsOf(picture.colorType);
    std::size_t valuesPerRow = std::size_t{picture.width} * channels;
    const std::uint16_t* values = picture.samples.data() + y * valuesPerRow;
    std::vector<unsigned char> row;
    if (picture.bitDepth == 16) {
        for (std::size_t i = 0; i < valuesPerRow; ++i) {
            row.push_back(static_cast<unsigned char>(values[i] >> 8));
            row.push_back(static_cast<unsigned char>(values[i]));
        }
    } else if (picture.bitDepth == 8) {
        for (std::size_t i = 0; i < valuesPerRow; ++i) {
            row.push_back(static_cast<unsigned char>(values[i]));
        }
    } else {
        row.assign((valuesPerRow * picture.bitDepth + 7) / 8, 0);
        for (std::size_t i = 0; i < valuesPerRow; ++i) {
            std::size_t bit = i * picture.bitDepth;
            int shift = 8 - picture.bitDepth - static_cast<int>(bit % 8);
            row[bit / 8] |= static_cast<unsigned char>(values[i] << shift);
        }
    }
    return row;
}

std::uint8_t to8(std::uint16_t value, int bitDepth)
{
    if (bitDepth == 16) {
        return static_cast<std::uint8_t>(value >> 8);
    }
    return static_cast<std::uint8_t>(value * 255 / ((1 << bitDepth) - 1));
}

} // namespace

int channelsOf(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

PngPicture makePicture(std::uint32_t width, std::uint32_t height, int colorType, int bitDepth, bool interlaced,
                       bool transparency, std::uint32_t seed)
{
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colorType = colorType;
    picture.bitDepth = bitDepth;
    picture.interlaced = interlaced;
    picture.hasTransparency = transparency;
    std::uint32_t state = seed * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    std::uint32_t maxValue = (1u << bitDepth) - 1;
    std::uint32_t paletteSize = 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        paletteSize = std::min<std::uint32_t>(maxValue + 1, 19);
        for (std::uint32_t i = 0; i < paletteSize * 3; ++i) {
            picture.palette.push_back(static_cast<std::uint8_t>(next()));
        }
        if (transparency) {
            // Fewer alpha values than entries: the others are opaque.
            for (std::uint32_t i = 0; i + 1 < paletteSize; ++i) {
                picture.paletteAlpha.push_back(static_cast<std::uint8_t>(next()));
            }
        }
        maxValue = paletteSize - 1;
    }
    int channels = channelsOf(colorType);
    for (std::size_t i = 0; i < std::size_t{width} * height * channels; ++i) {
        picture.samples.push_back(static_cast<std::uint16_t>(next() % (maxValue + 1)));
    }
    if (transparency && colorType == PNG_COLOR_TYPE_GRAY) {
        picture.transparentGray = picture.samples[0];
    }
    if (transparency && colorType == PNG_COLOR_TYPE_RGB) {
        for (int c = 0; c < 3; ++c) {
            picture.transparentRgb[c] = picture.samples[c];
        }
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
    png_set_write_fn(png, &out, writeToVector, flushNothing);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (picture.colorType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> entries;
        for (std::size_t i = 0; i + 2 < picture.palette.size(); i += 3) {
            entries.push_back({picture.palette[i], picture.palette[i + 1], picture.palette[i + 2]});
        }
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
    }
    if (picture.hasTransparency) {
        png_color_16 key{};
        key.gray = picture.transparentGray;
        key.red = picture.transparentRgb[0];
        key.green = picture.transparentRgb[1];
        key.blue = picture.transparentRgb[2];
        png_set_tRNS(png, info, picture.paletteAlpha.empty() ? nullptr : picture.paletteAlpha.data(),
                     static_cast<int>(picture.paletteAlpha.size()), &key);
    }
    png_write_info(png, info);
    std::vector<std::vector<unsigned char>> rows;
    std::vector<png_bytep> rowPointers;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        rows.push_back(packRow(picture, y));
    }
    for (auto& row : rows) {
        rowPointers.push_back(row.data());
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
    for (std::size_t p = 0; p < std::size_t{picture.width} * picture.height; ++p) {
        const std::uint16_t* s = picture.samples.data() + p * channels;
        switch (picture.colorType) {
        case PNG_COLOR_TYPE_GRAY:
            out.push_back(to8(s[0], picture.bitDepth));
            if (picture.hasTransparency) {
                out.push_back(s[0] == picture.transparentGray ? 0 : 255);
            }
            break;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            out.push_back(to8(s[0], picture.bitDepth));
            out.push_back(to8(s[1], picture.bitDepth));
            break;
        case PNG_COLOR_TYPE_RGB:
            out.push_back(to8(s[2], picture.bitDepth));
            out.push_back(to8(s[1], picture.bitDepth));
            out.push_back(to8(s[0], picture.bitDepth));
            if (picture.hasTransparency) {
                bool key = s[0] == picture.transparentRgb[0] && s[1] == picture.transparentRgb[1] &&
                           s[2] == picture.transparentRgb[2];
                out.push_back(key ? 0 : 255);
            }
            break;
        case PNG_COLOR_TYPE_RGB_ALPHA:
            out.push_back(to8(s[2], picture.bitDepth));
            out.push_back(to8(s[1], picture.bitDepth));
            out.push_back(to8(s[0], picture.bitDepth));
            out.push_back(to8(s[3], picture.bitDepth));
            break;
        case PNG_COLOR_TYPE_PALETTE: {
            const std::uint8_t* rgb = picture.palette.data() + s[0] * 3;
            out.push_back(rgb[2]);
            out.push_back(rgb[1]);
            out.push_back(rgb[0]);
            if (picture.hasTransparency) {
                out.push_back(s[0] < picture.paletteAlpha.size() ? picture.paletteAlpha[s[0]] : 255);
            }
            break;
        }
        default:
            break;
        }
    }
    return out;
}

void appendChunk(std::vector<unsigned char>& file, const char* type, const std::vector<unsigned char>& data,
                 bool correctCrc)
{
    appendBigEndian(file, static_cast<std::uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    file.insert(file.end(), body.begin(), body.end());
    std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size())));
    appendBigEndian(file, correctCrc ? crc : crc ^ 1);
}

std::vector<unsigned char> pngWithHeader(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType)
{
    std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header.push_back(static_cast<unsigned char>(bitDepth));
    header.push_back(static_cast<unsigned char>(colorType));
    header.push_back(0);
    header.push_back(0);
    header.push_back(0);
    appendChunk(file, "IHDR", header);
    // One filter byte and one gray sample: enough for a 1 x 1 8-bit gray image.
    unsigned char raw[2] = {0, 0x80};
    unsigned char packed[64];
    uLongf packedSize = sizeof packed;
    compress(packed, &packedSize, raw, sizeof raw);
    appendChunk(file, "IDAT", std::vector<unsigned char>(packed, packed + packedSize));
    appendChunk(file, "IEND", {});
    return file;
}
