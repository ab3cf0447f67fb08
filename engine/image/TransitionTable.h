#pragma once

#include <array>
#include <cstdint>

namespace vantrel {

/// Blend weight per rule-mask value; `progress` is the level's weight, 0 to 256.
struct TransitionTable {
    std::uint32_t progress = 0; ///< the level's weight, 0 (layer 0 only) to 256 (layer 1 only)
    std::array<std::uint8_t, 256> weights{}; ///< the blend weight of each rule-mask value
};

} // namespace vantrel
