#pragma once

#include <cstdint>

#include <vantrel/io/IStreamReader.h>

namespace vantrel {

/// Reads a file by name (relative names resolve against the current directory).
/// The only position is the system's file position; one thread uses a reader at a time.
class FileStreamReader : public IStreamReader {
public:
    /// Opens the file for reading; throws Win32Exception when it cannot.
    explicit FileStreamReader(const char* fileName);
    ~FileStreamReader() override;
    FileStreamReader(const FileStreamReader&) = delete;
    FileStreamReader& operator=(const FileStreamReader&) = delete;

protected:
    std::size_t readImpl(void* buffer, std::size_t size) override;
    std::size_t skipImpl(std::size_t count) override;
    bool isEofImpl() override;
    void seekImpl(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t getCursorImpl() override;
    std::int64_t getLengthImpl() override;

private:
    /// A file descriptor, or a Win32 file handle on Windows.
    std::intptr_t handle;
};

} // namespace vantrel
