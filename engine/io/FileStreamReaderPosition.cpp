#include <vantrel/io/FileStreamReader.h>

#include <vantrel/base/Exception.h>

// The moves every platform's reader builds from its own seek, cursor and length calls.

namespace vantrel {

std::size_t FileStreamReader::skipImpl(std::size_t count)
{
    std::int64_t before = getCursorImpl();
    seekImpl(static_cast<std::int64_t>(count), SeekOrigin::Current);
    std::int64_t after = getCursorImpl();
    if (after < before) {
        throw IoException(format("Invalid seek position in %s method.", "vantrel::FileStreamReader::skipImpl"));
    }
    return static_cast<std::size_t>(after - before);
}

bool FileStreamReader::isEofImpl()
{
    return getCursorImpl() == getLengthImpl();
}

} // namespace vantrel
