#pragma once

#include <cstdint>

namespace vantrel {

/// Where a seek's offset counts from.
enum class SeekOrigin : std::uint8_t {
    Begin = 0, ///< the start of the data
    Current = 1, ///< the current position
    End = 2, ///< the end of the data
};

/// Positioning over data of known length. Any origin value other than Begin and Current
/// counts from the end.
class ISeekable {
public:
    virtual ~ISeekable() = default;

    /// Moves the position; throws IoException for a position outside the data.
    void seek(std::int64_t offset, SeekOrigin origin) { seekImpl(offset, origin); }
    /// The current position from the start.
    std::int64_t getCursor() { return getCursorImpl(); }
    /// The data's length in bytes.
    std::int64_t getLength() { return getLengthImpl(); }

protected:
    virtual void seekImpl(std::int64_t offset, SeekOrigin origin) = 0;
    virtual std::int64_t getCursorImpl() = 0;
    virtual std::int64_t getLengthImpl() = 0;
};

} // namespace vantrel
