#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel {

/// A chunk id from its four characters.
constexpr std::uint32_t fourCc(char a, char b, char c, char d)
{
    return std::uint32_t(std::uint8_t(a)) | std::uint32_t(std::uint8_t(b)) << 8 | std::uint32_t(std::uint8_t(c)) << 16 |
           std::uint32_t(std::uint8_t(d)) << 24;
}

/// One chunk's header, as the walker found it.
struct RiffChunk {
    std::uint32_t id = 0; ///< the chunk's four-character id
    /// Bytes of data; for "RIFF" and "LIST" chunks this counts the form type too.
    std::uint32_t size = 0;
    std::uint32_t formType = 0; ///< "RIFF" and "LIST" chunks: their form type
    /// Offset of the first data byte (the form type of "RIFF" and "LIST" chunks).
    std::size_t dataOffset = 0;

    /// Offset just past the data.
    std::size_t end() const { return dataOffset + size; }
};

/// Walks the chunks of a RIFF file image in memory. Every chunk must lie wholly inside its
/// parent; the outermost one is cut at the end of the memory. A chunk of odd size is
/// followed by a pad byte. No operation reads outside the memory.
class RiffChunkWalker {
public:
    /// Walks `size` bytes at `data`, cursor at the start.
    RiffChunkWalker(const unsigned char* data, std::size_t size) : data(data), size(size) {}

    /// Reads the chunk header at the cursor and leaves the cursor on the chunk's data (after
    /// the form type of "RIFF" and "LIST" chunks). `parent` may be null for the outermost chunk.
    bool descend(RiffChunk& chunk, const RiffChunk* parent);

    /// From the cursor, skips the chunks of `parent` until one with `id`, and descends into it.
    bool find(RiffChunk& chunk, std::uint32_t id, const RiffChunk& parent);

    /// Moves the cursor behind the chunk and its pad byte.
    void ascend(const RiffChunk& chunk);

    /// Copies up to `count` bytes from the cursor without passing `limit`; returns the count copied.
    std::size_t read(void* buffer, std::size_t count, std::size_t limit);

    /// The cursor's offset.
    std::size_t getCursor() const { return cursor; }
    /// The byte at `offset`.
    const unsigned char* at(std::size_t offset) const { return data + offset; }

private:
    bool readWord(std::uint32_t& value, std::size_t limit);

    const unsigned char* data;
    std::size_t size;
    std::size_t cursor = 0;
};

} // namespace vantrel
