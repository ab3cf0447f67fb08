#include <vantrel/sound/SoundManager.h>

#include <atomic>
#include <exception>

#include <vantrel/sound/AudibleSoundManager.h>
#include <vantrel/sound/NullSoundManager.h>

namespace vantrel {

namespace {

std::atomic<bool> audibleWanted{true};

} // namespace

void SoundManager::setAudible(bool audible) noexcept
{
    audibleWanted.store(audible);
}

SoundManager::SoundManager()
{
    try {
        if (audibleWanted.load()) {
            backend = createAudibleSoundManager();
        }
    } catch (const std::exception&) {
    }
    if (!backend) {
        backend = std::make_shared<NullSoundManager>();
    }
}

std::shared_ptr<ISound> SoundManager::loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size)
{
    return backend->loadSound(id, data, size);
}

std::shared_ptr<ISound> SoundManager::loadSoundImpl(std::int32_t id, IStreamReader& stream)
{
    return backend->loadSound(id, stream);
}

void SoundManager::unloadSoundImpl(std::int32_t id)
{
    backend->unloadSound(id);
}

std::shared_ptr<ISound> SoundManager::getSoundImpl(std::int32_t id)
{
    return backend->getSound(id);
}

} // namespace vantrel
