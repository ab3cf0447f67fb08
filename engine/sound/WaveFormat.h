#pragma once

#include <bit>
#include <cstdint>

namespace vantrel {

static_assert(std::endian::native == std::endian::little, "WAVE records are copied as they lie in the file");

constexpr std::uint16_t waveFormatPcm = 1;
constexpr std::uint16_t waveFormatIeeeFloat = 3;
constexpr std::uint16_t waveFormatExtensible = 0xFFFE;

// A WAVE format record as it lies in a "fmt " chunk; `cbSize` extra bytes follow it.
#pragma pack(push, 1)
struct WaveFormat {
    std::uint16_t wFormatTag;
    std::uint16_t nChannels;
    std::uint32_t nSamplesPerSec;
    std::uint32_t nAvgBytesPerSec;
    std::uint16_t nBlockAlign;
    std::uint16_t wBitsPerSample;
    std::uint16_t cbSize;
};
#pragma pack(pop)

static_assert(sizeof(WaveFormat) == 18);

} // namespace vantrel
