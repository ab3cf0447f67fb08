// libFuzzer harness: arbitrary bytes as a WAVE file through both sound back ends. They
// must accept the same files, and the audible one plays what it accepted for a few
// device buffers.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSoundManager.h>
#include <vantrel/sound/sdl/SdlAudioMixer.h>
#include <vantrel/sound/sdl/SdlAudioSound.h>
#include <vantrel/sound/WaveDataReader.h>
#include "tests/support/Failure.h"

using namespace vantrel;

namespace {

constexpr int buffersPlayed = 6;
constexpr std::size_t framesPerBuffer = 1024;

bool silentBackEndLoads(const std::uint8_t* data, std::uint32_t size)
{
    NullSoundManager manager;
    bool refused = failureOf<IoException>([&] { manager.loadSound(0, data, size); }) != "no exception";
    // A refused file registers nothing.
    if (refused == (manager.getSound(0) != nullptr)) {
        std::abort();
    }
    return !refused;
}

bool audibleBackEndPlays(const std::uint8_t* data, std::uint32_t size)
{
    auto mixer = std::make_shared<SdlAudioMixer>();
    std::shared_ptr<SdlAudioSound> sound;
    try {
        WaveDataReader reader(data, size);
        sound = std::make_shared<SdlAudioSound>(mixer, reader);
    } catch (const IoException&) {
        return false;
    } catch (const ComException&) {
        return false;
    }
    std::vector<float> output(framesPerBuffer * SdlAudioMixer::deviceChannels);
    sound->start();
    for (int buffer = 0; buffer < buffersPlayed; ++buffer) {
        if (buffer == buffersPlayed / 2) {
            sound->stop();
            sound->rewind();
            sound->start();
        }
        auto bytes = static_cast<int>(output.size() * sizeof(float));
        mixer->mix(reinterpret_cast<unsigned char*>(output.data()), bytes);
        for (float sample : output) {
            if (!(sample >= -1.0f && sample <= 1.0f)) {
                std::abort();
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto length = static_cast<std::uint32_t>(size);
    if (silentBackEndLoads(data, length) != audibleBackEndPlays(data, length)) {
        std::abort();
    }
    return 0;
}
