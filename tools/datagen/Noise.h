#pragma once

#include <cstdint>

namespace vantrel::datagen {

// Stateless integer hash: the same arguments always give the same 32 bits.
std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) noexcept;

// Uniform in [0, 1) from the hash.
float hashUnit(std::uint32_t x, std::uint32_t y, std::uint32_t seed) noexcept;

// Smooth value noise in [0, 1]; one lattice cell per unit of x and y.
float valueNoise(float x, float y, std::uint32_t seed) noexcept;

// Octaves of value noise, each of twice the frequency and half the amplitude; [0, 1].
float fractalNoise(float x, float y, int octaves, std::uint32_t seed) noexcept;

} // namespace vantrel::datagen
