#pragma once

#include <vector>

#include <vantrel/sound/ISound.h>
#include <vantrel/sound/WaveDataReader.h>
#include <vantrel/sound/xaudio2/XAudio2Interfaces.h>

namespace vantrel {

// One WAVE data chunk kept whole in memory, played once through its own source voice;
// rewind queues the whole chunk again.
class XAudio2Sound : public ISound {
public:
    XAudio2Sound(xaudio27::Engine* engine, WaveDataReader& reader);
    ~XAudio2Sound() override;
    XAudio2Sound(const XAudio2Sound&) = delete;
    XAudio2Sound& operator=(const XAudio2Sound&) = delete;

    // Samples the voice has played since it was created.
    std::uint64_t getSamplesPlayed() const;

protected:
    void startImpl() override;
    void stopImpl() override;
    void rewindImpl() override;

private:
    xaudio27::SourceVoice* voice = nullptr;
    // The engine reads it while playing: never moved or changed after construction.
    std::vector<unsigned char> samples;
};

} // namespace vantrel
