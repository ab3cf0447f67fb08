#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <string>
#include <utility>

#include <vantrel/base/Exception.h>
#include <vantrel/sound/WaveDataReader.h>
#include "tests/sound/WaveFiles.h"
#include "tools/datagen/LittleEndian.h"
#include "tests/support/Failure.h"

using namespace vantrel;

namespace {

constexpr const char* constructorFailure = "Invalid file format in vantrel::WaveDataReader::WaveDataReader method.";

std::string parseFailure(const Bytes& file)
{
    return failureOf<IoException>([&] { WaveDataReader(file.data(), static_cast<std::uint32_t>(file.size())); });
}

Bytes sequence(std::size_t count)
{
    Bytes out(count);
    std::iota(out.begin(), out.end(), 0);
    return out;
}

} // namespace

// A record of 16 or 17 bytes is completed with no extra bytes, whatever follows the 16; a longer
// one is kept whole.
TEST(WaveDataReader, FormatRecordIsCompletedOrKeptWhole)
{
    Bytes float17 = basicFormat(3, 1, 48000, 32);
    float17.push_back(0xEE);
    const std::pair<Bytes, std::uint16_t> cases[] = {
        {basicFormat(1, 2, 44100, 16), 0}, {float17, 0}, {extensibleFormat(1, 2, 48000, 24), 22}};
    for (const auto& [record, extra] : cases) {
        Bytes file = waveFile({chunk("fmt ", record), chunk("data", sequence(40))});
        WaveDataReader reader(file.data(), static_cast<std::uint32_t>(file.size()));
        EXPECT_EQ(std::memcmp(reader.getWaveFormat(), record.data(), extra > 0 ? 18u + extra : 16u), 0);
        EXPECT_EQ(reader.getWaveFormat()->cbSize, extra);
    }
}

// The data found past other chunks, pad bytes and oversized RIFF sizes, or (size `refused`) the
// constructor's failure. Truncated files are covered by the sweep below.
TEST(WaveDataReader, FindsTheDataOrFailsInTheConstructor)
{
    constexpr int refused = -1;
    Bytes format = chunk("fmt ", basicFormat(1, 1, 8000, 8));
    Bytes data = chunk("data", sequence(4));
    Bytes list = {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    // An odd data chunk at the very end needs no pad byte.
    Bytes unpadded = waveFile({format, chunk("data", sequence(5))});
    unpadded.pop_back();
    unpadded[4] -= 1;
    Bytes notWave = waveFile({format, data});
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    Bytes notRiff = waveFile({format, data});
    std::memcpy(notRiff.data(), "RIFX", 4);
    Bytes shortFormat = basicFormat(1, 1, 8000, 8);
    shortFormat.resize(14);
    Bytes extraBeyondFile = basicFormat(2, 1, 8000, 4);
    datagen::put16(extraBeyondFile, 1000);
    const std::pair<Bytes, int> cases[] = {
        {waveFile({chunk("junk", sequence(3)), format, chunk("LIST", list), chunk("odd ", sequence(5)),
                   chunk("data", sequence(7))}),
         7},
        {unpadded, 5},
        // Streaming writers leave the largest size, or a stale one, in the RIFF header.
        {waveFile({format, chunk("data", sequence(40))}, 0xFFFFFFFFll), 40},
        {waveFile({format, chunk("data", sequence(40))}, 0x7FFFFFFFll), 40},
        {waveFile({format, chunk("data", sequence(40))}, 10000), 40},
        {notRiff, refused},
        {notWave, refused},
        {waveFile({data}), refused},
        {waveFile({chunk("fmt ", shortFormat), data}), refused},
        {waveFile({format}), refused},
        {waveFile({data, format}), refused},
        {waveFile({format, chunk("data", sequence(4), 5000)}), refused},
        {waveFile({format, chunk("data", sequence(40), 41)}, 0xFFFFFFFFll), refused},
        {waveFile({format, data}, 30), refused},
        {waveFile({format, chunk("junk", sequence(4), 100000), data}), refused},
        {waveFile({chunk("fmt ", extraBeyondFile), data}), refused},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [file, size] = cases[i];
        SCOPED_TRACE(i);
        if (size == refused) {
            EXPECT_EQ(parseFailure(file), constructorFailure);
        } else {
            WaveDataReader reader(file.data(), static_cast<std::uint32_t>(file.size()));
            Bytes data(reader.getDataSize());
            data.resize(reader.read(data.data(), data.size()));
            EXPECT_EQ(data, sequence(size));
        }
    }
    EXPECT_THROW(WaveDataReader(nullptr, 100), IoException);
}

TEST(WaveDataReader, ReadAndSkipServeTheDataInOrder)
{
    Bytes samples = sequence(10000);
    Bytes file = waveFile({chunk("fmt ", basicFormat(1, 1, 8000, 8)), chunk("data", samples)});
    WaveDataReader reader(file.data(), static_cast<std::uint32_t>(file.size()));
    unsigned char byte = 0;
    EXPECT_EQ(reader.read(nullptr, 10), 0u);
    EXPECT_EQ(reader.read(&byte, 0), 0u);
    EXPECT_EQ(reader.skip(0), 0u);
    EXPECT_EQ(reader.skip(5000), 5000u);
    EXPECT_EQ(reader.read(&byte, 1), 1u);
    EXPECT_EQ(byte, samples[5000]);
    Bytes rest(8000);
    EXPECT_EQ(reader.read(rest.data(), rest.size()), 4999u);
    EXPECT_EQ(rest[4998], samples[9999]);
    EXPECT_EQ(reader.read(rest.data(), rest.size()), 0u);
    // A skip beyond the data fails and leaves nothing to read.
    WaveDataReader skipping(file.data(), static_cast<std::uint32_t>(file.size()));
    EXPECT_EQ(failureOf<IoException>([&] { skipping.skip(10001); }),
              "Invalid file format in vantrel::WaveDataReader::skipImpl method.");
    EXPECT_EQ(skipping.read(rest.data(), 1), 0u);
}

TEST(WaveDataReader, EveryTruncationAndCorruptionEndsInACleanResult)
{
    Bytes file = waveFile({chunk("fmt ", extensibleFormat(3, 2, 48000, 32)), chunk("LIST", sequence(9)),
                           chunk("data", sequence(64))});
    for (std::size_t length = 0; length < file.size(); ++length) {
        EXPECT_EQ(parseFailure(Bytes(file.begin(), file.begin() + length)), constructorFailure) << length;
    }
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (unsigned char value : {0x00, 0x7F, 0xFF}) {
            Bytes damaged = file;
            damaged[at] = value;
            std::string result = parseFailure(damaged);
            EXPECT_TRUE(result == "no exception" || result == constructorFailure) << at;
        }
    }
}
