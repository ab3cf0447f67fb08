#include <mmdeviceapi.h>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/xaudio2/XAudio2Engine.h>

namespace vantrel {

namespace {

using CreateFunction = HRESULT(WINAPI*)(IXAudio2** engine, UINT32 flags, XAUDIO2_PROCESSOR processor);

// Wine's engine crashes in CreateMasteringVoice when there is no output device (Windows
// fails the call): without a default render device, audio counts as unable to start.
HRESULT findOutputDevice()
{
    IMMDeviceEnumerator* devices = nullptr;
    HRESULT result = CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                      __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&devices));
    if (FAILED(result)) {
        return result;
    }
    IMMDevice* device = nullptr;
    result = devices->GetDefaultAudioEndpoint(eRender, eConsole, &device);
    if (device != nullptr) {
        device->Release();
    }
    devices->Release();
    return result;
}

// The system's own XAudio2, loaded at run time: a program that imported it would not
// start where it is missing.
class XAudio29Engine final : public XAudio2Engine {
public:
    explicit XAudio29Engine(const char* method);
    ~XAudio29Engine() override;
    XAudio29Engine(const XAudio29Engine&) = delete;
    XAudio29Engine& operator=(const XAudio29Engine&) = delete;

    XAudio2Version getVersion() const noexcept override { return XAudio2Version::v2_9; }
    std::shared_ptr<XAudio2Sound> makeSound(WaveDataReader& reader) override
    {
        return std::make_shared<XAudio2VoiceSound<XAudio29Api>>(engine, reader);
    }

private:
    void release() noexcept;

    HMODULE library = nullptr;
    IXAudio2* engine = nullptr;
    IXAudio2MasteringVoice* masteringVoice = nullptr;
};

XAudio29Engine::XAudio29Engine(const char* method)
{
    auto fail = [&](const char* fmt, HRESULT result) {
        release();
        throw ComException(format(fmt, method), result);
    };
    library = LoadLibraryExW(L"xaudio2_9.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    auto create = library != nullptr
                      ? reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(GetProcAddress(library, "XAudio2Create")))
                      : nullptr;
    if (create == nullptr) {
        fail("XAudio2Create API failed in %s method.", HRESULT_FROM_WIN32(GetLastError()));
    }
    HRESULT result = create(&engine, 0, XAUDIO2_DEFAULT_PROCESSOR);
    if (FAILED(result)) {
        engine = nullptr;
        fail("XAudio2Create API failed in %s method.", result);
    }
    result = findOutputDevice();
    if (FAILED(result)) {
        fail("IMMDeviceEnumerator::GetDefaultAudioEndpoint API failed in %s method.", result);
    }
    result = engine->CreateMasteringVoice(&masteringVoice, 0, 0, 0, nullptr, nullptr, AudioCategory_GameEffects);
    if (FAILED(result)) {
        masteringVoice = nullptr;
        fail("CreateMasteringVoice API failed in %s method.", result);
    }
}

XAudio29Engine::~XAudio29Engine()
{
    release();
}

void XAudio29Engine::release() noexcept
{
    if (masteringVoice != nullptr) {
        masteringVoice->DestroyVoice();
    }
    if (engine != nullptr) {
        engine->Release();
    }
    if (library != nullptr) {
        FreeLibrary(library);
    }
}

} // namespace

std::unique_ptr<XAudio2Engine> startXAudio29Engine(const char* method)
{
    return std::make_unique<XAudio29Engine>(method);
}

} // namespace vantrel
