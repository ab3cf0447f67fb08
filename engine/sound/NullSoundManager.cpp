#include <vantrel/sound/NullSoundManager.h>

#include <vantrel/sound/NullSound.h>

namespace vantrel {

std::shared_ptr<ISound> NullSoundManager::makeSound(WaveDataReader& reader)
{
    return std::make_shared<NullSound>(reader);
}

} // namespace vantrel
