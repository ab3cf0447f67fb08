#include "engine/image/kernels/KernelSets.h"
#include "engine/image/kernels/KernelTables.h"
#include "engine/image/kernels/Sse2Isa.h"

namespace vantrel::kernels {

const KernelSet& sse2KernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<Sse2Isa>();
    return set;
}

} // namespace vantrel::kernels
