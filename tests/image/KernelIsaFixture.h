#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/image/kernels/KernelIsa.h"

// Runs a parameterised test once per kernel level; levels the processor lacks are skipped.
class KernelIsaTest : public ::testing::TestWithParam<vantrel::KernelIsa> {
protected:
    void SetUp() override
    {
        if (GetParam() > vantrel::bestKernelIsa()) {
            GTEST_SKIP() << "the processor lacks " << vantrel::kernelIsaName(GetParam());
        }
        vantrel::selectKernelIsa(GetParam());
    }

    void TearDown() override { vantrel::selectKernelIsa(vantrel::bestKernelIsa()); }
};

inline std::string kernelIsaTestName(const ::testing::TestParamInfo<vantrel::KernelIsa>& info)
{
    return vantrel::kernelIsaName(info.param);
}

// Runs `body` once per level the processor has, then goes back to the best level.
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

#define VANTREL_FOR_EVERY_KERNEL_ISA(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(Levels, suite,                                                        \
                             ::testing::Values(vantrel::KernelIsa::Scalar,                         \
                                               vantrel::KernelIsa::Sse2, vantrel::KernelIsa::Avx2, \
                                               vantrel::KernelIsa::Avx512),                        \
                             kernelIsaTestName)
