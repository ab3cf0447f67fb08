#pragma once

#include <SDL2/SDL_audio.h>

#include <cstdint>
#include <optional>

#include "engine/sound/WaveFormat.h"

namespace vantrel {

// How the samples of a WAVE data chunk are fed to SDL's conversion stream.
struct SdlSampleFormat {
    SDL_AudioFormat format;
    int channels;
    int rate;
    // Bytes of one frame in the data chunk.
    std::uint32_t frameBytes;
    // 3-byte samples, which SDL cannot take; they are widened to 32 bits first.
    bool packed24;
};

// Integer PCM of 8, 16, 24 or 32 bits and 32-bit float, mono or stereo, also in the
// extensible record. `format` must be followed by its cbSize extra bytes. Empty for
// anything else.
std::optional<SdlSampleFormat> sdlSampleFormatOf(const WaveFormat& format);

} // namespace vantrel
