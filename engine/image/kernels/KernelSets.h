#pragma once

#include <vantrel/image/kernels/KernelJobs.h>

namespace vantrel::kernels {

// Each level's tables live in their own translation unit, built for that level.
const KernelSet& scalarKernelSet() noexcept;
const KernelSet& sse2KernelSet() noexcept;
const KernelSet& avx2KernelSet() noexcept;
const KernelSet& avx512KernelSet() noexcept;

// The tables of the active level.
const KernelSet& activeKernelSet() noexcept;

} // namespace vantrel::kernels
