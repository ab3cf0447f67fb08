// Writes the fuzzers' starting inputs: the scene's own small data files from the data
// generator, and pictures, sounds and texts of every kind the engine reads.
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/io/PngTestFiles.h"
#include "tests/sound/WaveFiles.h"
#include "tools/datagen/DataFiles.h"
#include "tools/datagen/WaveFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t maxSeedBytes = 65536;

void writeSeed(const fs::path& folder, const std::string& name, const std::vector<unsigned char>& bytes)
{
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writePngSeeds(const fs::path& folder)
{
    struct Kind {
        int colorType;
        int bitDepth;
        bool transparency;
    };
    const Kind kinds[] = {
        {PNG_COLOR_TYPE_GRAY, 1, false},       {PNG_COLOR_TYPE_GRAY, 2, true},  {PNG_COLOR_TYPE_GRAY, 16, false},
        {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false}, {PNG_COLOR_TYPE_RGB, 8, true},   {PNG_COLOR_TYPE_RGB, 16, false},
        {PNG_COLOR_TYPE_PALETTE, 4, true},     {PNG_COLOR_TYPE_PALETTE, 8, false},
        {PNG_COLOR_TYPE_RGB_ALPHA, 8, false},  {PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
    };
    int index = 0;
    for (const Kind& kind : kinds) {
        for (bool interlaced : {false, true}) {
            PngPicture picture = makePicture(13, 7, kind.colorType, kind.bitDepth, interlaced, kind.transparency,
                                             static_cast<std::uint32_t>(index));
            writeSeed(folder, "made-" + std::to_string(index++) + ".png", encodePng(picture));
        }
    }
    // Small files of large pictures: 1-bit palettes with transparency grow 32 times in
    // decoding, at the harness's limit and beyond it, and a flat interlaced RGBA picture.
    writeSeed(folder, "large-palette.png", blankPng(4096, 4096, 1, PNG_COLOR_TYPE_PALETTE, true, true));
    writeSeed(folder, "huge-palette.png", blankPng(10000, 10000, 1, PNG_COLOR_TYPE_PALETTE, true, true));
    writeSeed(folder, "large-rgba.png", blankPng(2000, 4000, 8, PNG_COLOR_TYPE_RGB_ALPHA, true, false));
}

void writeWaveSeeds(const fs::path& folder)
{
    vantrel::datagen::Pcm16Sound stereo;
    stereo.sampleRate = 22050;
    stereo.channels = 2;
    for (int i = 0; i < 64; ++i) {
        stereo.samples.push_back(static_cast<std::int16_t>(i * 997));
    }
    writeSeed(folder, "stereo.wav", vantrel::datagen::encodeWave(stereo));
    Bytes data(96);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<unsigned char>(i * 37);
    }
    const Bytes formats[] = {
        basicFormat(1, 1, 8000, 8),         basicFormat(1, 2, 96000, 24),          basicFormat(1, 1, 1000, 32),
        basicFormat(3, 2, 200000, 32),      extensibleFormat(1, 2, 44100, 16),    extensibleFormat(3, 1, 48000, 32),
    };
    int index = 0;
    for (const Bytes& format : formats) {
        writeSeed(folder, "made-" + std::to_string(index++) + ".wav",
                  waveFile({chunk("fmt ", format), chunk("LIST", Bytes(5, 'i')), chunk("data", data)}));
    }
}

void writeTextSeeds(const fs::path& folder)
{
    const std::string texts[] = {
        std::string("\x00\x00", 2) + "60.000 fps : screen(1)",
        std::string("\x01\x00", 2) + "CPU(0) : 12.50",
        std::string("\x02\x01", 2) + std::string("\x00\xD8\x00\x00\xFF\xDF\x00\x00\x41\x00\x00\x00\x30\x30\x00\x00", 16),
        std::string("\x00\x00", 2) + "\xE3\x81\x93\xE3\x82\x93\x89\xFF\x80",
    };
    int index = 0;
    for (const std::string& text : texts) {
        writeSeed(folder, "made-" + std::to_string(index++) + ".txt", std::vector<unsigned char>(text.begin(), text.end()));
    }
}

// The scene's own files that fit the fuzzers' input limit.
void copyDataFiles(const fs::path& pngFolder, const fs::path& waveFolder)
{
    fs::path scratch = fs::temp_directory_path() / ("vantrel-seeds-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    vantrel::datagen::writeDataFiles(scratch.string());
    for (const std::string& name : vantrel::datagen::dataFileNames()) {
        fs::path file = scratch / name;
        if (fs::file_size(file) <= maxSeedBytes) {
            fs::copy_file(file, (name.ends_with(".wav") ? waveFolder : pngFolder) / name,
                          fs::copy_options::overwrite_existing);
        }
    }
    fs::remove_all(scratch);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    fs::path root = argv[1];
    for (const char* kind : {"png", "wave", "text"}) {
        fs::create_directories(root / kind);
    }
    writePngSeeds(root / "png");
    writeWaveSeeds(root / "wave");
    writeTextSeeds(root / "text");
    copyDataFiles(root / "png", root / "wave");
    return 0;
}
