#include <vantrel/sound/xaudio2/XAudio2SoundManager.h>

#include <exception>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::XAudio2SoundManager::XAudio2SoundManager";

std::unique_ptr<XAudio2Engine> startEngine(XAudio2Version version)
{
    return version == XAudio2Version::v2_7 ? startXAudio27Engine(constructorName)
                                           : startXAudio29Engine(constructorName);
}

} // namespace

XAudio2SoundManager::XAudio2SoundManager() : LoadedSounds("vantrel::XAudio2SoundManager::loadSoundImpl")
{
    try {
        engine = startEngine(XAudio2Version::v2_7);
    } catch (const ComException&) {
        engine = startEngine(XAudio2Version::v2_9);
    }
}

XAudio2SoundManager::XAudio2SoundManager(XAudio2Version only)
    : LoadedSounds("vantrel::XAudio2SoundManager::loadSoundImpl"), engine(startEngine(only))
{
}

XAudio2SoundManager::~XAudio2SoundManager()
{
    try {
        releaseSounds();
        engine.reset();
    } catch (...) {
    }
}

std::shared_ptr<ISound> XAudio2SoundManager::makeSound(WaveDataReader& reader)
{
    return engine->makeSound(reader);
}

} // namespace vantrel
