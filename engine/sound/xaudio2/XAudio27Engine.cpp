#include <vantrel/base/Exception.h>
#include <vantrel/sound/xaudio2/XAudio2Engine.h>

namespace vantrel {

namespace {

// The engine's own "device invalid" code, for an engine that lists no device.
constexpr HRESULT noDeviceResult = static_cast<HRESULT>(0x88960004);

class XAudio27Engine final : public XAudio2Engine {
public:
    explicit XAudio27Engine(const char* method);
    ~XAudio27Engine() override;
    XAudio27Engine(const XAudio27Engine&) = delete;
    XAudio27Engine& operator=(const XAudio27Engine&) = delete;

    XAudio2Version getVersion() const noexcept override { return XAudio2Version::v2_7; }
    std::shared_ptr<XAudio2Sound> makeSound(WaveDataReader& reader) override
    {
        return std::make_shared<XAudio2VoiceSound<XAudio27Api>>(engine, reader);
    }

private:
    xaudio27::Engine* engine = nullptr;
    xaudio27::MasteringVoice* masteringVoice = nullptr;
};

XAudio27Engine::XAudio27Engine(const char* method)
{
    auto fail = [&](const char* fmt, HRESULT result) {
        if (engine != nullptr) {
            engine->Release();
        }
        throw ComException(format(fmt, method), result);
    };
    void* created = nullptr;
    HRESULT result = CoCreateInstance(xaudio27::classId, nullptr, CLSCTX_INPROC_SERVER, xaudio27::interfaceId,
                                      &created);
    if (FAILED(result)) {
        fail("XAudio2Create API failed in %s method.", result);
    }
    engine = static_cast<xaudio27::Engine*>(created);
    // 2.7's threads may outlive the engine by a moment; COM unloading its DLL then (at
    // CoUninitialize or CoFreeUnusedLibraries) crashes the program at exit. The DLL that
    // serves the engine stays loaded until the process ends.
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       *reinterpret_cast<LPCWSTR*>(engine), &module);
    result = engine->Initialize(0, xaudio27::defaultProcessor);
    if (FAILED(result)) {
        fail("XAudio2Create API failed in %s method.", result);
    }
    // Some engines crash in CreateMasteringVoice when there is no device instead of
    // failing: with none listed, audio counts as unable to start.
    UINT32 devices = 0;
    result = engine->GetDeviceCount(&devices);
    if (FAILED(result) || devices == 0) {
        fail("IXAudio2::GetDeviceCount API failed in %s method.", FAILED(result) ? result : noDeviceResult);
    }
    result = engine->CreateMasteringVoice(&masteringVoice, 0, 0, 0, 0, nullptr);
    if (FAILED(result)) {
        fail("CreateMasteringVoice API failed in %s method.", result);
    }
}

XAudio27Engine::~XAudio27Engine()
{
    masteringVoice->DestroyVoice();
    engine->Release();
}

} // namespace

std::unique_ptr<XAudio2Engine> startXAudio27Engine(const char* method)
{
    return std::make_unique<XAudio27Engine>(method);
}

} // namespace vantrel
