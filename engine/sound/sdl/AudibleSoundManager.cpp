#include <vantrel/sound/AudibleSoundManager.h>
#include <vantrel/sound/sdl/SdlAudioSoundManager.h>

namespace vantrel {

std::shared_ptr<ISoundManager> createAudibleSoundManager()
{
    return std::make_shared<SdlAudioSoundManager>();
}

} // namespace vantrel
