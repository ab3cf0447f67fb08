#include <vantrel/image/kernels/StretchScratch.h>

#include <vector>

namespace vantrel::kernels {

namespace {

struct StretchScratch {
    std::vector<std::uint32_t> columns;
    std::vector<std::uint8_t> fractions;
    std::vector<std::uint32_t> groups;
    std::vector<std::uint32_t> decoded;
    std::vector<std::uint32_t> mixed[2];
    std::vector<std::uint32_t> sampled;
};

template <class T>
T* atLeast(std::vector<T>& buffer, std::size_t size)
{
    if (buffer.size() < size) {
        buffer.resize(size);
    }
    return buffer.data();
}

} // namespace

StretchBuffers stretchBuffers(std::size_t columns, std::size_t decodedWords, std::size_t groupWords)
{
    thread_local StretchScratch scratch;
    return StretchBuffers{atLeast(scratch.columns, columns),
                          atLeast(scratch.fractions, columns),
                          atLeast(scratch.groups, groupWords),
                          atLeast(scratch.decoded, decodedWords),
                          {atLeast(scratch.mixed[0], columns), atLeast(scratch.mixed[1], columns)},
                          atLeast(scratch.sampled, columns)};
}

} // namespace vantrel::kernels
