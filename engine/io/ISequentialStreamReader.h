#pragma once

#include <cstddef>

namespace vantrel {

/// A forward-only source of bytes.
class ISequentialStreamReader {
public:
    virtual ~ISequentialStreamReader() = default;

    /// Copies up to `size` bytes; a shorter count means the data ended.
    std::size_t read(void* buffer, std::size_t size) { return readImpl(buffer, size); }
    /// Moves forward over `count` bytes and returns how far the position really moved.
    std::size_t skip(std::size_t count) { return skipImpl(count); }
    /// Whether the data has ended.
    bool isEof() { return isEofImpl(); }

protected:
    virtual std::size_t readImpl(void* buffer, std::size_t size) = 0;
    virtual std::size_t skipImpl(std::size_t count) = 0;
    virtual bool isEofImpl() = 0;
};

} // namespace vantrel
