#include <vantrel/sound/AudibleSoundManager.h>

#include <vantrel/sound/LoadedSounds.h>
#include <vantrel/sound/web/WebAudioSound.h>

namespace vantrel {

namespace {

// The page's audible back end: each sound handed to Web Audio as it loads.
class WebAudioSoundManager : public LoadedSounds {
public:
    WebAudioSoundManager() : LoadedSounds("vantrel::WebAudioSoundManager::loadSoundImpl") {}
    ~WebAudioSoundManager() override { releaseSounds(); }

protected:
    std::shared_ptr<ISound> makeSound(WaveDataReader& reader) override
    {
        return std::make_shared<WebAudioSound>(reader);
    }
};

} // namespace

std::shared_ptr<ISoundManager> createAudibleSoundManager()
{
    return std::make_shared<WebAudioSoundManager>();
}

} // namespace vantrel
