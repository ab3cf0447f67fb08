#pragma once

#include <memory>

#include <vantrel/sound/ISoundManager.h>
#include <vantrel/sound/Singleton.h>

namespace vantrel {

/// The program's way to sound: forwards to the platform's audible back end, or to the silent one when
/// audio cannot start. Normally reached through getInstance.
class SoundManager : public ISoundManager, public Singleton<SoundManager> {
public:
    SoundManager();

    /// Whether instances created from now on try the audible back end. A program that never
    /// plays a sound (the benchmark) leaves the audio device, its thread and the audio
    /// library's probing alone.
    static void setAudible(bool audible) noexcept;

protected:
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size) override;
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, IStreamReader& stream) override;
    void unloadSoundImpl(std::int32_t id) override;
    std::shared_ptr<ISound> getSoundImpl(std::int32_t id) override;

private:
    std::shared_ptr<ISoundManager> backend;
};

} // namespace vantrel
