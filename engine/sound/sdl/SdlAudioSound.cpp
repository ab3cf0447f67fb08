#include <vantrel/sound/sdl/SdlAudioSound.h>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::SdlAudioSound::SdlAudioSound";

// A format the conversion stream cannot take is refused like a stream SDL will not create.
std::unique_ptr<SdlAudioVoice> createVoice(const WaveFormat& waveFormat)
{
    std::optional<SdlSampleFormat> source = sdlSampleFormatOf(waveFormat);
    SdlAudioVoice::Stream stream;
    if (source) {
        stream.reset(SDL_NewAudioStream(source->format, static_cast<Uint8>(source->channels), source->rate,
                                        SdlAudioMixer::deviceFormat, SdlAudioMixer::deviceChannels,
                                        SdlAudioMixer::deviceRate));
    }
    if (!stream) {
        throw ComException(format("SDL_NewAudioStream API failed in %s method.", constructorName), -1);
    }
    return std::make_unique<SdlAudioVoice>(*source, std::move(stream), SdlAudioMixer::deviceRate);
}

} // namespace

SdlAudioSound::SdlAudioSound(std::shared_ptr<SdlAudioMixer> mixer, WaveDataReader& reader)
    : mixer(std::move(mixer)), voice(createVoice(*reader.getWaveFormat()))
{
    samples.resize(reader.getDataSize());
    if (reader.read(samples.data(), samples.size()) < samples.size()) {
        throw IoException(format("Invalid file format in %s method.", constructorName));
    }
    voice->setSamples(samples.data(), samples.size());
    rewindImpl();
    this->mixer->attach(voice.get());
}

SdlAudioSound::~SdlAudioSound()
{
    mixer->detach(voice.get());
}

void SdlAudioSound::startImpl()
{
    mixer->start(*voice);
}

void SdlAudioSound::stopImpl()
{
    mixer->stop(*voice);
}

void SdlAudioSound::rewindImpl()
{
    mixer->rewind(*voice);
}

} // namespace vantrel
