#pragma once

#include <cstdint>

#include <vantrel/image/kernels/KernelJobs.h>
#include <vantrel/image/kernels/RowBlender.h>

namespace vantrel::kernels {

// fillRect, drawImage and drawGlyphs: rows top to bottom, source and destination each
// advancing by their pitch.
template <class V, class Mode, class Opacity, class Source>
void blitKernel(const BlitJob& job) noexcept
{
    const Opacity opacity(job.weight);
    const Source source(job.color);
    unsigned char* d = job.destination;
    const unsigned char* s = job.source;
    for (std::uint32_t y = 0; y < job.height; ++y) {
        blendRow<V, Mode>(d, s, job.width, opacity, source);
        d += job.destinationPitch;
        s += job.sourcePitch;
    }
}

} // namespace vantrel::kernels
