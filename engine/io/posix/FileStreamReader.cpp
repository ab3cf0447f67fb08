#include <vantrel/io/FileStreamReader.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>

#include <vantrel/base/Exception.h>
#include <vantrel/io/FileOpenFailure.h>

namespace vantrel {

namespace {

// Linux moves at most this many bytes in one read call.
constexpr std::size_t maxReadPerCall = 0x7FFFF000;

[[noreturn]] void throwSystemError(const char* fmt, const char* method, int error)
{
    auto message = format(fmt, method);
    throw Win32Exception(message, static_cast<std::uint32_t>(error));
}

int whenceOf(SeekOrigin origin)
{
    switch (origin) {
    case SeekOrigin::Begin:
        return SEEK_SET;
    case SeekOrigin::Current:
        return SEEK_CUR;
    default:
        return SEEK_END;
    }
}

} // namespace

FileStreamReader::FileStreamReader(const char* fileName)
{
    do {
        handle = ::open(fileName, O_RDONLY | O_CLOEXEC);
    } while (handle < 0 && errno == EINTR);
    if (handle < 0) {
        int error = errno;
        throwFileOpenFailure(format("open API failed in %s method.", "vantrel::FileStreamReader::FileStreamReader"),
                             static_cast<std::uint32_t>(error), fileName);
    }
}

FileStreamReader::~FileStreamReader()
{
    ::close(handle);
}

std::size_t FileStreamReader::readImpl(void* buffer, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    auto* place = static_cast<unsigned char*>(buffer);
    std::size_t total = 0;
    std::size_t remaining = size;
    while (true) {
        ssize_t delivered = ::read(handle, place, std::min(remaining, maxReadPerCall));
        if (delivered < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwSystemError("read API failed in %s method.", "vantrel::FileStreamReader::readImpl", errno);
        }
        // Nothing delivered: the position is at or beyond the end of the file.
        if (delivered == 0) {
            return total;
        }
        place += delivered;
        total += static_cast<std::size_t>(delivered);
        remaining -= static_cast<std::size_t>(delivered);
        if (remaining == 0 || isEofImpl()) {
            return total;
        }
    }
}

void FileStreamReader::seekImpl(std::int64_t offset, SeekOrigin origin)
{
    if (::lseek(handle, static_cast<off_t>(offset), whenceOf(origin)) < 0) {
        throwSystemError("lseek API failed in %s method.", "vantrel::FileStreamReader::seekImpl", errno);
    }
}

std::int64_t FileStreamReader::getCursorImpl()
{
    off_t position = ::lseek(handle, 0, SEEK_CUR);
    if (position < 0) {
        throwSystemError("lseek API failed in %s method.", "vantrel::FileStreamReader::getCursorImpl", errno);
    }
    return static_cast<std::int64_t>(position);
}

std::int64_t FileStreamReader::getLengthImpl()
{
    struct stat status {};
    if (::fstat(handle, &status) != 0) {
        throwSystemError("fstat API failed in %s method.", "vantrel::FileStreamReader::getLengthImpl", errno);
    }
    return static_cast<std::int64_t>(status.st_size);
}

} // namespace vantrel
