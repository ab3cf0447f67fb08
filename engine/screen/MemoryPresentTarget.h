#pragma once

#include <cstdint>
#include <mutex>

#include <vantrel/image/Image.h>
#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/StagedPicture.h>

namespace vantrel {

/// Keeps its own copy of the presented picture, taking frames band by band.
/// For tests and the headless benchmark.
class MemoryPresentTarget : public IPresentTarget {
public:
    /// A black picture of the frame's size; `takingBands` false takes whole frames only.
    MemoryPresentTarget(std::uint32_t width, std::uint32_t height, bool takingBands = true);

    /// A copy of the picture as presented so far.
    Image snapshot() const;
    /// How many frames were presented or published.
    std::uint64_t getPresentCount() const;
    /// The last frame's dirty rectangle.
    Rect getLastRect() const;

protected:
    void presentImpl(const Image& frame, const Rect& rect) override;
    bool takesBandsImpl() const noexcept override { return takingBands; }
    void presentBandImpl(const Image& frame, const Rect& rect) override;
    void publishImpl(const Rect& rect) override;

private:
    StagedPicture picture;
    bool takingBands;
    mutable std::mutex lock;
    std::uint64_t presentCount = 0;
    Rect lastRect;
};

} // namespace vantrel
