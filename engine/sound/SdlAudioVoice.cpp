#include "engine/sound/SdlAudioVoice.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::size_t framesPerFeed = 4096;

void widen24To32(const unsigned char* source, std::size_t samples, std::int32_t* target)
{
    for (std::size_t i = 0; i < samples; ++i, source += 3) {
        std::uint32_t value = std::uint32_t{source[0]} << 8 | std::uint32_t{source[1]} << 16 |
                              std::uint32_t{source[2]} << 24;
        target[i] = static_cast<std::int32_t>(value);
    }
}

} // namespace

SdlAudioVoice::SdlAudioVoice(const SdlSampleFormat& source, Stream stream) : source(source), stream(std::move(stream))
{
    if (source.packed24) {
        widened.resize(framesPerFeed * static_cast<std::size_t>(source.channels));
    }
}

void SdlAudioVoice::setSamples(const unsigned char* samples, std::size_t size)
{
    this->samples = samples;
    playableBytes = size - size % source.frameBytes;
    fedBytes = 0;
}

void SdlAudioVoice::rewind()
{
    SDL_AudioStreamClear(stream.get());
    fedBytes = 0;
}

void SdlAudioVoice::feedOnce()
{
    std::size_t bytes = std::min(playableBytes - fedBytes, framesPerFeed * source.frameBytes);
    int result;
    if (source.packed24) {
        std::size_t count = bytes / 3;
        widen24To32(samples + fedBytes, count, widened.data());
        result = SDL_AudioStreamPut(stream.get(), widened.data(), static_cast<int>(count * sizeof(std::int32_t)));
    } else {
        result = SDL_AudioStreamPut(stream.get(), samples + fedBytes, static_cast<int>(bytes));
    }
    fedBytes += bytes;
    if (result < 0) {
        fedBytes = playableBytes;
    }
    if (fedBytes == playableBytes) {
        SDL_AudioStreamFlush(stream.get());
    }
}

void SdlAudioVoice::mixInto(float* output, std::size_t count, float* scratch)
{
    if (!started) {
        return;
    }
    int wanted = static_cast<int>(count * sizeof(float));
    while (SDL_AudioStreamAvailable(stream.get()) < wanted && fedBytes < playableBytes) {
        feedOnce();
    }
    int delivered = SDL_AudioStreamGet(stream.get(), scratch, wanted);
    for (int i = 0; i < delivered / static_cast<int>(sizeof(float)); ++i) {
        output[i] += scratch[i];
    }
}

} // namespace vantrel
