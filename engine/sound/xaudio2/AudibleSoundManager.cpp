#include <vantrel/sound/AudibleSoundManager.h>
#include <vantrel/sound/xaudio2/XAudio2SoundManager.h>

namespace vantrel {

std::shared_ptr<ISoundManager> createAudibleSoundManager()
{
    return std::make_shared<XAudio2SoundManager>();
}

} // namespace vantrel
