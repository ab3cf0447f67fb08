#include "engine/image/kernels/StretchScratch.h"

namespace vantrel::kernels {

StretchScratch& stretchScratch()
{
    thread_local StretchScratch scratch;
    return scratch;
}

} // namespace vantrel::kernels
