#pragma once

#include <random>

// An integer from min to max inclusive, from exactly one generator output r:
// r / 2^32 * (max - min + 1) + min in double precision, truncated, and max when it
// reaches max. (std::uniform_int_distribution draws differently.)
int drawUniform(std::mt19937& generator, int min, int max);
