#pragma once

#include <SDL2/SDL_audio.h>

#include <map>
#include <memory>

#include "engine/sound/ISoundManager.h"
#include "engine/sound/SdlAudioMixer.h"

namespace vantrel {

// The audible back end: one output device opened at construction, fed by our own mixer.
// The constructor throws ComException when SDL audio cannot start or no device opens.
class SdlAudioSoundManager : public ISoundManager {
public:
    SdlAudioSoundManager();
    ~SdlAudioSoundManager() override;
    SdlAudioSoundManager(const SdlAudioSoundManager&) = delete;
    SdlAudioSoundManager& operator=(const SdlAudioSoundManager&) = delete;

protected:
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size) override;
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, IStreamReader& stream) override;
    void unloadSoundImpl(std::int32_t id) override;
    std::shared_ptr<ISound> getSoundImpl(std::int32_t id) override;

private:
    std::shared_ptr<SdlAudioMixer> mixer;
    SDL_AudioDeviceID device = 0;
    std::map<std::int32_t, std::shared_ptr<ISound>> sounds;
};

} // namespace vantrel
