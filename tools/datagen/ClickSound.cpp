#include "tools/datagen/ClickSound.h"

#include <cmath>
#include <numbers>

#include "tools/datagen/Canvas.h"
#include "tools/datagen/Noise.h"

namespace vantrel::datagen {

Pcm16Sound makeClickSound()
{
    Pcm16Sound sound;
    sound.sampleRate = 44100;
    sound.channels = 1;
    const std::uint32_t count = sound.sampleRate * 70 / 1000;
    sound.samples.resize(count);
    constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;
    float lowPassed = 0.0f;
    for (std::uint32_t i = 0; i < count; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(sound.sampleRate);
        float attack = std::min(1.0f, t / 0.0004f);
        float noise = hashUnit(i, 0, 5) * 2.0f - 1.0f;
        lowPassed += 0.35f * (noise - lowPassed);
        float transient = lowPassed * std::exp(-t / 0.0015f);
        float body = 0.7f * std::sin(twoPi * 1850.0f * t) * std::exp(-t / 0.007f)
                     + 0.35f * std::sin(twoPi * 3120.0f * t) * std::exp(-t / 0.004f)
                     + 0.25f * std::sin(twoPi * 640.0f * t) * std::exp(-t / 0.012f);
        float release = 1.0f - smoothstep(0.060f, 0.070f, t);
        float value = 0.62f * attack * release * (body + 1.2f * transient);
        sound.samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
    }
    return sound;
}

} // namespace vantrel::datagen
