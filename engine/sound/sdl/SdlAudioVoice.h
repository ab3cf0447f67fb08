#pragma once

#include <SDL2/SDL_audio.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/sound/sdl/SdlSampleFormat.h>

namespace vantrel {

// The playing state of one sound: where it stands in its samples and the SDL stream that
// converts them to the mixer's format. The samples are fed a little at a time, as the
// mixer asks for output. Every operation except construction runs under the mixer's lock.
class SdlAudioVoice {
public:
    struct StreamDeleter {
        void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
    };
    using Stream = std::unique_ptr<SDL_AudioStream, StreamDeleter>;

    SdlAudioVoice(const SdlSampleFormat& source, Stream stream, int targetRate);

    // The samples must not move or change while the voice exists. A trailing partial frame
    // is not played.
    void setSamples(const unsigned char* samples, std::size_t size);

    void start() { started = true; }
    void stop() { started = false; }
    // Back to the first sample; a started voice plays on from there.
    void rewind();

    // Adds this voice's next `count` output floats to `output`; `scratch` holds at least `count`.
    void mixInto(float* output, std::size_t count, float* scratch);

private:
    void feedOnce();

    SdlSampleFormat source;
    Stream stream;
    std::size_t feedFrames;
    const unsigned char* samples = nullptr;
    std::size_t playableBytes = 0;
    std::size_t fedBytes = 0;
    bool started = false;
    std::vector<std::int32_t> widened;
    // Silence in the fed format, put behind the last sample when the stream resamples.
    std::vector<unsigned char> tail;
};

} // namespace vantrel
