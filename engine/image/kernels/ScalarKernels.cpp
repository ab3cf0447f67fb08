#include <vantrel/image/kernels/KernelSets.h>
#include <vantrel/image/kernels/KernelTables.h>
#include <vantrel/image/kernels/ScalarIsa.h>

namespace vantrel::kernels {

const KernelSet& scalarKernelSet() noexcept
{
    static constexpr KernelSet set = makeKernelSet<ScalarIsa>();
    return set;
}

} // namespace vantrel::kernels
