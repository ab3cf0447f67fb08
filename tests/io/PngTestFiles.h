#pragma once

#include <cstdint>
#include <vector>

// What a test PNG holds: samples at the file's own bit depth, one value per channel
// (palette files: one index per pixel), rows top first.
struct PngPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colorType = 0;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint16_t> samples;
    std::vector<std::uint8_t> palette; // r, g, b per entry
    bool hasTransparency = false;
    std::vector<std::uint8_t> paletteAlpha;     // palette files
    std::uint16_t transparentGray = 0;          // gray files
    std::uint16_t transparentRgb[3] = {0, 0, 0}; // RGB files
};

// A picture of pseudo-random samples; the transparent key colour appears in it.
PngPicture makePicture(std::uint32_t width, std::uint32_t height, int colorType, int bitDepth, bool interlaced,
                       bool transparency, std::uint32_t seed);

// Encodes with libpng.
std::vector<unsigned char> encodePng(const PngPicture& picture);

// The rows the engine's loader must produce for `picture`, in its output layout.
std::vector<std::uint8_t> expectedRows(const PngPicture& picture);

// A file with a hand-made header (any dimensions, no limit checks) and a tiny image stream;
// `before` is put between the header and the image data.
std::vector<unsigned char> pngWithHeader(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType,
                                         bool interlaced = false, const std::vector<unsigned char>& before = {});

// The 8-byte header of a chunk that declares `length` bytes (nothing of them follows).
std::vector<unsigned char> chunkHeader(const char* type, std::uint32_t length);

// Appends a chunk with a correct or a deliberately wrong CRC.
void appendChunk(std::vector<unsigned char>& file, const char* type, const std::vector<unsigned char>& data,
                 bool correctCrc = true);

// A picture of zero samples, deflated as it is made, so that gigapixels cost no memory here.
// Palette files get two colours and, with `transparency`, a tRNS chunk; `idatBytes`
// splits the image data into chunks of at most that many bytes.
std::vector<unsigned char> blankPng(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType,
                                    bool interlaced, bool transparency, std::size_t idatBytes = 1u << 30);
