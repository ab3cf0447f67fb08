#pragma once

#include <cstdint>

#include <vantrel/image/kernels/KernelJobs.h>
#include <vantrel/image/kernels/PixelWord.h>
#include <vantrel/image/kernels/RowBlender.h>

namespace vantrel::kernels {

// drawTransition: each pixel composes the source word over the destination with the weight
// the table gives for the co-located mask byte. The source's own alpha is never used.
template <class V, class Format>
void transitionKernel(const TransitionJob& job) noexcept
{
    // The weight of every mask value, as a pair (a, a).
    std::uint32_t pairs[256];
    for (std::uint32_t m = 0; m < 256; ++m) {
        pairs[m] = blendWeight(job.table->weights[m]) * 0x00010001u;
    }
    unsigned char* d = job.destination;
    const unsigned char* s = job.source;
    const unsigned char* mask = job.mask;
    for (std::uint32_t y = 0; y < job.height; ++y) {
        std::uint32_t i = 0;
        if constexpr (V::lanes != 0) {
            for (; i + V::lanes <= job.width; i += V::lanes) {
                unsigned char* dp = d + 4 * std::size_t{i};
                const auto source = Format::template words<V>(s + Format::bytesPerPixel * i);
                V::store(dp,
                         composePixels<V>(V::load(dp), source, V::gatherPairs(pairs, mask + i)));
            }
        }
        if constexpr (V::hasPartial) {
            if (i < job.width) {
                const std::uint32_t count = job.width - i;
                unsigned char* dp = d + 4 * std::size_t{i};
                const auto source =
                    Format::template partialWords<V>(s + Format::bytesPerPixel * i, count);
                const auto weights = V::gatherPairsPartial(pairs, mask + i, count);
                V::storePartial(dp, composePixels<V>(V::loadPartial(dp, count), source, weights),
                                count);
            }
        } else {
            for (; i < job.width; ++i) {
                unsigned char* dp = d + 4 * std::size_t{i};
                const std::uint32_t source = Format::word(s + Format::bytesPerPixel * i);
                storeWord(dp, composeWord(loadWord(dp), source, pairs[mask[i]] & 0xFFFF));
            }
        }
        d += job.destinationPitch;
        s += job.sourcePitch;
        mask += job.maskPitch;
    }
}

} // namespace vantrel::kernels
