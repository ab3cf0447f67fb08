#include "engine/image/kernels/Avx512Isa.h"
#include "engine/image/kernels/KernelSets.h"
#include "engine/image/kernels/KernelTables.h"

// Built with -mavx512f -mavx512bw; only reached after the processor reported both.
namespace vantrel::kernels {

const KernelSet& avx512KernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<Avx512Isa>();
    return set;
}

} // namespace vantrel::kernels
