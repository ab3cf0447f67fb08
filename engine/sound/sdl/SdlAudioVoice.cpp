#include <vantrel/sound/sdl/SdlAudioVoice.h>

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::size_t maxFramesPerFeed = 4096;
constexpr std::size_t minFramesPerFeed = 256;

void widen24To32(const unsigned char* source, std::size_t samples, std::int32_t* target)
{
    for (std::size_t i = 0; i < samples; ++i, source += 3) {
        std::uint32_t value = std::uint32_t{source[0]} << 8 | std::uint32_t{source[1]} << 16 |
                              std::uint32_t{source[2]} << 24;
        target[i] = static_cast<std::int32_t>(value);
    }
}

// SDL 2.26 holds back the resampler's look-ahead (512 frames, more when downsampling) and its
// flush does not always release it, which would cut the end of the sound; silence pushes it out.
std::size_t resamplerTailFrames(int sourceRate, int targetRate)
{
    if (sourceRate == targetRate) {
        return 0;
    }
    std::uint64_t faster = static_cast<std::uint64_t>(std::max(sourceRate, targetRate));
    return static_cast<std::size_t>((512 * faster + targetRate - 1) / static_cast<std::uint64_t>(targetRate) + 64);
}

// About 4096 output frames' worth of source frames, so that one feed of a slow source does
// not make the stream convert seconds of sound at once.
std::size_t framesPerFeed(int sourceRate, int targetRate)
{
    std::size_t scaled = maxFramesPerFeed * static_cast<std::size_t>(sourceRate) / static_cast<std::size_t>(targetRate);
    return std::clamp(scaled, minFramesPerFeed, maxFramesPerFeed);
}

} // namespace

SdlAudioVoice::SdlAudioVoice(const SdlSampleFormat& source, Stream stream, int targetRate)
    : source(source), stream(std::move(stream)), feedFrames(framesPerFeed(source.rate, targetRate))
{
    std::size_t channels = static_cast<std::size_t>(source.channels);
    if (source.packed24) {
        widened.resize(feedFrames * channels);
    }
    std::size_t fedFrameBytes = source.packed24 ? channels * sizeof(std::int32_t) : source.frameBytes;
    tail.assign(resamplerTailFrames(source.rate, targetRate) * fedFrameBytes, source.format == AUDIO_U8 ? 0x80 : 0);
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
    std::size_t bytes = std::min(playableBytes - fedBytes, feedFrames * source.frameBytes);
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
        if (!tail.empty()) {
            SDL_AudioStreamPut(stream.get(), tail.data(), static_cast<int>(tail.size()));
        }
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
