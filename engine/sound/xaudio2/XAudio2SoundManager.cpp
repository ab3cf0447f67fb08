#include <vantrel/sound/xaudio2/XAudio2SoundManager.h>

#include <exception>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/xaudio2/XAudio2Sound.h>

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::XAudio2SoundManager::XAudio2SoundManager";
// The engine's own "device invalid" code, for an engine that lists no device.
constexpr HRESULT noDeviceResult = static_cast<HRESULT>(0x88960004);

[[noreturn]] void fail(const char* fmt, HRESULT result)
{
    throw ComException(format(fmt, constructorName), result);
}

} // namespace

XAudio2SoundManager::XAudio2SoundManager() : LoadedSounds("vantrel::XAudio2SoundManager::loadSoundImpl")
{
    void* created = nullptr;
    HRESULT result = CoCreateInstance(xaudio27::classId, nullptr, CLSCTX_INPROC_SERVER, xaudio27::interfaceId,
                                      &created);
    if (FAILED(result)) {
        fail("XAudio2Create API failed in %s method.", result);
    }
    engine = static_cast<xaudio27::Engine*>(created);
    result = engine->Initialize(0, xaudio27::defaultProcessor);
    if (FAILED(result)) {
        engine->Release();
        fail("XAudio2Create API failed in %s method.", result);
    }
    // Some engines crash in CreateMasteringVoice when there is no device instead of
    // failing: with none listed, audio counts as unable to start.
    UINT32 devices = 0;
    result = engine->GetDeviceCount(&devices);
    if (FAILED(result) || devices == 0) {
        engine->Release();
        fail("IXAudio2::GetDeviceCount API failed in %s method.", FAILED(result) ? result : noDeviceResult);
    }
    result = engine->CreateMasteringVoice(&masteringVoice, 0, 0, 0, 0, nullptr);
    if (FAILED(result)) {
        engine->Release();
        fail("CreateMasteringVoice API failed in %s method.", result);
    }
}

XAudio2SoundManager::~XAudio2SoundManager()
{
    try {
        releaseSounds();
        if (masteringVoice != nullptr) {
            masteringVoice->DestroyVoice();
        }
        if (engine != nullptr) {
            engine->Release();
        }
    } catch (...) {
    }
}

std::shared_ptr<ISound> XAudio2SoundManager::makeSound(WaveDataReader& reader)
{
    return std::make_shared<XAudio2Sound>(engine, reader);
}

} // namespace vantrel
