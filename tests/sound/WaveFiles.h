#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<unsigned char>;

// A chunk with its header; odd sizes get their pad byte. `declaredSize` overrides the size
// written in the header.
Bytes chunk(const char* id, const Bytes& data, std::int64_t declaredSize = -1);

// The 16 bytes every "fmt " chunk starts with; block alignment and byte rate follow from
// the others.
Bytes basicFormat(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);

// A 40-byte extensible record with a sub-format GUID of the given tag.
Bytes extensibleFormat(std::uint16_t subTag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);

// "RIFF" ... "WAVE" around the chunks; `declaredSize` overrides the RIFF size.
Bytes waveFile(std::initializer_list<Bytes> chunks, std::int64_t declaredSize = -1);

// The samples' bytes as they lie in memory (little-endian).
template <class Sample>
Bytes samples(const std::vector<Sample>& values)
{
    auto bytes = reinterpret_cast<const unsigned char*>(values.data());
    return Bytes(bytes, bytes + values.size() * sizeof(Sample));
}
