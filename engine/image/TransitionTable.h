#pragma once

#include <array>
#include <cstdint>

namespace vantrel {

// Blend weight per rule-mask value; `progress` is the level's weight, 0 to 256.
struct TransitionTable {
    std::uint32_t progress = 0;
    std::array<std::uint8_t, 256> weights{};
};

} // namespace vantrel
