#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <vantrel/io/IStreamReader.h>

namespace vantrel {

/// Serves many small reads from one larger read of another reader: a PNG file of one-byte
/// chunks otherwise costs three system reads per chunk. Reads at least as large as the
/// buffer go straight through. Positions are those of the data, not of the reader beneath.
class BufferedStreamReader : public IStreamReader {
public:
    static constexpr std::size_t defaultCapacity = 64 * 1024;

    explicit BufferedStreamReader(std::shared_ptr<IStreamReader> source, std::size_t capacity = defaultCapacity);

protected:
    std::size_t readImpl(void* buffer, std::size_t size) override;
    std::size_t skipImpl(std::size_t count) override;
    bool isEofImpl() override;
    void seekImpl(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t getCursorImpl() override;
    std::int64_t getLengthImpl() override;

private:
    std::size_t buffered() const noexcept { return end - next; }
    void drop() noexcept { next = end = 0; }

    std::shared_ptr<IStreamReader> source;
    std::vector<unsigned char> buffer;
    std::size_t next = 0; // the first byte not yet served
    std::size_t end = 0;  // one past the last byte read from the source
};

} // namespace vantrel
