#include <vantrel/sound/RiffChunkWalker.h>

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

constexpr std::uint32_t riffId = fourCc('R', 'I', 'F', 'F');
constexpr std::uint32_t listId = fourCc('L', 'I', 'S', 'T');

} // namespace

bool RiffChunkWalker::readWord(std::uint32_t& value, std::size_t limit)
{
    if (cursor > limit || limit - cursor < 4) {
        return false;
    }
    std::memcpy(&value, data + cursor, 4);
    cursor += 4;
    return true;
}

bool RiffChunkWalker::descend(RiffChunk& chunk, const RiffChunk* parent)
{
    std::size_t limit = parent != nullptr ? std::min(parent->end(), size) : size;
    std::size_t start = cursor;
    RiffChunk found;
    if (!readWord(found.id, limit) || !readWord(found.size, limit)) {
        cursor = start;
        return false;
    }
    found.dataOffset = cursor;
    if (found.size > limit - found.dataOffset) {
        // Streaming writers leave a stale or maximal size in the outermost chunk; its
        // chunks still have to lie in the file.
        if (parent != nullptr) {
            cursor = start;
            return false;
        }
        found.size = static_cast<std::uint32_t>(limit - found.dataOffset);
    }
    if (found.id == riffId || found.id == listId) {
        if (!readWord(found.formType, found.end())) {
            cursor = start;
            return false;
        }
    }
    chunk = found;
    return true;
}

bool RiffChunkWalker::find(RiffChunk& chunk, std::uint32_t id, const RiffChunk& parent)
{
    RiffChunk candidate;
    while (descend(candidate, &parent)) {
        if (candidate.id == id) {
            chunk = candidate;
            return true;
        }
        ascend(candidate);
    }
    return false;
}

void RiffChunkWalker::ascend(const RiffChunk& chunk)
{
    std::size_t next = chunk.end();
    cursor = std::min(next + (chunk.size & 1), size);
}

std::size_t RiffChunkWalker::read(void* buffer, std::size_t count, std::size_t limit)
{
    limit = std::min(limit, size);
    std::size_t available = cursor < limit ? limit - cursor : 0;
    std::size_t copied = std::min(count, available);
    if (copied == 0) {
        return 0;
    }
    std::memcpy(buffer, data + cursor, copied);
    cursor += copied;
    return copied;
}

} // namespace vantrel
