#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<unsigned char>;

// A PNG's colour type and bit depth, with or without a tRNS chunk, plain or interlaced.
struct PngKind {
    int colorType = 0;
    int bitDepth = 8;
    bool transparency = false;
    bool interlaced = false;
};

// Every colour type at every bit depth it allows, with and without tRNS where the type
// takes one, each plain and interlaced.
std::vector<PngKind> everyPngKind();

// What a test PNG holds: samples at the file's own bit depth, one value per channel
// (palette files: one index per pixel), rows top first.
struct PngPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    PngKind kind;
    std::vector<std::uint16_t> samples;
    std::vector<std::uint8_t> palette;          // r, g, b per entry
    std::vector<std::uint8_t> paletteAlpha;     // palette files with transparency
    std::vector<std::uint16_t> transparentKey;  // gray and RGB files with transparency: a colour
};

// A picture of pseudo-random samples; the transparent key colour appears in it.
PngPicture makePicture(std::uint32_t width, std::uint32_t height, const PngKind& kind, std::uint32_t seed);

// The signature and the chunks, the image data deflated at the best compression, unfiltered.
Bytes encodePng(const PngPicture& picture);

// The rows the engine's loader must produce for `picture`, in its output layout.
std::vector<std::uint8_t> expectedRows(const PngPicture& picture);

Bytes deflated(const Bytes& raw);

// Appends a chunk with a correct or a deliberately wrong CRC.
void appendChunk(Bytes& file, const char* type, const Bytes& data, bool correctCrc = true);

// A file with a hand-made header (any dimensions, no limit checks): `before`, then `scanlines`
// deflated as the image data (by default enough for a 1 x 1 8-bit gray image).
Bytes pngWithHeader(std::uint32_t width, std::uint32_t height, const PngKind& kind, const Bytes& before = {},
                    const Bytes& scanlines = {0, 0x80});

// A picture of zero samples, made without holding them: a small file for any size. Palette
// files get two colours, the first one transparent with tRNS.
Bytes blankPng(std::uint32_t width, std::uint32_t height, const PngKind& kind);
