#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSound.h>
#include <vantrel/sound/SoundManager.h>
#include <vantrel/sound/xaudio2/ComInitializer.h>
#include <vantrel/sound/xaudio2/XAudio2Sound.h>
#include <vantrel/sound/xaudio2/XAudio2SoundManager.h>
#include "tests/sound/WaveFiles.h"
#include "tests/support/Eventually.h"
#include "tests/support/Failure.h"

using namespace vantrel;

namespace {

// A quarter of a second of 16-bit mono sound.
Bytes clickFile()
{
    std::vector<std::int16_t> sound(11025, 8000);
    return waveFile({chunk("fmt ", basicFormat(1, 1, 44100, 16)), chunk("data", samples(sound))});
}

// The session runs this program with an ALSA null device, once more without the 2.7
// engine (VANTREL_EXPECT_XAUDIO2=2.9) and once with no device at all.
bool hasSoundDevice()
{
    const char* device = std::getenv("VANTREL_SOUND_DEVICE");
    return device == nullptr || std::strcmp(device, "none") != 0;
}

XAudio2Version expectedVersion()
{
    const char* expected = std::getenv("VANTREL_EXPECT_XAUDIO2");
    return expected != nullptr && std::strcmp(expected, "2.9") == 0 ? XAudio2Version::v2_9 : XAudio2Version::v2_7;
}

// Loads the click under id 0, plays it until the engine reports samples played, then
// restarts it as the scene does.
void playClick(XAudio2SoundManager& manager)
{
    Bytes file = clickFile();
    auto sound = std::dynamic_pointer_cast<XAudio2Sound>(
        manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size())));
    ASSERT_TRUE(sound);
    EXPECT_EQ(manager.getSound(0), sound);
    sound->start();
    EXPECT_TRUE(eventually([&] { return sound->getSamplesPlayed() > 0; }));
    sound->stop();
    sound->rewind();
    sound->start();
    sound->stop();
}

std::string startFailure(XAudio2Version version)
{
    return failureOf<ComException>([version] { XAudio2SoundManager manager(version); });
}

class XAudio2SoundTest : public testing::Test {
protected:
    ComInitializer com;
};

} // namespace

// Each engine asked for by name too, where the 2.7 engine is installed.
TEST_F(XAudio2SoundTest, The27EngineFirstTheSystemEngineWhereItCannotStartAndEachPlaysTheClick)
{
    if (!hasSoundDevice()) {
        GTEST_SKIP() << "no sound device in this run";
    }
    {
        XAudio2SoundManager manager;
        EXPECT_EQ(manager.getVersion(), expectedVersion());
        playClick(manager);
    }
    for (XAudio2Version version : {XAudio2Version::v2_7, XAudio2Version::v2_9}) {
        if (expectedVersion() == XAudio2Version::v2_7) {
            XAudio2SoundManager manager(version);
            EXPECT_EQ(manager.getVersion(), version);
            playClick(manager);
        }
    }
}

TEST_F(XAudio2SoundTest, WithoutADeviceNeitherEngineStartsAndSoundGoesSilent)
{
    if (hasSoundDevice()) {
        GTEST_SKIP() << "this run has a sound device";
    }
    EXPECT_EQ(startFailure(XAudio2Version::v2_7),
              "IXAudio2::GetDeviceCount API failed in vantrel::XAudio2SoundManager::XAudio2SoundManager method.");
    EXPECT_EQ(startFailure(XAudio2Version::v2_9), "IMMDeviceEnumerator::GetDefaultAudioEndpoint API failed in "
                                                  "vantrel::XAudio2SoundManager::XAudio2SoundManager method.");
    EXPECT_THROW(XAudio2SoundManager(), ComException);
    Bytes file = clickFile();
    auto sound = SoundManager::getInstance()->loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
    EXPECT_TRUE(std::dynamic_pointer_cast<NullSound>(sound));
    sound->start();
    SoundManager::destroy();
}

// COM unloads the DLLs of released objects (CoFreeUnusedLibraries, CoUninitialize); 2.7's
// must stay whatever frees it.
TEST_F(XAudio2SoundTest, The27EngineDllStaysLoadedOnceTheEngineIsGone)
{
    if (expectedVersion() != XAudio2Version::v2_7) {
        GTEST_SKIP() << "no 2.7 engine in this run";
    }
    startFailure(XAudio2Version::v2_7);
    CoFreeUnusedLibrariesEx(0, 0);
    HMODULE module = GetModuleHandleW(L"xaudio2_7.dll");
    ASSERT_NE(module, nullptr);
    for (int i = 0; i < 64 && GetModuleHandleW(L"xaudio2_7.dll") != nullptr; ++i) {
        FreeLibrary(module);
    }
    EXPECT_NE(GetModuleHandleW(L"xaudio2_7.dll"), nullptr);
}
