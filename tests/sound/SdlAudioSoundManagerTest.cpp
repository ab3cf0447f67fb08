#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>
#include <vector>

#include "engine/base/Exception.h"
#include "engine/sound/NullSound.h"
#include "engine/sound/SdlAudioSound.h"
#include "engine/sound/SdlAudioSoundManager.h"
#include "engine/sound/SoundManager.h"
#include "tests/io/MemoryStreamReader.h"
#include "tests/io/TemporaryDirectory.h"
#include "tests/sound/ScopedEnvironment.h"
#include "tests/sound/WaveFiles.h"

using namespace vantrel;

namespace {

constexpr const char* impossibleDriver = "vantrel-no-such-driver";

Bytes clickFile()
{
    return waveFile({chunk("fmt ", basicFormat(1, 1, 22050, 16)), chunk("data", int16Samples({1000, -1000, 500}))});
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

std::vector<unsigned char> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(SdlAudioSoundManager, ImpossibleDriverFailsAndSoundManagerFallsBackToSilence)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", impossibleDriver}});
    EXPECT_EQ(constructionFailure(),
              "SDL_InitSubSystem API failed in vantrel::SdlAudioSoundManager::SdlAudioSoundManager method.");
    SoundManager manager;
    EXPECT_TRUE(loadsSilently(manager));
}

TEST(SdlAudioSoundManager, DeviceThatWillNotOpenFailsAndSoundManagerFallsBackToSilence)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", "/nonexistent-dir/out.raw"}});
    EXPECT_EQ(constructionFailure(),
              "SDL_OpenAudioDevice API failed in vantrel::SdlAudioSoundManager::SdlAudioSoundManager method.");
    SoundManager manager;
    EXPECT_TRUE(loadsSilently(manager));
}

TEST(SdlAudioSoundManager, WorkingDriverGivesTheAudibleBackEnd)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "dummy"}});
    SoundManager manager;
    Bytes file = clickFile();
    auto first = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
    auto second = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
    EXPECT_NE(dynamic_cast<SdlAudioSound*>(first.get()), nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(manager.getSound(0), first);
    first->stop();
    first->rewind();
    first->start();
    manager.unloadSound(0);
    EXPECT_EQ(manager.getSound(0), nullptr);
}

TEST(SdlAudioSoundManager, FailedLoadsRegisterNothing)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "dummy"}});
    SdlAudioSoundManager manager;

    Bytes surround = waveFile({chunk("fmt ", basicFormat(1, 6, 48000, 16)), chunk("data", Bytes(24))});
    EXPECT_THROW(manager.loadSound(1, surround.data(), static_cast<std::uint32_t>(surround.size())), ComException);
    EXPECT_EQ(manager.getSound(1), nullptr);

    Bytes tooLong = waveFile({chunk("fmt ", basicFormat(1, 1, 8000, 8)), chunk("data", Bytes(4), 5000)});
    try {
        manager.loadSound(2, tooLong.data(), static_cast<std::uint32_t>(tooLong.size()));
        ADD_FAILURE() << "loaded a data chunk longer than the file";
    } catch (const IoException& error) {
        EXPECT_STREQ(error.what(), "Invalid file format in vantrel::WaveDataReader::WaveDataReader method.");
    }
    EXPECT_EQ(manager.getSound(2), nullptr);

    MemoryStreamReader empty({});
    EXPECT_EQ(manager.loadSound(3, empty), nullptr);
    EXPECT_EQ(manager.getSound(3), nullptr);
}

TEST(SdlAudioSoundManager, SoundsMayOutliveTheirManager)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", "dummy"}});
    std::shared_ptr<ISound> kept;
    {
        SdlAudioSoundManager manager;
        Bytes file = clickFile();
        kept = manager.loadSound(0, file.data(), static_cast<std::uint32_t>(file.size()));
        kept->rewind();
        kept->start();
    }
    kept->stop();
    kept->rewind();
    kept->start();
    kept.reset();
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
    Bytes file = waveFile({chunk("fmt ", basicFormat(3, 2, 48000, 32)), chunk("data", floatSamples(values))});
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
    std::vector<unsigned char> written = readWholeFile(output);
    std::size_t count = written.size() / sizeof(float);
    std::vector<float> samples(count);
    std::memcpy(samples.data(), written.data(), count * sizeof(float));

    std::optional<std::size_t> start;
    for (std::size_t i = 0; i < count; ++i) {
        if (samples[i] != 0.0f) {
            start = i;
            break;
        }
    }
    ASSERT_TRUE(start.has_value());
    ASSERT_LE(*start + values.size(), count);
    EXPECT_EQ(*start % 2, 0u);
    EXPECT_EQ(std::vector<float>(samples.begin() + *start, samples.begin() + *start + values.size()), values);
    for (std::size_t i = *start + values.size(); i < count; ++i) {
        ASSERT_EQ(samples[i], 0.0f) << "played again at " << i;
    }
}

TEST(SoundManagerSingleton, OneInstanceUntilDestroyed)
{
    ScopedEnvironment environment({{"SDL_AUDIODRIVER", impossibleDriver}});
    auto first = SoundManager::getInstance();
    EXPECT_EQ(SoundManager::getInstance(), first);
    EXPECT_TRUE(loadsSilently(*first));
    std::weak_ptr<SoundManager> watch = first;
    first.reset();
    SoundManager::destroy();
    EXPECT_TRUE(watch.expired());
    auto second = SoundManager::getInstance();
    EXPECT_EQ(second->getSound(0), nullptr);
    SoundManager::destroy();
}
