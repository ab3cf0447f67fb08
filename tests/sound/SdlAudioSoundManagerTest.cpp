#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSound.h>
#include <vantrel/sound/sdl/SdlAudioSound.h>
#include <vantrel/sound/sdl/SdlAudioSoundManager.h>
#include <vantrel/sound/SoundManager.h>
#include "tests/io/TemporaryDirectory.h"
#include "tests/sound/ScopedEnvironment.h"
#include "tests/sound/WaveFiles.h"

using namespace vantrel;

namespace {

Bytes clickFile()
{
    return waveFile({chunk("fmt ", basicFormat(1, 1, 22050, 16)), chunk("data", samples<std::int16_t>({1000, -1000, 500}))});
}

std::string constructionFailure()
{
    try {
        SdlAudioSoundManager manager;
    } catch (const ComException& error) {
        EXPECT_LT(error.getResult(), 0);
        return error.what();
    }
    return "constructed";
}

bool loadsSilently(SoundManager& manager)
{
    Bytes file = clickFile();
    manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
    return dynamic_cast<NullSound*>(manager.getSound(0).get()) != nullptr;
}

} // namespace

TEST(SdlAudioSoundManager, FailingDeviceGivesTheErrorAndSoundManagerFallsBackToSilence)
{
    {
        ScopedEnvironment environment({{"SDL_AUDIODRIVER", "vantrel-no-such-driver"}});
        EXPECT_EQ(constructionFailure(),
                  "SDL_InitSubSystem API failed in vantrel::SdlAudioSoundManager::SdlAudioSoundManager method.");
        auto manager = SoundManager::getInstance();
        EXPECT_EQ(SoundManager::getInstance(), manager);
        EXPECT_TRUE(loadsSilently(*manager));
        SoundManager::destroy();
    }
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", "/nonexistent-dir/out.raw"}});
    EXPECT_EQ(constructionFailure(),
              "SDL_OpenAudioDevice API failed in vantrel::SdlAudioSoundManager::SdlAudioSoundManager method.");
    SoundManager manager;
    EXPECT_TRUE(loadsSilently(manager));
}

TEST(SdlAudioSoundManager, WorkingDriverGivesTheAudibleBackEndWhoseSoundsMayOutliveIt)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "dummy"}});
    std::shared_ptr<ISound> kept;
    {
        SoundManager manager;
        Bytes file = clickFile();
        kept = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
        EXPECT_NE(dynamic_cast<SdlAudioSound*>(kept.get()), nullptr);
        EXPECT_EQ(manager.getSound(0), kept);
        manager.unloadSound(0);
        EXPECT_EQ(manager.getSound(0), nullptr);
        kept->rewind();
        kept->start();
    }
    kept->stop();
    kept->rewind();
    kept->start();
}

TEST(SdlAudioSoundManager, DiskDriverReceivesThePlayedSamples)
{
    TemporaryDirectory directory;
    std::string output = directory.file("out.raw");
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", output.c_str()}});

    // 4800 stereo frames, 0.1 s, every value exact in float and unique.
    std::vector<float> values(9600);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<float>(i % 4000 + 1) / 4096.0f * (i < 4000 ? 1.0f : -1.0f);
    }
    Bytes file = waveFile({chunk("fmt ", basicFormat(3, 2, 48000, 32)), chunk("data", samples<float>(values))});
    {
        SdlAudioSoundManager manager;
        auto sound = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
        std::uintmax_t before = std::filesystem::file_size(output);
        sound->rewind();
        sound->start();
        // The driver writes in real time; wait for the sound and a few buffers more to pass.
        const std::uintmax_t enough = before + values.size() * sizeof(float) + 8 * 8192;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (std::filesystem::file_size(output) < enough && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_GE(std::filesystem::file_size(output), enough);
    }
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
