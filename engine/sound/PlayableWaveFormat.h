#pragma once

#include <cstdint>
#include <optional>

#include <vantrel/sound/WaveFormat.h>

namespace vantrel {

/// How the samples of a playable WAVE format are stored.
enum class SampleEncoding : std::uint8_t {
    Unsigned8, ///< 8-bit unsigned integers
    Signed16,  ///< 16-bit signed integers
    Packed24,  ///< 24-bit signed integers, three bytes each
    Signed32,  ///< 32-bit signed integers
    Float32,   ///< 32-bit floats
};

/// A WAVE format that both sound back ends accept.
struct PlayableWaveFormat {
    SampleEncoding encoding; ///< the samples' encoding
    int channels; ///< interleaved channels
    int rate; ///< samples per second per channel
    /// Bytes of one frame in the data chunk.
    std::uint32_t frameBytes;
};

/// The sample rates the audible back end converts, like the platform audio engine it stands in for.
constexpr std::uint32_t minPlayableRate = 1000;
/// The highest sample rate the audible back end converts.
constexpr std::uint32_t maxPlayableRate = 200000;

/// Integer PCM of 8, 16, 24 or 32 bits and 32-bit float, mono or stereo, also in the
/// extensible record, at 1,000 to 200,000 Hz. `format` must be followed by its cbSize extra
/// bytes. Empty for anything else.
std::optional<PlayableWaveFormat> playableWaveFormatOf(const WaveFormat& format);

} // namespace vantrel
