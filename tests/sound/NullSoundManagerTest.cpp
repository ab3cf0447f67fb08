#include <gtest/gtest.h>

#include <initializer_list>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/NullSound.h>
#include <vantrel/sound/NullSoundManager.h>
#include "tests/support/MemoryStreamReader.h"
#include "tests/sound/WaveFiles.h"
#include "tests/support/Failure.h"

using namespace vantrel;

namespace {

Bytes clickFile()
{
    return waveFile({chunk("fmt ", basicFormat(1, 1, 22050, 16)), chunk("data", Bytes(200, 0x11))});
}

// Claims more bytes than it delivers.
class ShortStream : public MemoryStreamReader {
public:
    using MemoryStreamReader::MemoryStreamReader;

protected:
    std::int64_t getLengthImpl() override { return MemoryStreamReader::getLengthImpl() + 10; }
};

} // namespace

TEST(NullSoundManager, FirstSoundPerIdStaysUntilUnloadedAndBadInputRegistersNothing)
{
    NullSoundManager manager;
    MemoryStreamReader empty({});
    EXPECT_EQ(manager.loadSound(-5, empty), nullptr);
    // A stream that ends early, and one whose read fails (as a folder given as the sound file
    // does), fail as the picture loader does.
    ShortStream shortStream(clickFile());
    MemoryStreamReader failing(clickFile(), 0);
    for (IStreamReader* stream : std::initializer_list<IStreamReader*>{&shortStream, &failing}) {
        EXPECT_EQ(failureOf<IoException>([&] { manager.loadSound(-5, *stream); }),
                  "Invalid file format in vantrel::NullSoundManager::loadSoundImpl method.");
    }
    EXPECT_EQ(manager.getSound(-5), nullptr);

    MemoryStreamReader stream(clickFile());
    auto first = manager.loadSound(-5, stream);
    EXPECT_NE(dynamic_cast<NullSound*>(first.get()), nullptr);
    Bytes file = clickFile();
    auto second = manager.loadSound(-5, file.data(), static_cast<std::uint32_t>(file.size()));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(manager.getSound(-5), first);
    manager.unloadSound(99);
    EXPECT_EQ(manager.getSound(-5), first);
    EXPECT_EQ(manager.getSound(5), nullptr);
    manager.unloadSound(-5);
    EXPECT_EQ(manager.getSound(-5), nullptr);
}
