#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSound.h>
#include <vantrel/sound/SoundManager.h>
#include <vantrel/sound/xaudio2/ComInitializer.h>
#include <vantrel/sound/xaudio2/XAudio2Sound.h>
#include <vantrel/sound/xaudio2/XAudio2SoundManager.h>
#include "tests/sound/WaveFiles.h"

using namespace vantrel;

namespace {

// A quarter of a second of a 16-bit mono tone.
Bytes clickFile()
{
    std::vector<std::int16_t> tone(11025);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = static_cast<std::int16_t>((i / 50) % 2 == 0 ? 8000 : -8000);
    }
    return waveFile({chunk("fmt ", basicFormat(1, 1, 44100, 16)), chunk("data", samples(tone))});
}

// The session runs this program once with an ALSA null device and once with no device.
bool hasSoundDevice()
{
    const char* device = std::getenv("VANTREL_SOUND_DEVICE");
    return device == nullptr || std::strcmp(device, "none") != 0;
}

class XAudio2SoundTest : public testing::Test {
protected:
    ComInitializer com;
};

} // namespace

TEST_F(XAudio2SoundTest, ClickPlaysThroughTheEngineAndRestartsFromTheBeginning)
{
    if (!hasSoundDevice()) {
        GTEST_SKIP() << "no sound device in this run";
    }
    XAudio2SoundManager manager;
    Bytes file = clickFile();
    auto sound = std::dynamic_pointer_cast<XAudio2Sound>(
        manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size())));
    ASSERT_TRUE(sound);
    EXPECT_EQ(manager.getSound(0), sound);
    Bytes other = clickFile();
    EXPECT_NE(manager.loadSound(0, other.data(), static_cast<std::uint32_t>(other.size())), sound);
    EXPECT_EQ(manager.getSound(0), sound) << "the first registration stays";

    sound->start();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sound->getSamplesPlayed() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_GT(sound->getSamplesPlayed(), 0u);
    sound->stop();
    sound->rewind();
    sound->start();
    sound->stop();
}

TEST_F(XAudio2SoundTest, WithoutADeviceTheEngineCountsAsUnableToStartAndSoundGoesSilent)
{
    if (hasSoundDevice()) {
        GTEST_SKIP() << "this run has a sound device";
    }
    try {
        XAudio2SoundManager manager;
        ADD_FAILURE() << "started without a device";
    } catch (const ComException& failure) {
        EXPECT_STREQ(failure.what(),
                     "IXAudio2::GetDeviceCount API failed in vantrel::XAudio2SoundManager::XAudio2SoundManager method.");
    }
    Bytes file = clickFile();
    auto sound = SoundManager::getInstance()->loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
    EXPECT_TRUE(std::dynamic_pointer_cast<NullSound>(sound));
    sound->start();
    SoundManager::destroy();
}
