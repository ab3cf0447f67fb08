#include <vantrel/sound/sdl/SdlSampleFormat.h>

#include <vantrel/sound/PlayableWaveFormat.h>

namespace vantrel {

namespace {

SDL_AudioFormat sdlFormatOf(SampleEncoding encoding)
{
    switch (encoding) {
    case SampleEncoding::Unsigned8:
        return AUDIO_U8;
    case SampleEncoding::Signed16:
        return AUDIO_S16LSB;
    case SampleEncoding::Packed24:
    case SampleEncoding::Signed32:
        return AUDIO_S32LSB;
    case SampleEncoding::Float32:
        break;
    }
    return AUDIO_F32LSB;
}

} // namespace

std::optional<SdlSampleFormat> sdlSampleFormatOf(const WaveFormat& format)
{
    std::optional<PlayableWaveFormat> playable = playableWaveFormatOf(format);
    if (!playable) {
        return std::nullopt;
    }
    return SdlSampleFormat{sdlFormatOf(playable->encoding), playable->channels, playable->rate, playable->frameBytes,
                           playable->encoding == SampleEncoding::Packed24};
}

} // namespace vantrel
