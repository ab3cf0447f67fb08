#pragma once

#include <cstdint>

#include <vantrel/image/TransitionTable.h>

namespace vantrel {

// The weight 0..256 of a transition level (255 gives 256).
constexpr std::uint32_t levelWeight(std::uint8_t level) noexcept
{
    return level * 129u / 128u;
}

// Weights for a rule wipe at level weight `t` (0..256): as t rises, the threshold sweeps the
// rule image's grey values from below 0 to above 255, with a ramp `softness` values wide.
TransitionTable buildRuleTable(std::uint32_t t, std::uint8_t softness) noexcept;

} // namespace vantrel
