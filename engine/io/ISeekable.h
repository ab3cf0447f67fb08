#pragma once

#include <cstdint>

namespace vantrel {

enum class SeekOrigin : std::uint8_t {
    Begin = 0,
    Current = 1,
    End = 2,
};

// Positioning over data of known length. Any origin value other than Begin and Current
// counts from the end.
class ISeekable {
public:
    virtual ~ISeekable() = default;

    void seek(std::int64_t offset, SeekOrigin origin) { seekImpl(offset, origin); }
    std::int64_t getCursor() { return getCursorImpl(); }
    std::int64_t getLength() { return getLengthImpl(); }

protected:
    virtual void seekImpl(std::int64_t offset, SeekOrigin origin) = 0;
    virtual std::int64_t getCursorImpl() = 0;
    virtual std::int64_t getLengthImpl() = 0;
};

} // namespace vantrel
