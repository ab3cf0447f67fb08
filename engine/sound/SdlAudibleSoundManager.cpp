#include "engine/sound/AudibleSoundManager.h"
#include "engine/sound/SdlAudioSoundManager.h"

namespace vantrel {

std::shared_ptr<ISoundManager> createAudibleSoundManager()
{
    return std::make_shared<SdlAudioSoundManager>();
}

} // namespace vantrel
