#pragma once

#include <cstdint>
#include <optional>

#include <vantrel/sound/WaveFormat.h>

namespace vantrel {

enum class SampleEncoding : std::uint8_t { Unsigned8, Signed16, Packed24, Signed32, Float32 };

// A WAVE format that both sound back ends accept.
struct PlayableWaveFormat {
    SampleEncoding encoding;
    int channels;
    int rate;
    // Bytes of one frame in the data chunk.
    std::uint32_t frameBytes;
};

// The sample rates the audible back end converts, like the platform audio engine it stands in for.
constexpr std::uint32_t minPlayableRate = 1000;
constexpr std::uint32_t maxPlayableRate = 200000;

// Integer PCM of 8, 16, 24 or 32 bits and 32-bit float, mono or stereo, also in the
// extensible record, at 1,000 to 200,000 Hz. `format` must be followed by its cbSize extra
// bytes. Empty for anything else.
std::optional<PlayableWaveFormat> playableWaveFormatOf(const WaveFormat& format);

} // namespace vantrel
