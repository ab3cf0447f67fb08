#pragma once

#include <cstdint>

namespace vantrel {

// The instruction-set levels of the compositing kernels. Every level gives the same bits;
// the best one the processor supports is used unless a test or benchmark picks another.
enum class KernelIsa : std::uint8_t {
    Scalar = 0,
    Sse2 = 1,
    Avx2 = 2,
    Avx512 = 3, // AVX-512 F and BW
};

KernelIsa bestKernelIsa() noexcept;
KernelIsa activeKernelIsa() noexcept;

// Uses `wanted`, lowered to the best supported level; returns the level now in use.
KernelIsa selectKernelIsa(KernelIsa wanted) noexcept;

const char* kernelIsaName(KernelIsa isa) noexcept;

} // namespace vantrel
