#pragma once

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/IStreamReader.h>

// Serves bytes from memory; a read that reaches `failAt` throws like a failing disk.
class MemoryStreamReader : public vantrel::IStreamReader {
public:
    explicit MemoryStreamReader(std::vector<unsigned char> bytes, std::size_t failAt = SIZE_MAX)
        : bytes(std::move(bytes)), failAt(failAt)
    {
    }

protected:
    std::size_t readImpl(void* buffer, std::size_t size) override
    {
        if (position + size > failAt) {
            throw vantrel::Win32Exception(vantrel::format("read API failed in %s method.", "test"), EIO);
        }
        std::size_t count = position < bytes.size() ? std::min(size, bytes.size() - position) : 0;
        if (count > 0) {
            std::memcpy(buffer, bytes.data() + position, count);
        }
        position += count;
        return count;
    }
    std::size_t skipImpl(std::size_t count) override { return position += count, count; }
    bool isEofImpl() override { return position == bytes.size(); }
    void seekImpl(std::int64_t offset, vantrel::SeekOrigin origin) override
    {
        using enum vantrel::SeekOrigin;
        position = static_cast<std::size_t>(offset) + (origin == Begin ? 0 : origin == Current ? position : bytes.size());
    }
    std::int64_t getCursorImpl() override { return static_cast<std::int64_t>(position); }
    std::int64_t getLengthImpl() override { return static_cast<std::int64_t>(bytes.size()); }

private:
    std::vector<unsigned char> bytes;
    std::size_t failAt;
    std::size_t position = 0;
};
