#include "engine/sound/SdlSampleFormat.h"

#include <cstring>

namespace vantrel {

namespace {

constexpr std::uint32_t maxRate = 768000;
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

} // namespace

std::optional<SdlSampleFormat> sdlSampleFormatOf(const WaveFormat& format)
{
    if (format.nChannels < 1 || format.nChannels > 2 || format.nSamplesPerSec < 1 ||
        format.nSamplesPerSec > maxRate) {
        return std::nullopt;
    }
    if (format.nBlockAlign != format.nChannels * format.wBitsPerSample / 8 || format.wBitsPerSample % 8 != 0) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> tag = effectiveTag(format);
    if (!tag) {
        return std::nullopt;
    }
    SdlSampleFormat result{};
    result.channels = format.nChannels;
    result.rate = static_cast<int>(format.nSamplesPerSec);
    result.frameBytes = format.nBlockAlign;
    if (*tag == waveFormatPcm) {
        switch (format.wBitsPerSample) {
        case 8:
            result.format = AUDIO_U8;
            break;
        case 16:
            result.format = AUDIO_S16LSB;
            break;
        case 24:
            result.format = AUDIO_S32LSB;
            result.packed24 = true;
            break;
        case 32:
            result.format = AUDIO_S32LSB;
            break;
        default:
            return std::nullopt;
        }
        return result;
    }
    if (*tag == waveFormatIeeeFloat && format.wBitsPerSample == 32) {
        result.format = AUDIO_F32LSB;
        return result;
    }
    return std::nullopt;
}

} // namespace vantrel
