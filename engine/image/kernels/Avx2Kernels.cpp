#include <vantrel/image/kernels/Avx2Isa.h>
#include <vantrel/image/kernels/KernelSets.h>
#include <vantrel/image/kernels/KernelTables.h>

// Built with -mavx2; only reached after the processor reported AVX2.
namespace vantrel::kernels {

const KernelSet& avx2KernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<Avx2Isa>();
    return set;
}

} // namespace vantrel::kernels
