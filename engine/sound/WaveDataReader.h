#pragma once

#include <cstdint>
#include <vector>

#include <vantrel/io/ISequentialStreamReader.h>
#include <vantrel/sound/RiffChunkWalker.h>
#include <vantrel/sound/WaveFormat.h>

namespace vantrel {

/// Parses a RIFF WAVE file image in memory and serves the bytes of its "data" chunk in order.
/// The memory is not copied and must outlive the reader.
class WaveDataReader : public ISequentialStreamReader {
public:
    /// Parses a WAVE file image; throws IoException when it is not a usable WAVE file.
    WaveDataReader(const void* data, std::uint32_t size);

    /// The format record followed by its cbSize extra bytes; valid while the reader lives.
    const WaveFormat* getWaveFormat() const { return waveFormat; }
    /// The size of the data chunk as the file declares it.
    std::uint32_t getDataSize() const { return dataSize; }

protected:
    std::size_t readImpl(void* buffer, std::size_t size) override;
    /// Skipping past the end of the data throws.
    std::size_t skipImpl(std::size_t count) override;
    /// Always false: the reader cannot tell.
    bool isEofImpl() override;

private:
    const unsigned char* file;
    const WaveFormat* waveFormat = nullptr;
    std::vector<unsigned char> formatBytes;
    /// Its size counts the data bytes not yet read.
    RiffChunk dataChunk;
    std::uint32_t dataSize = 0;
};

} // namespace vantrel
