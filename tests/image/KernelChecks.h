#pragma once

#include <gtest/gtest.h>

#include <vantrel/image/DrawingOperations.h>
#include <vantrel/image/kernels/KernelIsa.h>
#include "tests/image/KernelReference.h"
#include "tests/image/KernelTestImages.h"

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

// The engine's operations under the names of ReferenceOps, so that one body draws with either.
struct EngineOps {
    static constexpr auto fillRect = &vantrel::fillRect;
    static constexpr auto drawImage = &vantrel::drawImage;
    static constexpr auto drawImageRect = &vantrel::drawImageRect;
    static constexpr auto stretchImage = &vantrel::stretchImage;
    static constexpr auto drawGlyphs = &vantrel::drawGlyphs;
    static constexpr auto drawTransition = &vantrel::drawTransition;
};

// draw(ops, image) on two copies of `start`, with the engine and with the reference: the whole
// buffers, padding included, must agree byte for byte.
template <class Draw>
void expectLikeReference(const vantrel::Image& start, Draw draw)
{
    vantrel::Image actual = kerneltest::cloneImage(start);
    vantrel::Image expected = kerneltest::cloneImage(start);
    draw(EngineOps{}, actual);
    draw(reference::ReferenceOps{}, expected);
    EXPECT_EQ(kerneltest::bytesOf(actual), kerneltest::bytesOf(expected));
}
