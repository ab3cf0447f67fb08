#pragma once

#include <cstdint>
#include <vector>

namespace vantrel::datagen {

// Appends the low 16 bits of `value`, least significant byte first (RIFF and ICO order).
inline void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Appends `value`, least significant byte first.
inline void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace vantrel::datagen
