#pragma once

#include <cstdint>

namespace vantrel {

/// Milliseconds of a steady clock, truncated to 32 bits: wraps about every 49.7 days,
/// so intervals are always computed as unsigned differences.
std::uint32_t currentMilliseconds() noexcept;

} // namespace vantrel
