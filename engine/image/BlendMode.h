#pragma once

#include <cstdint>

namespace vantrel {

/// Any value above InverseMultiply acts as InverseMultiply.
enum class BlendMode : std::uint8_t {
    Normal = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    InverseMultiply = 4,
};

} // namespace vantrel
