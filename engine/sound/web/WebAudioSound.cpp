#include <vantrel/sound/web/WebAudioSound.h>

#include <emscripten.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/PlayableWaveFormat.h>

// The page's sounds: planar float samples, a play position in seconds and the source
// node now playing, if any. `vantrelSounds.started` counts the starts, for the page's tests.
EM_JS(int, vantrelSoundCreate, (const float* samples, int frames, int channels, int rate), {
    const sounds = globalThis.vantrelSounds || (globalThis.vantrelSounds = {list: [], started: 0});
    const planes = [];
    for (let c = 0; c < channels; ++c) {
        planes.push(HEAPF32.slice((samples >> 2) + c * frames, (samples >> 2) + (c + 1) * frames));
    }
    sounds.list.push({planes: planes, rate: rate, offset: 0, source: null, startedAt: 0});
    return sounds.list.length - 1;
});

EM_JS(void, vantrelSoundRelease, (int handle), {
    const sound = globalThis.vantrelSounds.list[handle];
    if (sound && sound.source) {
        sound.source.stop();
    }
    globalThis.vantrelSounds.list[handle] = null;
});

EM_JS(void, vantrelSoundStart, (int handle), {
    const sounds = globalThis.vantrelSounds;
    const sound = sounds.list[handle];
    if (!sound || sound.source) {
        return;
    }
    sounds.started++;
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context) {
        return;
    }
    if (!sounds.context) {
        sounds.context = new Context();
    }
    const context = sounds.context;
    if (context.state === 'suspended') {
        context.resume();
    }
    if (!sound.buffer) {
        sound.buffer = context.createBuffer(sound.planes.length, sound.planes[0].length, sound.rate);
        sound.planes.forEach((plane, c) => sound.buffer.copyToChannel(plane, c));
    }
    const source = context.createBufferSource();
    source.buffer = sound.buffer;
    source.connect(context.destination);
    source.onended = () => {
        if (sound.source === source) {
            sound.source = null;
            sound.offset = 0;
        }
    };
    sound.source = source;
    sound.startedAt = context.currentTime - sound.offset;
    source.start(0, sound.offset);
});

EM_JS(void, vantrelSoundStop, (int handle), {
    const sound = globalThis.vantrelSounds.list[handle];
    if (!sound || !sound.source) {
        return;
    }
    const source = sound.source;
    sound.source = null;
    sound.offset = Math.max(0, globalThis.vantrelSounds.context.currentTime - sound.startedAt);
    source.stop();
});

EM_JS(void, vantrelSoundRewind, (int handle), {
    const sound = globalThis.vantrelSounds.list[handle];
    if (sound) {
        sound.offset = 0;
    }
});

namespace vantrel {

namespace {

constexpr const char* constructorName = "vantrel::WebAudioSound::WebAudioSound";

float sampleAt(const unsigned char* p, SampleEncoding encoding) noexcept
{
    switch (encoding) {
    case SampleEncoding::Unsigned8:
        return (static_cast<float>(p[0]) - 128.0f) / 128.0f;
    case SampleEncoding::Signed16: {
        std::int16_t v = static_cast<std::int16_t>(p[0] | (p[1] << 8));
        return static_cast<float>(v) / 32768.0f;
    }
    case SampleEncoding::Packed24: {
        std::int32_t v = static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) << 8 |
                                                   static_cast<std::uint32_t>(p[1]) << 16 |
                                                   static_cast<std::uint32_t>(p[2]) << 24);
        return static_cast<float>(v) / 2147483648.0f;
    }
    case SampleEncoding::Signed32: {
        std::int32_t v = static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                                   static_cast<std::uint32_t>(p[2]) << 16 |
                                                   static_cast<std::uint32_t>(p[3]) << 24);
        return static_cast<float>(v) / 2147483648.0f;
    }
    case SampleEncoding::Float32: {
        float v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    }
    return 0.0f;
}

} // namespace

WebAudioSound::WebAudioSound(WaveDataReader& reader)
{
    std::optional<PlayableWaveFormat> format = playableWaveFormatOf(*reader.getWaveFormat());
    if (!format) {
        throw ComException(vantrel::format("AudioContext API failed in %s method.", constructorName), -1);
    }
    std::vector<unsigned char> data(reader.getDataSize());
    if (reader.read(data.data(), data.size()) < data.size()) {
        throw IoException(vantrel::format("Invalid file format in %s method.", constructorName));
    }
    const std::size_t frames = data.size() / format->frameBytes;
    const std::size_t sampleBytes = format->frameBytes / static_cast<std::uint32_t>(format->channels);
    // Web Audio refuses an empty buffer: a sound without samples plays one silent frame.
    std::vector<float> planes(std::max<std::size_t>(frames, 1) * static_cast<std::size_t>(format->channels), 0.0f);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < format->channels; ++channel) {
            const unsigned char* p = data.data() + frame * format->frameBytes + std::size_t(channel) * sampleBytes;
            planes[std::size_t(channel) * frames + frame] = sampleAt(p, format->encoding);
        }
    }
    handle = vantrelSoundCreate(planes.data(), static_cast<int>(std::max<std::size_t>(frames, 1)), format->channels,
                                format->rate);
}

WebAudioSound::~WebAudioSound()
{
    vantrelSoundRelease(handle);
}

void WebAudioSound::startImpl()
{
    vantrelSoundStart(handle);
}

void WebAudioSound::stopImpl()
{
    vantrelSoundStop(handle);
}

void WebAudioSound::rewindImpl()
{
    vantrelSoundRewind(handle);
}

} // namespace vantrel
