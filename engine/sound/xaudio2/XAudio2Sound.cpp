#include <vantrel/sound/xaudio2/XAudio2Sound.h>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

void check(HRESULT result, const char* fmt, const char* method)
{
    if (FAILED(result)) {
        throw ComException(format(fmt, method), result);
    }
}

} // namespace

XAudio2Sound::XAudio2Sound(xaudio27::Engine* engine, WaveDataReader& reader)
{
    constexpr const char* method = "vantrel::XAudio2Sound::XAudio2Sound";
    auto* format = reinterpret_cast<const WAVEFORMATEX*>(reader.getWaveFormat());
    check(engine->CreateSourceVoice(&voice, format, 0, xaudio27::defaultFrequencyRatio, nullptr, nullptr,
                                    nullptr),
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

XAudio2Sound::~XAudio2Sound()
{
    voice->DestroyVoice();
}

std::uint64_t XAudio2Sound::getSamplesPlayed() const
{
    xaudio27::VoiceState state{};
    voice->GetState(&state);
    return state.samplesPlayed;
}

void XAudio2Sound::startImpl()
{
    check(voice->Start(0, xaudio27::commitNow), "IXAudio2SourceVoice::Start API failed in %s method.",
          "vantrel::XAudio2Sound::startImpl");
}

void XAudio2Sound::stopImpl()
{
    check(voice->Stop(0, xaudio27::commitNow), "IXAudio2SourceVoice::Stop API failed in %s method.",
          "vantrel::XAudio2Sound::stopImpl");
}

void XAudio2Sound::rewindImpl()
{
    constexpr const char* method = "vantrel::XAudio2Sound::rewindImpl";
    check(voice->FlushSourceBuffers(), "IXAudio2SourceVoice::FlushSourceBuffers API failed in %s method.",
          method);
    xaudio27::Buffer buffer{};
    buffer.flags = xaudio27::endOfStream;
    buffer.audioBytes = static_cast<UINT32>(samples.size());
    buffer.audioData = samples.data();
    check(voice->SubmitSourceBuffer(&buffer, nullptr),
          "IXAudio2SourceVoice::SubmitSourceBuffer API failed in %s method.", method);
}

} // namespace vantrel
