#include "tools/datagen/Canvas.h"

#include <cmath>

#include "tools/datagen/Noise.h"

namespace vantrel::datagen {

std::vector<std::uint8_t> RgbaCanvas::toBytes() const
{
    std::vector<std::uint8_t> bytes(pixels.size() * 4);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const Rgba& p = at(x, y);
            const float channels[4] = {p.r, p.g, p.b, p.a};
            std::uint8_t* out = &bytes[(static_cast<std::size_t>(y) * width + x) * 4];
            for (std::uint32_t c = 0; c < 4; ++c) {
                // Triangular dither in (-1, 1) steps; none on alpha, which must stay exact.
                float dither = c == 3 ? 0.0f
                                      : hashUnit(x, y, 101 + c) + hashUnit(x, y, 211 + c) - 1.0f;
                float v = std::round(clamp01(channels[c]) * 255.0f + dither * 0.5f);
                out[c] = static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f));
            }
        }
    }
    return bytes;
}

} // namespace vantrel::datagen
