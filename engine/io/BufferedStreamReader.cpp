#include <vantrel/io/BufferedStreamReader.h>

#include <algorithm>
#include <cstring>

namespace vantrel {

BufferedStreamReader::BufferedStreamReader(std::shared_ptr<IStreamReader> source, std::size_t capacity)
    : source(std::move(source)), buffer(std::max<std::size_t>(capacity, 1))
{
}

std::size_t BufferedStreamReader::readImpl(void* destination, std::size_t size)
{
    auto* place = static_cast<unsigned char*>(destination);
    std::size_t total = 0;
    while (total < size) {
        if (buffered() == 0) {
            std::size_t wanted = size - total;
            if (wanted >= buffer.size()) {
                return total + source->read(place + total, wanted);
            }
            drop();
            end = source->read(buffer.data(), buffer.size());
            if (end == 0) {
                return total;
            }
        }
        std::size_t count = std::min(buffered(), size - total);
        std::memcpy(place + total, buffer.data() + next, count);
        next += count;
        total += count;
    }
    return total;
}

std::size_t BufferedStreamReader::skipImpl(std::size_t count)
{
    if (count <= buffered()) {
        next += count;
        return count;
    }
    std::size_t held = buffered();
    drop();
    return held + source->skip(count - held);
}

bool BufferedStreamReader::isEofImpl()
{
    return buffered() == 0 && source->isEof();
}

void BufferedStreamReader::seekImpl(std::int64_t offset, SeekOrigin origin)
{
    if (origin == SeekOrigin::Current) {
        offset -= static_cast<std::int64_t>(buffered());
    }
    drop();
    source->seek(offset, origin);
}

std::int64_t BufferedStreamReader::getCursorImpl()
{
    return source->getCursor() - static_cast<std::int64_t>(buffered());
}

std::int64_t BufferedStreamReader::getLengthImpl()
{
    return source->getLength();
}

} // namespace vantrel
