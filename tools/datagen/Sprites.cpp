#include "tools/datagen/Sprites.h"

#include <cmath>
#include <numbers>

namespace vantrel::datagen {

namespace {

// Distance from (px, py) to the segment from the origin to (ex, ey).
float segmentDistance(float px, float py, float ex, float ey)
{
    float t = clamp01((px * ex + py * ey) / (ex * ex + ey * ey));
    return std::hypot(px - ex * t, py - ey * t);
}

float crystalCoverage(float x, float y)
{
    constexpr float armLength = 6.6f;
    float coverage = std::exp(-(x * x + y * y) / 5.0f);
    for (int arm = 0; arm < 6; ++arm) {
        float angle = static_cast<float>(arm) * std::numbers::pi_v<float> / 3.0f + 0.26f;
        float ex = std::cos(angle) * armLength;
        float ey = std::sin(angle) * armLength;
        float d = segmentDistance(x, y, ex, ey);
        coverage = std::max(coverage, 0.85f * std::exp(-d * d / 0.55f));
        // Two short side branches on each arm.
        float bx = ex * 0.55f;
        float by = ey * 0.55f;
        for (float turn : {1.0f, -1.0f}) {
            float side = angle + turn * std::numbers::pi_v<float> / 4.0f;
            float d2 = segmentDistance(x - bx, y - by, std::cos(side) * 2.4f, std::sin(side) * 2.4f);
            coverage = std::max(coverage, 0.6f * std::exp(-d2 * d2 / 0.4f));
        }
    }
    float halo = 0.22f * std::exp(-(x * x + y * y) / 18.0f);
    return clamp01(coverage + halo);
}

} // namespace

RgbaImage makeSnowCrystal()
{
    constexpr std::uint32_t size = 16;
    RgbaCanvas canvas(size, size);
    const float centre = size / 2.0f;
    for (std::uint32_t y = 0; y < size; ++y) {
        for (std::uint32_t x = 0; x < size; ++x) {
            float sum = 0.0f;
            for (int s = 0; s < 16; ++s) {
                float sx = x + (s % 4 + 0.5f) / 4.0f - centre;
                float sy = y + (s / 4 + 0.5f) / 4.0f - centre;
                sum += crystalCoverage(sx, sy);
            }
            Rgba colour = rgb(236, 246, 255);
            colour.a = sum / 16.0f;
            canvas.at(x, y) = colour;
        }
    }
    return toImage(canvas);
}

RgbaImage makeDistantFlake()
{
    constexpr std::uint32_t size = 9;
    RgbaCanvas canvas(size, size);
    const float centre = size / 2.0f;
    for (std::uint32_t y = 0; y < size; ++y) {
        for (std::uint32_t x = 0; x < size; ++x) {
            float dx = x + 0.5f - centre;
            float dy = y + 0.5f - centre;
            float r2 = dx * dx + dy * dy;
            Rgba colour = rgb(214, 232, 255);
            colour.a = 0.82f * std::exp(-r2 / 4.5f) * smoothstep(4.5f * 4.5f, 3.2f * 3.2f, r2);
            canvas.at(x, y) = colour;
        }
    }
    return toImage(canvas);
}

RgbaImage makeGlow(std::uint32_t size, Rgba core, Rgba colour, float coreRadius, float haloRadius)
{
    RgbaCanvas canvas(size, size);
    const float centre = size / 2.0f;
    const float edge = centre - 0.5f;
    for (std::uint32_t y = 0; y < size; ++y) {
        for (std::uint32_t x = 0; x < size; ++x) {
            float r = std::hypot(x + 0.5f - centre, y + 0.5f - centre);
            float inner = std::exp(-(r * r) / (2.0f * coreRadius * coreRadius));
            float outer = std::exp(-(r * r) / (2.0f * haloRadius * haloRadius));
            Rgba c = mix(colour, core, inner);
            c.a = clamp01(0.85f * inner + 0.45f * outer) * smoothstep(edge, edge * 0.7f, r);
            canvas.at(x, y) = c;
        }
    }
    return toImage(canvas);
}

} // namespace vantrel::datagen
