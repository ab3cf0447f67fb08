#pragma once

#include <vantrel/sound/LoadedSounds.h>

namespace vantrel {

/// The silent back end: loads and checks WAVE files like the audible one (the same formats
/// load in both), plays nothing.
class NullSoundManager : public LoadedSounds {
public:
    NullSoundManager() : LoadedSounds("vantrel::NullSoundManager::loadSoundImpl") {}

protected:
    /// A silent sound.
    std::shared_ptr<ISound> makeSound(WaveDataReader& reader) override;
};

} // namespace vantrel
