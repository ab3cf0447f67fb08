#include <vantrel/sound/xaudio2/XAudio2Sound.h>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr float defaultFrequencyRatio = 2.0f;
constexpr UINT32 commitNow = 0;
constexpr UINT32 endOfStream = 0x40;

void check(HRESULT result, const char* fmt, const char* method)
{
    if (FAILED(result)) {
        throw ComException(format(fmt, method), result);
    }
}

} // namespace

template <class Api>
XAudio2VoiceSound<Api>::XAudio2VoiceSound(typename Api::Engine* engine, WaveDataReader& reader)
{
    constexpr const char* method = "vantrel::XAudio2Sound::XAudio2Sound";
    auto* format = reinterpret_cast<const WAVEFORMATEX*>(reader.getWaveFormat());
    check(engine->CreateSourceVoice(&voice, format, 0, defaultFrequencyRatio, nullptr, nullptr, nullptr),
          "IXAudio2::CreateSourceVoice API failed in %s method.", method);
    try {
        samples.resize(reader.getDataSize());
        if (reader.read(samples.data(), samples.size()) != samples.size()) {
            throw IoException(vantrel::format("Invalid file format in %s method.", method));
        }
        rewindImpl();
    } catch (...) {
        voice->DestroyVoice();
        throw;
    }
}

template <class Api>
XAudio2VoiceSound<Api>::~XAudio2VoiceSound()
{
    voice->DestroyVoice();
}

template <class Api>
std::uint64_t XAudio2VoiceSound<Api>::getSamplesPlayed() const
{
    typename Api::VoiceState state{};
    Api::getState(voice, &state);
    return state.SamplesPlayed;
}

template <class Api>
void XAudio2VoiceSound<Api>::startImpl()
{
    check(voice->Start(0, commitNow), "IXAudio2SourceVoice::Start API failed in %s method.",
          "vantrel::XAudio2Sound::startImpl");
}

template <class Api>
void XAudio2VoiceSound<Api>::stopImpl()
{
    check(voice->Stop(0, commitNow), "IXAudio2SourceVoice::Stop API failed in %s method.",
          "vantrel::XAudio2Sound::stopImpl");
}

template <class Api>
void XAudio2VoiceSound<Api>::rewindImpl()
{
    constexpr const char* method = "vantrel::XAudio2Sound::rewindImpl";
    check(voice->FlushSourceBuffers(), "IXAudio2SourceVoice::FlushSourceBuffers API failed in %s method.",
          method);
    typename Api::Buffer buffer{};
    buffer.Flags = endOfStream;
    buffer.AudioBytes = static_cast<UINT32>(samples.size());
    buffer.pAudioData = samples.data();
    check(voice->SubmitSourceBuffer(&buffer, nullptr),
          "IXAudio2SourceVoice::SubmitSourceBuffer API failed in %s method.", method);
}

template class XAudio2VoiceSound<XAudio27Api>;
template class XAudio2VoiceSound<XAudio29Api>;

} // namespace vantrel
