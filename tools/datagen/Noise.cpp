#include "tools/datagen/Noise.h"

#include <cmath>

namespace vantrel::datagen {

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) noexcept
{
    std::uint32_t h = seed * 0x9E3779B9u ^ x * 0x85EBCA6Bu ^ y * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float hashUnit(std::uint32_t x, std::uint32_t y, std::uint32_t seed) noexcept
{
    return static_cast<float>(hash(x, y, seed) >> 8) / 16777216.0f;
}

namespace {

float fade(float t) noexcept
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

} // namespace

float valueNoise(float x, float y, std::uint32_t seed) noexcept
{
    float fx = std::floor(x);
    float fy = std::floor(y);
    auto ix = static_cast<std::uint32_t>(static_cast<std::int32_t>(fx));
    auto iy = static_cast<std::uint32_t>(static_cast<std::int32_t>(fy));
    float tx = fade(x - fx);
    float ty = fade(y - fy);
    float top = hashUnit(ix, iy, seed) + (hashUnit(ix + 1, iy, seed) - hashUnit(ix, iy, seed)) * tx;
    float bottom = hashUnit(ix, iy + 1, seed)
                   + (hashUnit(ix + 1, iy + 1, seed) - hashUnit(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed) noexcept
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(octave) * 7919u) * amplitude;
        total += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

} // namespace vantrel::datagen
