#pragma once

#include <SDL2/SDL_audio.h>

#include <memory>

#include <vantrel/sound/LoadedSounds.h>
#include <vantrel/sound/sdl/SdlAudioMixer.h>

namespace vantrel {

// The audible back end: one output device opened at construction, fed by our own mixer.
// The constructor throws ComException when SDL audio cannot start or no device opens.
class SdlAudioSoundManager : public LoadedSounds {
public:
    SdlAudioSoundManager();
    ~SdlAudioSoundManager() override;
    SdlAudioSoundManager(const SdlAudioSoundManager&) = delete;
    SdlAudioSoundManager& operator=(const SdlAudioSoundManager&) = delete;

protected:
    std::shared_ptr<ISound> makeSound(WaveDataReader& reader) override;

private:
    std::shared_ptr<SdlAudioMixer> mixer;
    SDL_AudioDeviceID device = 0;
};

} // namespace vantrel
