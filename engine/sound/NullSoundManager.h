#pragma once

#include <map>

#include "engine/sound/ISoundManager.h"

namespace vantrel {

// The silent back end: loads and checks WAVE files like the audible one (the same formats
// load in both), plays nothing.
class NullSoundManager : public ISoundManager {
protected:
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, const void* data, std::uint32_t size) override;
    std::shared_ptr<ISound> loadSoundImpl(std::int32_t id, IStreamReader& stream) override;
    void unloadSoundImpl(std::int32_t id) override;
    std::shared_ptr<ISound> getSoundImpl(std::int32_t id) override;

private:
    std::map<std::int32_t, std::shared_ptr<ISound>> sounds;
};

} // namespace vantrel
