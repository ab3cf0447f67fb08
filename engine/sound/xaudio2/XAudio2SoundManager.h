#pragma once

#include <memory>

#include <vantrel/sound/LoadedSounds.h>
#include <vantrel/sound/xaudio2/XAudio2Engine.h>

namespace vantrel {

// The audible back end: the XAudio2 2.7 engine or, where that one cannot start (it comes
// only with the old DirectX runtime), the system's XAudio2 2.9, with one mastering voice
// on the default device. The constructor throws ComException when neither starts,
// including when there is no audio device at all. COM must be initialised on the thread.
class XAudio2SoundManager : public LoadedSounds {
public:
    XAudio2SoundManager();
    // That engine version only.
    explicit XAudio2SoundManager(XAudio2Version only);
    ~XAudio2SoundManager() override;
    XAudio2SoundManager(const XAudio2SoundManager&) = delete;
    XAudio2SoundManager& operator=(const XAudio2SoundManager&) = delete;

    XAudio2Version getVersion() const noexcept { return engine->getVersion(); }

protected:
    std::shared_ptr<ISound> makeSound(WaveDataReader& reader) override;

private:
    std::unique_ptr<XAudio2Engine> engine;
};

} // namespace vantrel
