#include <vantrel/image/kernels/Avx512Isa.h>
#include <vantrel/image/kernels/KernelSets.h>
#include <vantrel/image/kernels/KernelTables.h>

// Built with -mavx512f -mavx512bw; only reached after the processor reported both.
namespace vantrel::kernels {

const KernelSet& avx512KernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<Avx512Isa>();
    return set;
}

} // namespace vantrel::kernels
