#pragma once

#include <bit>
#include <cstdint>

namespace vantrel {

static_assert(std::endian::native == std::endian::little, "WAVE records are copied as they lie in the file");

constexpr std::uint16_t waveFormatPcm = 1;              ///< integer samples
constexpr std::uint16_t waveFormatIeeeFloat = 3;        ///< floating-point samples
constexpr std::uint16_t waveFormatExtensible = 0xFFFE;  ///< the extensible record follows

#pragma pack(push, 1)
/// A WAVE format record as it lies in a "fmt " chunk; `cbSize` extra bytes follow it.
struct WaveFormat {
    std::uint16_t wFormatTag;      ///< waveFormatPcm, waveFormatIeeeFloat or waveFormatExtensible
    std::uint16_t nChannels;       ///< interleaved channels
    std::uint32_t nSamplesPerSec;  ///< samples per second per channel
    std::uint32_t nAvgBytesPerSec; ///< bytes per second
    std::uint16_t nBlockAlign;     ///< bytes of one frame (a sample of every channel)
    std::uint16_t wBitsPerSample;  ///< bits of one sample
    std::uint16_t cbSize;          ///< extra bytes after the record
};
#pragma pack(pop)

static_assert(sizeof(WaveFormat) == 18);

} // namespace vantrel
