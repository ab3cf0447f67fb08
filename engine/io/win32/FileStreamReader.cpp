#include <vantrel/io/FileStreamReader.h>

#include <windows.h>

#include <algorithm>

#include <vantrel/base/Exception.h>
#include <vantrel/io/FileOpenFailure.h>

namespace vantrel {

namespace {

// One ReadFile call moves at most this many bytes.
constexpr std::size_t maxReadPerCall = 0xFFFFFFFF;

[[noreturn]] void throwLastError(const char* fmt, const char* method)
{
    auto message = format(fmt, method);
    throw Win32Exception(message, GetLastError());
}

HANDLE asHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

DWORD moveMethodOf(SeekOrigin origin)
{
    switch (origin) {
    case SeekOrigin::Begin:
        return FILE_BEGIN;
    case SeekOrigin::Current:
        return FILE_CURRENT;
    default:
        return FILE_END;
    }
}

} // namespace

FileStreamReader::FileStreamReader(const char* fileName)
{
    HANDLE file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        auto message = format("CreateFileA API failed in %s method.", "vantrel::FileStreamReader::FileStreamReader");
        throwFileOpenFailure(message, GetLastError(), fileName);
    }
    handle = reinterpret_cast<std::intptr_t>(file);
}

FileStreamReader::~FileStreamReader()
{
    CloseHandle(asHandle(handle));
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
        DWORD delivered = 0;
        DWORD asked = static_cast<DWORD>(std::min(remaining, maxReadPerCall));
        if (!ReadFile(asHandle(handle), place, asked, &delivered, nullptr)) {
            throwLastError("ReadFile API failed in %s method.", "vantrel::FileStreamReader::readImpl");
        }
        // Nothing delivered: the position is at or beyond the end of the file.
        if (delivered == 0) {
            return total;
        }
        place += delivered;
        total += delivered;
        remaining -= delivered;
        if (isEofImpl() || remaining == 0) {
            return total;
        }
    }
}

void FileStreamReader::seekImpl(std::int64_t offset, SeekOrigin origin)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(asHandle(handle), distance, nullptr, moveMethodOf(origin))) {
        throwLastError("SetFilePointer API failed in %s method.", "vantrel::FileStreamReader::seekImpl");
    }
}

std::int64_t FileStreamReader::getCursorImpl()
{
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(asHandle(handle), zero, &position, FILE_CURRENT)) {
        throwLastError("SetFilePointer API failed in %s method.", "vantrel::FileStreamReader::getCursorImpl");
    }
    return position.QuadPart;
}

std::int64_t FileStreamReader::getLengthImpl()
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(asHandle(handle), &size)) {
        throwLastError("GetFileSizeEx API failed in %s method.", "vantrel::FileStreamReader::getLengthImpl");
    }
    return size.QuadPart;
}

} // namespace vantrel
