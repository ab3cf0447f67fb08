// WAVE formats both back ends accept or both refuse, at a bounded cost, and the cost of the extreme rates.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSoundManager.h>
#include <vantrel/sound/sdl/SdlAudioMixer.h>
#include <vantrel/sound/sdl/SdlAudioSound.h>
#include <vantrel/sound/WaveDataReader.h>
#include "tests/support/CostInChild.h"
#include "tests/support/Failure.h"
#include "tests/sound/WaveFiles.h"

using namespace vantrel;

TEST(HostileWave, BothBackEndsAcceptTheSameFormats)
{
    struct Case {
        const char* label;
        Bytes format;
        bool accepted;
    };
    Bytes badBlockAlign = basicFormat(1, 2, 48000, 16);
    badBlockAlign[12] = 3;
    Bytes unknownGuid = extensibleFormat(1, 2, 48000, 16);
    unknownGuid[30] ^= 0xFF;
    Bytes shortExtensible = basicFormat(0xFFFE, 2, 48000, 16);
    shortExtensible.resize(18);
    const Case cases[] = {
        {"1 Hz", basicFormat(1, 1, 1, 16), false},
        {"999 Hz", basicFormat(1, 1, 999, 16), false},
        {"1000 Hz", basicFormat(1, 1, 1000, 16), true},
        {"200000 Hz", basicFormat(1, 2, 200000, 16), true},
        {"200001 Hz", basicFormat(1, 1, 200001, 16), false},
        {"768000 Hz", basicFormat(1, 1, 768000, 16), false},
        {"3 channels", basicFormat(1, 3, 48000, 16), false},
        {"no channels", basicFormat(1, 0, 48000, 16), false},
        {"8-bit", basicFormat(1, 1, 8000, 8), true},
        {"24-bit", basicFormat(1, 2, 96000, 24), true},
        {"32-bit", basicFormat(1, 1, 44100, 32), true},
        {"12-bit", basicFormat(1, 1, 44100, 12), false},
        {"float", basicFormat(3, 2, 48000, 32), true},
        {"double", basicFormat(3, 1, 48000, 64), false},
        {"ADPCM", basicFormat(2, 1, 22050, 4), false},
        {"extensible PCM", extensibleFormat(1, 2, 44100, 16), true},
        {"extensible 6 channels", extensibleFormat(1, 6, 48000, 16), false},
        {"0 Hz", basicFormat(1, 1, 0, 16), false},
        {"0-bit", basicFormat(1, 1, 48000, 0), false},
        {"16-bit float", basicFormat(3, 1, 48000, 16), false},
        {"block alignment 3", badBlockAlign, false},
        {"extensible unknown GUID", unknownGuid, false},
        {"extensible record too short", shortExtensible, false},
    };
    NullSoundManager silent;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Bytes file = waveFile({chunk("fmt ", c.format), chunk("data", Bytes(48, 0x40))});
        EXPECT_EQ(failureOf<Exception>([&] { silent.loadSound(7, file.data(), static_cast<std::uint32_t>(file.size())); }),
                  c.accepted ? "no exception" : "Invalid file format in vantrel::NullSound::NullSound method.");
        EXPECT_EQ(silent.getSound(7) != nullptr, c.accepted);
        silent.unloadSound(7);
        // The audible sound on a mixer without a device, whose thread's reserves would swamp the
        // cost. A refusal comes before the resampler is built: 1 Hz would take gigabytes.
        ChildCost cost = costInChild([&] {
            return failureOf<Exception>([&] {
                WaveDataReader reader(file.data(), static_cast<std::uint32_t>(file.size()));
                SdlAudioSound sound(std::make_shared<SdlAudioMixer>(), reader);
            });
        });
        EXPECT_EQ(cost.outcome,
                  c.accepted ? "no exception" : "SDL_NewAudioStream API failed in vantrel::SdlAudioSound::SdlAudioSound method.");
        if (costIsBounded) {
            EXPECT_LT(cost.peakBytes, 64_MiB);
        }
    }
}

TEST(HostileWave, TheExtremeRatesCostLittleWhilePlaying)
{
    for (std::uint32_t rate : {1000u, 200000u}) {
        // A quarter of a second of a constant.
        Bytes file = waveFile({chunk("fmt ", basicFormat(1, 1, rate, 16)),
                               chunk("data", samples(std::vector<std::int16_t>(rate / 4, 16384)))});
        auto mixer = std::make_shared<SdlAudioMixer>();
        WaveDataReader reader(file.data(), static_cast<std::uint32_t>(file.size()));
        auto sound = std::make_shared<SdlAudioSound>(mixer, reader);
        sound->start();
        // Sixteen callbacks; the frames that carry the constant.
        ChildCost cost = costInChild([&] {
            std::vector<float> out(2048);
            std::size_t sounding = 0;
            for (int callback = 0; callback < 16; ++callback) {
                mixer->mix(reinterpret_cast<unsigned char*>(out.data()), static_cast<int>(out.size() * sizeof(float)));
                for (std::size_t i = 0; i < out.size(); i += 2) {
                    sounding += std::fabs(out[i] - 0.5f) < 0.02f ? 1 : 0;
                }
            }
            return std::to_string(sounding);
        });
        cost.print("16 callbacks at " + std::to_string(rate) + " Hz");
        if (costIsBounded) {
            EXPECT_LT(cost.peakBytes, 8_MiB) << rate;
        }
        // 12,000 frames at the device rate, less the resampler's ramp.
        EXPECT_NEAR(std::stod(cost.outcome), 12000.0, 400.0) << rate;
    }
}
