#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSound.h>
#include <vantrel/sound/sdl/SdlAudioSound.h>
#include <vantrel/sound/sdl/SdlAudioSoundManager.h>
#include <vantrel/sound/SoundManager.h>
#include "tests/support/Eventually.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/sound/WaveFiles.h"
#include "tests/support/Failure.h"

using namespace vantrel;

namespace {

// Each test picks SDL's audio driver; none leaves its choice to the tests after it.
class SdlAudioSoundManagerTest : public testing::Test {
protected:
    void TearDown() override
    {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
    }
};

std::string constructionFailure()
{
    auto error = thrownBy<ComException>([] { SdlAudioSoundManager manager; });
    EXPECT_LT(error ? error->getResult() : 0, 0);
    return error ? error->what() : "constructed";
}

} // namespace

TEST_F(SdlAudioSoundManagerTest, FailingDeviceGivesTheErrorAndSoundManagerFallsBackToSilence)
{
    setenv("SDL_AUDIODRIVER", "vantrel-no-such-driver", 1);
    EXPECT_EQ(constructionFailure(),
              "SDL_InitSubSystem API failed in vantrel::SdlAudioSoundManager::SdlAudioSoundManager method.");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/nonexistent-dir/out.raw", 1);
    EXPECT_EQ(constructionFailure(),
              "SDL_OpenAudioDevice API failed in vantrel::SdlAudioSoundManager::SdlAudioSoundManager method.");
    // The engine's manager falls back to the silent back end.
    Bytes file = waveFile({chunk("fmt ", basicFormat(1, 1, 22050, 16)), chunk("data", Bytes(6, 0x11))});
    SoundManager manager;
    auto sound = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
    EXPECT_NE(dynamic_cast<NullSound*>(sound.get()), nullptr);
}

// A working driver gives the audible back end, which hands the played samples to the driver;
// its sounds may outlive it.
TEST_F(SdlAudioSoundManagerTest, DiskDriverReceivesThePlayedSamples)
{
    TemporaryDirectory directory;
    std::string output = directory.file("out.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    // 4800 stereo frames, 0.1 s, every value exact in float and unique.
    std::vector<float> values(9600);
    std::generate(values.begin(), values.end(),
                  [n = 0]() mutable { return static_cast<float>(++n) / 16384.0f; });
    Bytes file = waveFile({chunk("fmt ", basicFormat(3, 2, 48000, 32)), chunk("data", samples<float>(values))});
    std::shared_ptr<ISound> sound;
    {
        SoundManager manager;
        sound = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
        EXPECT_NE(dynamic_cast<SdlAudioSound*>(sound.get()), nullptr);
        // The driver writes in real time; wait for the sound and a few buffers more to pass.
        const auto enough = std::filesystem::file_size(output) + values.size() * sizeof(float) + 8 * 8192;
        sound->rewind();
        sound->start();
        ASSERT_TRUE(eventually([&] { return std::filesystem::file_size(output) >= enough; }));
        manager.unloadSound(0);
        EXPECT_EQ(manager.getSound(0), nullptr);
    }
    sound->stop();
    sound->rewind();
    sound->start();
    std::vector<float> played(std::filesystem::file_size(output) / sizeof(float));
    std::ifstream(output, std::ios::binary)
        .read(reinterpret_cast<char*>(played.data()), static_cast<std::streamsize>(played.size() * sizeof(float)));
    auto start = std::find_if(played.begin(), played.end(), [](float value) { return value != 0.0f; });
    ASSERT_LE(values.size(), static_cast<std::size_t>(played.end() - start));
    EXPECT_EQ((start - played.begin()) % 2, 0);
    auto end = start + static_cast<std::ptrdiff_t>(values.size());
    EXPECT_EQ(std::vector<float>(start, end), values);
    EXPECT_TRUE(std::all_of(end, played.end(), [](float value) { return value == 0.0f; })) << "played again";
}
