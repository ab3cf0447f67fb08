#pragma once

#include <SDL2/SDL_audio.h>

#include <cstdint>
#include <optional>

#include <vantrel/sound/WaveFormat.h>

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

// The formats of playableWaveFormatOf, in SDL's terms. `format` must be followed by its
// cbSize extra bytes. Empty for anything else.
std::optional<SdlSampleFormat> sdlSampleFormatOf(const WaveFormat& format);

} // namespace vantrel
