#include <vantrel/sound/LoadedSounds.h>

#include <vantrel/sound/StreamSoundLoading.h>

namespace vantrel {

std::shared_ptr<ISound> LoadedSounds::loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size)
{
    WaveDataReader reader(data, size);
    auto sound = makeSound(reader);
    sounds.emplace(id, sound);
    return sound;
}

std::shared_ptr<ISound> LoadedSounds::loadSoundImpl(std::int32_t id, IStreamReader& stream)
{
    return loadSoundFromStream(*this, id, stream, streamLoadMethod);
}

void LoadedSounds::unloadSoundImpl(std::int32_t id)
{
    sounds.erase(id);
}

std::shared_ptr<ISound> LoadedSounds::getSoundImpl(std::int32_t id)
{
    auto found = sounds.find(id);
    return found != sounds.end() ? found->second : nullptr;
}

} // namespace vantrel
