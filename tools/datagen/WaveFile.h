#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::datagen {

struct Pcm16Sound {
    std::uint32_t sampleRate = 44100;
    std::uint16_t channels = 1;
    std::vector<std::int16_t> samples; // interleaved when there is more than one channel
};

// The RIFF WAVE bytes: "fmt " (16-byte PCM format) then "data".
std::vector<std::uint8_t> encodeWave(const Pcm16Sound& sound);

// Throws std::runtime_error naming the file on failure.
void writeWave(const std::string& path, const Pcm16Sound& sound);

} // namespace vantrel::datagen
