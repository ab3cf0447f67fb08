#pragma once

#include <memory>

#include <vantrel/sound/LoadedSounds.h>
#include <vantrel/sound/xaudio2/XAudio2Interfaces.h>

namespace vantrel {

// The audible back end: the XAudio2 2.7 engine with one mastering voice on the default
// device. The constructor throws ComException when the engine cannot start, including
// when it reports no audio device at all. COM must be initialised on the thread.
class XAudio2SoundManager : public LoadedSounds {
public:
    XAudio2SoundManager();
    ~XAudio2SoundManager() override;
    XAudio2SoundManager(const XAudio2SoundManager&) = delete;
    XAudio2SoundManager& operator=(const XAudio2SoundManager&) = delete;

protected:
    std::shared_ptr<ISound> makeSound(WaveDataReader& reader) override;

private:
    xaudio27::Engine* engine = nullptr;
    xaudio27::MasteringVoice* masteringVoice = nullptr;
};

} // namespace vantrel
