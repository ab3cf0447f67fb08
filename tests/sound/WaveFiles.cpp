#include "tests/sound/WaveFiles.h"

void appendLittleEndian(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

Bytes chunk(const char* id, const Bytes& data, std::int64_t declaredSize)
{
    Bytes out(id, id + 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(declaredSize < 0 ? data.size() : declaredSize), 4);
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
    appendLittleEndian(out, tag, 2);
    appendLittleEndian(out, channels, 2);
    appendLittleEndian(out, rate, 4);
    appendLittleEndian(out, rate * blockAlign, 4);
    appendLittleEndian(out, blockAlign, 2);
    appendLittleEndian(out, bits, 2);
    return out;
}

Bytes extensibleFormat(std::uint16_t subTag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    Bytes out = basicFormat(0xFFFE, channels, rate, bits);
    appendLittleEndian(out, 22, 2);
    appendLittleEndian(out, bits, 2);
    appendLittleEndian(out, channels == 1 ? 0x4 : 0x3, 4);
    appendLittleEndian(out, subTag, 4);
    const unsigned char tail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    out.insert(out.end(), tail, tail + 12);
    return out;
}

Bytes waveFile(std::initializer_list<Bytes> chunks, std::int64_t declaredSize)
{
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) {
        body.insert(body.end(), c.begin(), c.end());
    }
    Bytes out = {'R', 'I', 'F', 'F'};
    appendLittleEndian(out, static_cast<std::uint32_t>(declaredSize < 0 ? body.size() : declaredSize), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}
