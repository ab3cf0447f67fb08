#include <vantrel/image/MemoryHelper.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

namespace vantrel::MemoryHelper {

namespace {

constexpr std::size_t slack = 0x30008;

void freeAligned(unsigned char* aligned) noexcept
{
    unsigned char* raw;
    std::memcpy(&raw, aligned - sizeof raw, sizeof raw);
    delete[] raw;
}

} // namespace

std::shared_ptr<unsigned char> allocateAligned(std::size_t size)
{
    if (size > std::numeric_limits<std::size_t>::max() - slack) {
        throw std::bad_alloc();
    }
    auto* raw = new unsigned char[size + slack];
    auto address = reinterpret_cast<std::uintptr_t>(raw);
    auto* aligned = raw + (((((address + 0xFFFF) >> 16) + 1) << 16) - address);
    std::memcpy(aligned - sizeof raw, &raw, sizeof raw);
    try {
        return std::shared_ptr<unsigned char>(aligned, freeAligned);
    } catch (...) {
        delete[] raw;
        throw;
    }
}

} // namespace vantrel::MemoryHelper
