#pragma once

#include <gtest/gtest.h>

#include "engine/image/kernels/KernelIsa.h"

// Runs `body` once per kernel level the processor has, then goes back to the best level.
template <class Body>
void forEveryKernelIsa(Body body)
{
    for (int level = 0; level <= static_cast<int>(vantrel::bestKernelIsa()); ++level) {
        const auto isa = static_cast<vantrel::KernelIsa>(level);
        SCOPED_TRACE(vantrel::kernelIsaName(isa));
        vantrel::selectKernelIsa(isa);
        body();
    }
    vantrel::selectKernelIsa(vantrel::bestKernelIsa());
}
