#include <gtest/gtest.h>

#include "engine/base/Exception.h"
#include "engine/io/FileStreamReader.h"
#include "engine/sound/NullSound.h"
#include "engine/sound/NullSoundManager.h"
#include "tests/io/MemoryStreamReader.h"
#include "tests/io/TemporaryDirectory.h"
#include "tests/sound/WaveFiles.h"

using namespace vantrel;

namespace {

Bytes clickFile(std::size_t samples)
{
    return waveFile({chunk("fmt ", basicFormat(1, 1, 22050, 16)), chunk("data", Bytes(samples * 2, 0x11))});
}

// Claims more bytes than it delivers.
class ShortStream : public MemoryStreamReader {
public:
    using MemoryStreamReader::MemoryStreamReader;

protected:
    std::int64_t getLengthImpl() override { return MemoryStreamReader::getLengthImpl() + 10; }
};

} // namespace

TEST(NullSoundManager, LoadsFromAFileStreamAndFindsTheSoundById)
{
    TemporaryDirectory directory;
    std::string path = directory.write("click.wav", clickFile(100));
    NullSoundManager manager;
    FileStreamReader reader(path.c_str());
    auto sound = manager.loadSound(0, reader);
    ASSERT_NE(sound, nullptr);
    EXPECT_NE(dynamic_cast<NullSound*>(sound.get()), nullptr);
    EXPECT_EQ(manager.getSound(0), sound);
    sound->stop();
    sound->rewind();
    sound->start();
}

TEST(NullSoundManager, EmptyStreamGivesNothingAndRegistersNothing)
{
    NullSoundManager manager;
    MemoryStreamReader empty({});
    EXPECT_EQ(manager.loadSound(3, empty), nullptr);
    EXPECT_EQ(manager.getSound(3), nullptr);
}

TEST(NullSoundManager, LoadingTwiceUnderOneIdKeepsTheFirst)
{
    NullSoundManager manager;
    Bytes file = clickFile(10);
    auto first = manager.loadSound(7, file.data(), static_cast<std::uint32_t>(file.size()));
    auto second = manager.loadSound(7, file.data(), static_cast<std::uint32_t>(file.size()));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(manager.getSound(7), first);
}

TEST(NullSoundManager, UnloadAndUnknownIds)
{
    NullSoundManager manager;
    Bytes file = clickFile(10);
    auto sound = manager.loadSound(-5, file.data(), static_cast<std::uint32_t>(file.size()));
    manager.unloadSound(99);
    EXPECT_EQ(manager.getSound(-5), sound);
    EXPECT_EQ(manager.getSound(5), nullptr);
    manager.unloadSound(-5);
    EXPECT_EQ(manager.getSound(-5), nullptr);
    // The holder keeps its sound after the manager let it go.
    sound->start();
}

TEST(NullSoundManager, DamagedFilesThrowAndRegisterNothing)
{
    NullSoundManager manager;
    Bytes tooLong = waveFile({chunk("fmt ", basicFormat(1, 1, 8000, 8)), chunk("data", Bytes(4), 5000)});
    try {
        manager.loadSound(1, tooLong.data(), static_cast<std::uint32_t>(tooLong.size()));
        FAIL() << "loaded a data chunk longer than the file";
    } catch (const IoException& error) {
        EXPECT_STREQ(error.what(), "Invalid file format in vantrel::WaveDataReader::WaveDataReader method.");
    }
    EXPECT_EQ(manager.getSound(1), nullptr);

    ShortStream shortStream(clickFile(10));
    try {
        manager.loadSound(1, shortStream);
        FAIL() << "loaded a short stream";
    } catch (const IoException& error) {
        EXPECT_STREQ(error.what(), "Invalid file format in vantrel::NullSoundManager::loadSoundImpl method.");
    }
    EXPECT_EQ(manager.getSound(1), nullptr);
}
