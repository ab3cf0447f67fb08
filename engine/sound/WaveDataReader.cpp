#include <vantrel/sound/WaveDataReader.h>

#include <algorithm>
#include <cstring>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

constexpr std::uint32_t riffId = fourCc('R', 'I', 'F', 'F');
constexpr std::uint32_t waveId = fourCc('W', 'A', 'V', 'E');
constexpr std::uint32_t formatId = fourCc('f', 'm', 't', ' ');
constexpr std::uint32_t dataId = fourCc('d', 'a', 't', 'a');
constexpr std::size_t basicFormatBytes = 16;
constexpr std::size_t recordBytes = sizeof(WaveFormat);

[[noreturn]] void throwInvalidFormat(const char* method)
{
    throw IoException(format("Invalid file format in %s method.", method));
}

} // namespace

WaveDataReader::WaveDataReader(const void* data, std::uint32_t size) : file(static_cast<const unsigned char*>(data))
{
    constexpr const char* method = "vantrel::WaveDataReader::WaveDataReader";
    if (file == nullptr) {
        throwInvalidFormat(method);
    }
    RiffChunkWalker walker(file, size);
    RiffChunk riff;
    if (!walker.descend(riff, nullptr) || riff.id != riffId || riff.formType != waveId) {
        throwInvalidFormat(method);
    }
    RiffChunk formatChunk;
    if (!walker.find(formatChunk, formatId, riff) || formatChunk.size < basicFormatBytes) {
        throwInvalidFormat(method);
    }
    unsigned char basic[basicFormatBytes];
    if (walker.read(basic, sizeof basic, riff.end()) != sizeof basic) {
        throwInvalidFormat(method);
    }
    std::uint16_t formatTag;
    std::memcpy(&formatTag, basic, sizeof formatTag);
    std::uint16_t extraSize = 0;
    // A 16-byte "fmt " chunk has no room for the extra size, whatever the format.
    if (formatTag != waveFormatPcm && formatChunk.size >= recordBytes) {
        if (walker.read(&extraSize, sizeof extraSize, riff.end()) != sizeof extraSize) {
            throwInvalidFormat(method);
        }
    }
    formatBytes.resize(recordBytes + extraSize);
    std::memcpy(formatBytes.data(), basic, sizeof basic);
    std::memcpy(formatBytes.data() + basicFormatBytes, &extraSize, sizeof extraSize);
    if (walker.read(formatBytes.data() + recordBytes, extraSize, riff.end()) != extraSize) {
        throwInvalidFormat(method);
    }
    waveFormat = reinterpret_cast<const WaveFormat*>(formatBytes.data());
    walker.ascend(formatChunk);

    if (!walker.find(dataChunk, dataId, riff)) {
        throwInvalidFormat(method);
    }
    dataSize = dataChunk.size;
}

std::size_t WaveDataReader::readImpl(void* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::size_t count = std::min<std::size_t>(size, dataChunk.size);
    if (count == 0) {
        return 0;
    }
    std::memcpy(buffer, file + dataChunk.dataOffset + (dataSize - dataChunk.size), count);
    dataChunk.size -= static_cast<std::uint32_t>(count);
    return count;
}

std::size_t WaveDataReader::skipImpl(std::size_t count)
{
    std::size_t skipped = std::min<std::size_t>(count, dataChunk.size);
    dataChunk.size -= static_cast<std::uint32_t>(skipped);
    if (skipped < count && !isEofImpl()) {
        throwInvalidFormat("vantrel::WaveDataReader::skipImpl");
    }
    return skipped;
}

bool WaveDataReader::isEofImpl()
{
    return false;
}

} // namespace vantrel
