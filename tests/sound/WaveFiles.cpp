#include "tests/sound/WaveFiles.h"

#include "tools/datagen/LittleEndian.h"

using vantrel::datagen::put16;
using vantrel::datagen::put32;

Bytes chunk(const char* id, const Bytes& data, std::int64_t declaredSize)
{
    Bytes out(id, id + 4);
    put32(out, static_cast<std::uint32_t>(declaredSize < 0 ? data.size() : declaredSize));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) {
        out.push_back(0);
    }
    return out;
}

Bytes basicFormat(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    Bytes out;
    std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    put16(out, tag);
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    return out;
}

Bytes extensibleFormat(std::uint16_t subTag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    Bytes out = basicFormat(0xFFFE, channels, rate, bits);
    put16(out, 22);
    put16(out, bits);
    put32(out, channels == 1 ? 0x4 : 0x3);
    put32(out, subTag);
    out.insert(out.end(), {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    return out;
}

// The body is always of even length, so the RIFF chunk never gets a pad byte.
Bytes waveFile(std::initializer_list<Bytes> chunks, std::int64_t declaredSize)
{
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) {
        body.insert(body.end(), c.begin(), c.end());
    }
    return chunk("RIFF", body, declaredSize);
}
