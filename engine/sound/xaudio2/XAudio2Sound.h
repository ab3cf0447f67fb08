#pragma once

#include <cstdint>
#include <vector>

#include <vantrel/sound/ISound.h>
#include <vantrel/sound/WaveDataReader.h>
#include <vantrel/sound/xaudio2/XAudio2Api.h>

namespace vantrel {

// A sound of either engine version.
class XAudio2Sound : public ISound {
public:
    // Samples the voice has played since it was created.
    virtual std::uint64_t getSamplesPlayed() const = 0;
};

// One WAVE data chunk kept whole in memory, played once through its own source voice of
// an engine of version Api; rewind queues the whole chunk again.
template <class Api>
class XAudio2VoiceSound final : public XAudio2Sound {
public:
    XAudio2VoiceSound(typename Api::Engine* engine, WaveDataReader& reader);
    ~XAudio2VoiceSound() override;
    XAudio2VoiceSound(const XAudio2VoiceSound&) = delete;
    XAudio2VoiceSound& operator=(const XAudio2VoiceSound&) = delete;

    std::uint64_t getSamplesPlayed() const override;

protected:
    void startImpl() override;
    void stopImpl() override;
    void rewindImpl() override;

private:
    typename Api::SourceVoice* voice = nullptr;
    // The engine reads it while playing: never moved or changed after construction.
    std::vector<unsigned char> samples;
};

extern template class XAudio2VoiceSound<XAudio27Api>;
extern template class XAudio2VoiceSound<XAudio29Api>;

} // namespace vantrel
