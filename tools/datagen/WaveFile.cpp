#include "tools/datagen/WaveFile.h"

#include <fstream>
#include <stdexcept>

#include "tools/datagen/LittleEndian.h"

namespace vantrel::datagen {

namespace {

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::uint8_t> encodeWave(const Pcm16Sound& sound)
{
    if (sound.channels == 0) {
        throw std::runtime_error("a sound needs at least one channel");
    }
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(sound.channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, sound.channels);
    put32(out, sound.sampleRate);
    put32(out, sound.sampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t sample : sound.samples) {
        put16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

void writeWave(const std::string& path, const Pcm16Sound& sound)
{
    std::vector<std::uint8_t> bytes = encodeWave(sound);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace vantrel::datagen
