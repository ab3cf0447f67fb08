// Writes the fuzzers' starting inputs: the scene's own small data files from the data
// generator, and pictures, sounds and texts of every kind the engine reads.
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/io/PngTestFiles.h"
#include "tests/sound/WaveFiles.h"
#include "tools/datagen/DataFiles.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t maxSeedBytes = 65536;

// Each of `seeds` as made-<n><extension>.
void writeSeeds(const fs::path& folder, const char* extension, const std::vector<Bytes>& seeds)
{
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const Bytes& seed = seeds[i];
        std::ofstream(folder / ("made-" + std::to_string(i) + extension), std::ios::binary)
            .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
    }
}

std::vector<Bytes> pngSeeds()
{
    std::vector<Bytes> seeds;
    for (const PngKind& kind : everyPngKind()) {
        seeds.push_back(encodePng(makePicture(13, 7, kind, static_cast<std::uint32_t>(seeds.size()))));
    }
    // Small files of large pictures: 1-bit palettes with transparency grow 32 times in
    // decoding, at the harness's limit and beyond it, and a flat interlaced RGBA picture.
    seeds.push_back(blankPng(4096, 4096, {PNG_COLOR_TYPE_PALETTE, 1, true, true}));
    seeds.push_back(blankPng(10000, 10000, {PNG_COLOR_TYPE_PALETTE, 1, true, true}));
    seeds.push_back(blankPng(2000, 4000, {PNG_COLOR_TYPE_RGB_ALPHA, 8, false, true}));
    return seeds;
}

std::vector<Bytes> waveSeeds()
{
    Bytes data(96);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<unsigned char>(i * 37);
    }
    std::vector<Bytes> seeds;
    for (const Bytes& format :
         {basicFormat(1, 1, 8000, 8), basicFormat(1, 2, 22050, 16), basicFormat(1, 2, 96000, 24),
          basicFormat(1, 1, 1000, 32), basicFormat(3, 2, 200000, 32), extensibleFormat(1, 2, 44100, 16),
          extensibleFormat(3, 1, 48000, 32)}) {
        seeds.push_back(waveFile({chunk("fmt ", format), chunk("LIST", Bytes(5, 'i')), chunk("data", data)}));
    }
    return seeds;
}

std::vector<Bytes> textSeeds()
{
    using namespace std::string_view_literals;
    std::vector<Bytes> seeds;
    for (std::string_view text : {"\0\0" "60.000 fps : screen(1)"sv, "\1\0" "CPU(0) : 12.50"sv,
                                  "\2\1\0\xD8\0\0\xFF\xDF\0\0\x41\0\0\0\x30\x30\0\0"sv,
                                  "\0\0" "\xE3\x81\x93\xE3\x82\x93\x89\xFF\x80"sv}) {
        seeds.emplace_back(text.begin(), text.end());
    }
    return seeds;
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
    writeSeeds(root / "png", ".png", pngSeeds());
    writeSeeds(root / "wave", ".wav", waveSeeds());
    writeSeeds(root / "text", ".txt", textSeeds());
    // The scene's own files that fit the fuzzers' input limit.
    vantrel::datagen::writeDataFiles((root / "png").string());
    for (const std::string& name : vantrel::datagen::dataFileNames()) {
        fs::path file = root / "png" / name;
        if (fs::file_size(file) > maxSeedBytes) {
            fs::remove(file);
        } else if (name.ends_with(".wav")) {
            fs::rename(file, root / "wave" / name);
        }
    }
    return 0;
}
