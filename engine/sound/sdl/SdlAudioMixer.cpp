#include <vantrel/sound/sdl/SdlAudioMixer.h>

#include <algorithm>
#include <cmath>
#include <thread>

namespace vantrel {

void SdlAudioMixer::reserve(std::size_t count)
{
    std::lock_guard<std::mutex> guard(lock);
    if (scratch.size() < count) {
        scratch.resize(count);
    }
}

void SdlAudioMixer::attach(SdlAudioVoice* voice)
{
    std::lock_guard<std::mutex> guard(lock);
    voices.push_back(voice);
}

void SdlAudioMixer::detach(SdlAudioVoice* voice)
{
    std::lock_guard<std::mutex> guard(lock);
    voices.erase(std::remove(voices.begin(), voices.end(), voice), voices.end());
}

void SdlAudioMixer::start(SdlAudioVoice& voice)
{
    std::lock_guard<std::mutex> guard(lock);
    voice.start();
}

void SdlAudioMixer::stop(SdlAudioVoice& voice)
{
    std::lock_guard<std::mutex> guard(lock);
    voice.stop();
}

void SdlAudioMixer::rewind(SdlAudioVoice& voice)
{
    std::lock_guard<std::mutex> guard(lock);
    voice.rewind();
}

void SdlAudioMixer::mix(unsigned char* output, int length)
{
    auto* samples = reinterpret_cast<float*>(output);
    std::size_t count = static_cast<std::size_t>(std::max(length, 0)) / sizeof(float);
    std::fill(samples, samples + count, 0.0f);
    std::lock_guard<std::mutex> guard(lock);
    if (scratch.size() < count) {
        scratch.resize(count);
    }
    for (SdlAudioVoice* voice : voices) {
        voice->mixInto(samples, count, scratch.data());
    }
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = std::isnan(samples[i]) ? 0.0f : std::clamp(samples[i], -1.0f, 1.0f);
    }
}

void SDLCALL SdlAudioMixer::callback(void* mixer, Uint8* output, int length)
{
    auto* self = static_cast<SdlAudioMixer*>(mixer);
    self->mix(output, length);
    // Only this thread paces: a device that does not block is held to real time here.
    std::size_t frames = static_cast<std::size_t>(std::max(length, 0)) / (sizeof(float) * deviceChannels);
    auto wait = self->pacer.delivered(frames, OutputPacer::Clock::now());
    if (wait > OutputPacer::Clock::duration(0)) {
        std::this_thread::sleep_for(wait);
    }
}

} // namespace vantrel
