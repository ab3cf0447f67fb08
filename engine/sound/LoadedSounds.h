#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include <vantrel/sound/ISoundManager.h>
#include <vantrel/sound/WaveDataReader.h>

namespace vantrel {

/// What every back end shares: the sounds it has loaded, kept by id. A back end only says how
/// a sound is made from a parsed WAVE file and which method a failed stream load names.
class LoadedSounds : public ISoundManager {
protected:
    /// `streamLoadMethod` names the method in the messages of failed stream loads.
    explicit LoadedSounds(const char* streamLoadMethod) : streamLoadMethod(streamLoadMethod) {}

    /// Makes the back end's sound from a parsed WAVE file.
    virtual std::shared_ptr<ISound> makeSound(WaveDataReader& reader) = 0;
    /// Back ends let their sounds go before they close the device the sounds play on.
    void releaseSounds() { sounds.clear(); }

    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size) override;
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, IStreamReader& stream) override;
    void unloadSoundImpl(std::int32_t id) override;
    std::shared_ptr<ISound> getSoundImpl(std::int32_t id) override;

private:
    const char* streamLoadMethod;
    std::map<std::int32_t, std::shared_ptr<ISound>> sounds;
};

} // namespace vantrel
