#pragma once

// The XAudio2 2.7 COM interfaces, declared here because the toolchain's headers describe
// the later, incompatible versions. Only the slot order matters for the calls made; every
// record is packed to 1 byte as the runtime expects.

#include <windows.h>

namespace vantrel::xaudio27 {

constexpr UINT32 defaultProcessor = 0xFFFFFFFF;

// {5a508685-a254-4fba-9b82-9a24b00306af}
constexpr CLSID classId = {0x5a508685, 0xa254, 0x4fba, {0x9b, 0x82, 0x9a, 0x24, 0xb0, 0x03, 0x06, 0xaf}};
// {8bcf1f58-9fe7-4583-8ac6-e2adc465c8bb}
constexpr IID interfaceId = {0x8bcf1f58, 0x9fe7, 0x4583, {0x8a, 0xc6, 0xe2, 0xad, 0xc4, 0x65, 0xc8, 0xbb}};

#pragma pack(push, 1)
// Named as in the later versions' XAUDIO2_BUFFER and XAUDIO2_VOICE_STATE, which have the
// same layout, so that code can serve both.
struct Buffer {
    UINT32 Flags;
    UINT32 AudioBytes;
    const BYTE* pAudioData;
    UINT32 PlayBegin;
    UINT32 PlayLength;
    UINT32 LoopBegin;
    UINT32 LoopLength;
    UINT32 LoopCount;
    void* pContext;
};
struct VoiceState {
    void* pCurrentBufferContext;
    UINT32 BuffersQueued;
    UINT64 SamplesPlayed;
};
#pragma pack(pop)

class Voice {
public:
    virtual void STDMETHODCALLTYPE GetVoiceDetails(void* details) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetOutputVoices(const void* sends) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEffectChain(const void* chain) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnableEffect(UINT32 index, UINT32 operationSet) = 0;
    virtual HRESULT STDMETHODCALLTYPE DisableEffect(UINT32 index, UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetEffectState(UINT32 index, BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEffectParameters(UINT32 index, const void* parameters, UINT32 size,
                                                          UINT32 operationSet) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetEffectParameters(UINT32 index, void* parameters, UINT32 size) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetFilterParameters(const void* parameters, UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetFilterParameters(void* parameters) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetOutputFilterParameters(Voice* destination, const void* parameters,
                                                                UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetOutputFilterParameters(Voice* destination, void* parameters) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVolume(float volume, UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetVolume(float* volume) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetChannelVolumes(UINT32 channels, const float* volumes,
                                                        UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetChannelVolumes(UINT32 channels, float* volumes) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetOutputMatrix(Voice* destination, UINT32 sourceChannels,
                                                      UINT32 destinationChannels, const float* matrix,
                                                      UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetOutputMatrix(Voice* destination, UINT32 sourceChannels,
                                                   UINT32 destinationChannels, float* matrix) = 0;
    virtual void STDMETHODCALLTYPE DestroyVoice() = 0;
};

class SourceVoice : public Voice {
public:
    virtual HRESULT STDMETHODCALLTYPE Start(UINT32 flags, UINT32 operationSet) = 0;
    virtual HRESULT STDMETHODCALLTYPE Stop(UINT32 flags, UINT32 operationSet) = 0;
    virtual HRESULT STDMETHODCALLTYPE SubmitSourceBuffer(const Buffer* buffer, const void* wmaBuffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE FlushSourceBuffers() = 0;
    virtual HRESULT STDMETHODCALLTYPE Discontinuity() = 0;
    virtual HRESULT STDMETHODCALLTYPE ExitLoop(UINT32 operationSet) = 0;
    virtual void STDMETHODCALLTYPE GetState(VoiceState* state) = 0;
};

class MasteringVoice : public Voice {
};

class Engine : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE GetDeviceCount(UINT32* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDeviceDetails(UINT32 index, void* details) = 0;
    virtual HRESULT STDMETHODCALLTYPE Initialize(UINT32 flags, UINT32 processor) = 0;
    virtual HRESULT STDMETHODCALLTYPE RegisterForCallbacks(void* callback) = 0;
    virtual void STDMETHODCALLTYPE UnregisterForCallbacks(void* callback) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateSourceVoice(SourceVoice** voice, const WAVEFORMATEX* format,
                                                        UINT32 flags, float maxFrequencyRatio, void* callback,
                                                        const void* sends, const void* effects) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateSubmixVoice(Voice** voice, UINT32 channels, UINT32 sampleRate,
                                                        UINT32 flags, UINT32 stage, const void* sends,
                                                        const void* effects) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateMasteringVoice(MasteringVoice** voice, UINT32 channels,
                                                           UINT32 sampleRate, UINT32 flags, UINT32 deviceIndex,
                                                           const void* effects) = 0;
};

} // namespace vantrel::xaudio27
