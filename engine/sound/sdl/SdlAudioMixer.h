#pragma once

#include <SDL2/SDL_audio.h>

#include <mutex>
#include <vector>

#include <vantrel/sound/OutputPacer.h>
#include <vantrel/sound/sdl/SdlAudioVoice.h>

namespace vantrel {

// Sums the started voices into the output device's buffers. Shared by the manager (whose
// device calls `callback`) and by every sound, so a sound that outlives its manager still
// finds it; the device is closed before the manager lets go, and after that nothing mixes.
class SdlAudioMixer {
public:
    static constexpr int deviceRate = 48000;
    static constexpr SDL_AudioFormat deviceFormat = AUDIO_F32SYS;
    static constexpr int deviceChannels = 2;

    // Room for the largest buffer the device asks for, in floats.
    void reserve(std::size_t count);

    void attach(SdlAudioVoice* voice);
    void detach(SdlAudioVoice* voice);
    void start(SdlAudioVoice& voice);
    void stop(SdlAudioVoice& voice);
    void rewind(SdlAudioVoice& voice);

    // Fills `length` bytes of device-format output.
    void mix(unsigned char* output, int length);
    static void SDLCALL callback(void* mixer, Uint8* output, int length);

private:
    std::mutex lock;
    std::vector<SdlAudioVoice*> voices;
    std::vector<float> scratch;
    OutputPacer pacer{deviceRate}; // used by the device's thread alone
};

} // namespace vantrel
