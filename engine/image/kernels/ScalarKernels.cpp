#include "engine/image/kernels/KernelSets.h"
#include "engine/image/kernels/KernelTables.h"
#include "engine/image/kernels/ScalarIsa.h"

namespace vantrel::kernels {

const KernelSet& scalarKernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<ScalarIsa>();
    return set;
}

} // namespace vantrel::kernels
