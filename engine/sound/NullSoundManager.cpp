#include "engine/sound/NullSoundManager.h"

#include "engine/sound/NullSound.h"
#include "engine/sound/StreamSoundLoading.h"
#include "engine/sound/WaveDataReader.h"

namespace vantrel {

std::shared_ptr<ISound> NullSoundManager::loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size)
{
    WaveDataReader reader(data, size);
    auto sound = std::make_shared<NullSound>(reader);
    sounds.emplace(id, sound);
    return sound;
}

std::shared_ptr<ISound> NullSoundManager::loadSoundImpl(std::int32_t id, IStreamReader& stream)
{
    return loadSoundFromStream(*this, id, stream, "vantrel::NullSoundManager::loadSoundImpl");
}

void NullSoundManager::unloadSoundImpl(std::int32_t id)
{
    sounds.erase(id);
}

std::shared_ptr<ISound> NullSoundManager::getSoundImpl(std::int32_t id)
{
    auto found = sounds.find(id);
    return found != sounds.end() ? found->second : nullptr;
}

} // namespace vantrel
