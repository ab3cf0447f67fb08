#include <vantrel/sound/sdl/SdlAudioSoundManager.h>

#include <SDL2/SDL.h>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/sdl/SdlAudioSound.h>

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::SdlAudioSoundManager::SdlAudioSoundManager";
constexpr Uint16 framesPerBuffer = 1024;

} // namespace

SdlAudioSoundManager::SdlAudioSoundManager()
    : LoadedSounds("vantrel::SdlAudioSoundManager::loadSoundImpl"), mixer(std::make_shared<SdlAudioMixer>())
{
    int result = SDL_InitSubSystem(SDL_INIT_AUDIO);
    if (result < 0) {
        throw ComException(format("SDL_InitSubSystem API failed in %s method.", constructorName), result);
    }
    SDL_AudioSpec desired{};
    desired.freq = SdlAudioMixer::deviceRate;
    desired.format = SdlAudioMixer::deviceFormat;
    desired.channels = SdlAudioMixer::deviceChannels;
    desired.samples = framesPerBuffer;
    desired.callback = &SdlAudioMixer::callback;
    desired.userdata = mixer.get();
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants behind the callback.
    device = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw ComException(format("SDL_OpenAudioDevice API failed in %s method.", constructorName), -1);
    }
    mixer->reserve(obtained.size / sizeof(float));
    SDL_PauseAudioDevice(device, 0);
}

SdlAudioSoundManager::~SdlAudioSoundManager()
{
    try {
        releaseSounds();
        SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    } catch (...) {
    }
}

std::shared_ptr<ISound> SdlAudioSoundManager::makeSound(WaveDataReader& reader)
{
    return std::make_shared<SdlAudioSound>(mixer, reader);
}

} // namespace vantrel
