#pragma once

#include <array>
#include <cstdint>

#include <vantrel/sprite/ScreenDrawer.h>

namespace vantrel {

/// Where one drawn frame's work went, summed over the workers.
struct FrameBreakdown {
    std::array<DrawTally, 2> layers;     ///< pixels each layer's commands covered, and kept copies
    std::uint64_t pixelsCopied = 0;      ///< brought over from the front buffer
    std::uint64_t pixelsBlended = 0;     ///< layer 1 blended over layer 0
    std::uint64_t drawingNs = 0;         ///< drawing bands
    std::uint64_t claimingNs = 0;        ///< waiting for a band
    std::uint64_t wakingNs = 0;          ///< from the dispatch until the worker runs
    std::uint64_t presentingBandsNs = 0; ///< handing finished bands to the present target
    std::uint64_t presentingNs = 0;      ///< the last worker's swap and present

    /// Adds another worker's (or frame's) figures to these.
    void add(const FrameBreakdown& other) noexcept
    {
        for (std::size_t layer = 0; layer < layers.size(); ++layer) {
            for (std::size_t kind = 0; kind < layers[layer].pixelsByKind.size(); ++kind) {
                layers[layer].pixelsByKind[kind] += other.layers[layer].pixelsByKind[kind];
            }
            layers[layer].keptPixelsCopied += other.layers[layer].keptPixelsCopied;
        }
        pixelsCopied += other.pixelsCopied;
        pixelsBlended += other.pixelsBlended;
        drawingNs += other.drawingNs;
        claimingNs += other.claimingNs;
        wakingNs += other.wakingNs;
        presentingBandsNs += other.presentingBandsNs;
        presentingNs += other.presentingNs;
    }
};

} // namespace vantrel
