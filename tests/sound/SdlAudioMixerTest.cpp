#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include <vantrel/sound/OutputPacer.h>
#include <vantrel/sound/sdl/SdlAudioMixer.h>
#include <vantrel/sound/sdl/SdlAudioSound.h>
#include <vantrel/sound/WaveDataReader.h>
#include "tests/sound/WaveFiles.h"

using namespace vantrel;

namespace {

std::shared_ptr<SdlAudioSound> makeSound(const std::shared_ptr<SdlAudioMixer>& mixer, const Bytes& file)
{
    WaveDataReader reader(file.data(), static_cast<std::uint32_t>(file.size()));
    return std::make_shared<SdlAudioSound>(mixer, reader);
}

// `frames` stereo frames of mixer output.
std::vector<float> mixFrames(SdlAudioMixer& mixer, std::size_t frames)
{
    std::vector<float> out(frames * 2, 99.0f);
    mixer.mix(reinterpret_cast<unsigned char*>(out.data()), static_cast<int>(out.size() * sizeof(float)));
    return out;
}

bool allZero(const std::vector<float>& values, std::size_t from = 0)
{
    return std::all_of(values.begin() + from, values.end(), [](float value) { return value == 0.0f; });
}

Bytes floatStereoFile(const std::vector<float>& values)
{
    return waveFile({chunk("fmt ", basicFormat(3, 2, 48000, 32)), chunk("data", samples<float>(values))});
}

class SdlAudioMixerTest : public testing::Test {
protected:
    std::shared_ptr<SdlAudioMixer> mixer = std::make_shared<SdlAudioMixer>();
};

} // namespace

TEST_F(SdlAudioMixerTest, StartStopAndRewindFollowTheClick)
{
    std::vector<float> values(600);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<float>(i + 1) / 4096.0f * (i % 2 ? -1.0f : 1.0f);
    }
    auto sound = makeSound(mixer, floatStereoFile(values));
    EXPECT_TRUE(allZero(mixFrames(*mixer, 512)));
    sound->rewind();
    sound->start();
    EXPECT_EQ(mixFrames(*mixer, 100), std::vector<float>(values.begin(), values.begin() + 200));
    sound->stop();
    EXPECT_TRUE(allZero(mixFrames(*mixer, 100)));
    sound->start();
    std::vector<float> out = mixFrames(*mixer, 1000);
    EXPECT_EQ(std::vector<float>(out.begin(), out.begin() + 400), std::vector<float>(values.begin() + 200, values.end()));
    EXPECT_TRUE(allZero(out, 400));
    // No loop: the end stays silent, even when started again, until the next rewind.
    sound->start();
    EXPECT_TRUE(allZero(mixFrames(*mixer, 1000)));
    sound->rewind();
    EXPECT_EQ(mixFrames(*mixer, 300), values);
    // The click's restart: stop, rewind, start.
    sound->rewind();
    mixFrames(*mixer, 10);
    sound->stop();
    sound->rewind();
    sound->start();
    EXPECT_EQ(mixFrames(*mixer, 50), std::vector<float>(values.begin(), values.begin() + 100));
    // A destroyed sound leaves the mix.
    sound.reset();
    EXPECT_TRUE(allZero(mixFrames(*mixer, 100)));
}

// Also: a partial frame at the end of the data and empty data play nothing.
TEST_F(SdlAudioMixerTest, ConvertsEveryIntegerDepthAndLayout)
{
    struct Case {
        const char* name;
        Bytes format;
        Bytes data;
        std::vector<float> left;
        std::vector<float> right;
    };
    Bytes u8 = {0, 64, 128, 192, 255};
    Bytes s24 = {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF};
    Bytes s32 = samples<std::int32_t>({0x7FFFFF00, std::numeric_limits<std::int32_t>::min(), 0x100, -0x100});
    const float k23 = 8388608.0f;
    std::vector<float> deep = {8388607 / k23, -1.0f, 1 / k23, -1 / k23};
    const Case cases[] = {
        {"u8 mono", basicFormat(1, 1, 48000, 8), u8, {-1.0f, -0.5f, 0.0f, 0.5f, 127 / 128.0f}, {}},
        {"s16 mono", basicFormat(1, 1, 48000, 16), samples<std::int16_t>({-32768, -16384, 0, 16384, 32767}),
         {-1.0f, -0.5f, 0.0f, 0.5f, 32767 / 32768.0f}, {}},
        {"s16 stereo", basicFormat(1, 2, 48000, 16), samples<std::int16_t>({1024, -2048, 4096, 8192}), {1 / 32.0f, 1 / 8.0f},
         {-1 / 16.0f, 1 / 4.0f}},
        {"s24 mono", basicFormat(1, 1, 48000, 24), s24, deep, {}},
        {"s32 mono", basicFormat(1, 1, 48000, 32), s32, deep, {}},
        {"extensible s24 mono", extensibleFormat(1, 1, 48000, 24), s24, deep, {}},
        {"extensible float mono", extensibleFormat(3, 1, 48000, 32), samples<float>({0.25f, -0.75f}),
         {0.25f, -0.75f}, {}},
        {"partial frame", basicFormat(1, 2, 48000, 16), samples<std::int16_t>({16384, 16384, -16384}), {0.5f},
         {}},
        {"empty", basicFormat(1, 2, 48000, 16), {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto sound = makeSound(mixer, waveFile({chunk("fmt ", c.format), chunk("data", c.data)}));
        sound->start();
        // Mono plays on both channels; silence follows the data.
        std::vector<float> expected(128);
        for (std::size_t i = 0; i < c.left.size(); ++i) {
            expected[2 * i] = c.left[i];
            expected[2 * i + 1] = (c.right.empty() ? c.left : c.right)[i];
        }
        EXPECT_THAT(mixFrames(*mixer, 64), testing::Pointwise(testing::FloatEq(), expected));
    }
}

TEST_F(SdlAudioMixerTest, SumsVoicesAndClampsTheResult)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    auto a = makeSound(mixer, floatStereoFile({0.75f, -0.75f, 0.25f, nan}));
    auto b = makeSound(mixer, floatStereoFile({0.75f, -0.75f, 0.5f, 0.0f}));
    a->start();
    b->start();
    EXPECT_EQ(mixFrames(*mixer, 2), (std::vector<float>{1.0f, -1.0f, 0.75f, 0.0f}));
}

TEST(OutputPacer, HoldsADeviceThatTakesEverythingAtOnceToRealTime)
{
    using namespace std::chrono;
    OutputPacer pacer(48000, milliseconds(250));
    OutputPacer::Clock::time_point now = OutputPacer::Clock::time_point{} + hours(1);
    // 1024-frame buffers taken without delay: 250 ms run ahead freely, then each waits its length.
    OutputPacer::Clock::duration waited{0};
    for (int i = 0; i < 100; ++i) {
        auto wait = pacer.delivered(1024, now);
        EXPECT_EQ(wait > OutputPacer::Clock::duration(0), i >= 11) << i;
        waited += wait;
        now += wait;
    }
    EXPECT_NEAR(duration<double>(waited).count(), 100 * 1024 / 48000.0 - 0.25, 0.001);
    // A device that blocks, as a real one does, never waits; nor after a stall does it run to catch up.
    for (int i = 0; i < 100; ++i) {
        now += nanoseconds(1024 * 1000000000LL / 48000) + (i == 50 ? seconds(2) : seconds(0));
        EXPECT_EQ(pacer.delivered(1024, now), OutputPacer::Clock::duration(0)) << i;
    }
}
