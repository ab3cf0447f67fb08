#pragma once

#include <cstdint>

namespace vantrel::kernels {

// The plain level: every kernel runs its one-pixel-at-a-time word arithmetic.
struct ScalarIsa {
    using Reg = std::uint32_t;
    static constexpr std::uint32_t lanes = 0;
    static constexpr bool hasPermute = false;
    static constexpr bool hasPartial = false;
};

} // namespace vantrel::kernels
