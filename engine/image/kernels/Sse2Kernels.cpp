#include <vantrel/image/kernels/KernelSets.h>
#include <vantrel/image/kernels/KernelTables.h>
#include <vantrel/image/kernels/Sse2Isa.h>

namespace vantrel::kernels {

const KernelSet& sse2KernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<Sse2Isa>();
    return set;
}

} // namespace vantrel::kernels
