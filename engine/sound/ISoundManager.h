#pragma once

#include <cstdint>
#include <memory>

#include <vantrel/io/IStreamReader.h>
#include <vantrel/sound/ISound.h>

namespace vantrel {

/// Loads WAVE files and keeps the sounds under small integer ids. Loading under an id that
/// is already taken returns the new sound but keeps the first one registered.
class ISoundManager {
public:
    virtual ~ISoundManager() = default;

    /// `data` is a complete WAVE file image of `size` bytes.
    std::shared_ptr<ISound> loadSound(std::int32_t id, const void* data, std::uint32_t size)
    {
        return loadSoundImpl(id, data, size);
    }
    /// Reads the whole stream; an empty stream or one above 4 GiB gives an empty pointer.
    std::shared_ptr<ISound> loadSound(std::int32_t id, IStreamReader& stream) { return loadSoundImpl(id, stream); }
    /// Forgets the sound registered under `id`; holders of it keep it.
    void unloadSound(std::int32_t id) { unloadSoundImpl(id); }
    /// The sound registered under `id`, or an empty pointer.
    std::shared_ptr<ISound> getSound(std::int32_t id) { return getSoundImpl(id); }

protected:
    virtual std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size) = 0;
    virtual std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, IStreamReader& stream) = 0;
    virtual void unloadSoundImpl(std::int32_t id) = 0;
    virtual std::shared_ptr<ISound> getSoundImpl(std::int32_t id) = 0;
};

} // namespace vantrel
