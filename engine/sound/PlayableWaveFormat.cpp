#include <vantrel/sound/PlayableWaveFormat.h>

#include <cstring>

namespace vantrel {

namespace {

constexpr std::uint16_t extensibleExtraBytes = 22;
constexpr std::size_t subFormatOffset = 6;
// Every sub-format GUID of interest ends like this; its first four bytes are the format tag.
constexpr unsigned char subFormatTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::optional<std::uint32_t> effectiveTag(const WaveFormat& format)
{
    if (format.wFormatTag != waveFormatExtensible) {
        return format.wFormatTag;
    }
    if (format.cbSize < extensibleExtraBytes) {
        return std::nullopt;
    }
    const unsigned char* subFormat = reinterpret_cast<const unsigned char*>(&format) + sizeof(WaveFormat) +
                                     subFormatOffset;
    if (std::memcmp(subFormat + 4, subFormatTail, sizeof subFormatTail) != 0) {
        return std::nullopt;
    }
    std::uint32_t tag;
    std::memcpy(&tag, subFormat, sizeof tag);
    return tag;
}

std::optional<SampleEncoding> encodingOf(std::uint32_t tag, std::uint16_t bits)
{
    if (tag == waveFormatIeeeFloat) {
        return bits == 32 ? std::optional(SampleEncoding::Float32) : std::nullopt;
    }
    if (tag != waveFormatPcm) {
        return std::nullopt;
    }
    switch (bits) {
    case 8:
        return SampleEncoding::Unsigned8;
    case 16:
        return SampleEncoding::Signed16;
    case 24:
        return SampleEncoding::Packed24;
    case 32:
        return SampleEncoding::Signed32;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<PlayableWaveFormat> playableWaveFormatOf(const WaveFormat& format)
{
    if (format.nChannels < 1 || format.nChannels > 2 || format.nSamplesPerSec < minPlayableRate ||
        format.nSamplesPerSec > maxPlayableRate) {
        return std::nullopt;
    }
    if (format.nBlockAlign != format.nChannels * format.wBitsPerSample / 8 || format.wBitsPerSample % 8 != 0) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> tag = effectiveTag(format);
    if (!tag) {
        return std::nullopt;
    }
    std::optional<SampleEncoding> encoding = encodingOf(*tag, format.wBitsPerSample);
    if (!encoding) {
        return std::nullopt;
    }
    return PlayableWaveFormat{*encoding, format.nChannels, static_cast<int>(format.nSamplesPerSec), format.nBlockAlign};
}

} // namespace vantrel
