#pragma once

#include <cstdint>
#include <mutex>

#include "engine/image/Image.h"
#include "engine/screen/PresentTarget.h"

namespace vantrel {

// Keeps its own copy of the presented picture: each presented rectangle is copied in.
// For tests and the headless benchmark.
class MemoryPresentTarget : public IPresentTarget {
public:
    MemoryPresentTarget(std::uint32_t width, std::uint32_t height);

    // A copy of the picture as presented so far.
    Image snapshot() const;
    std::uint64_t getPresentCount() const;
    Rect getLastRect() const;

protected:
    void presentImpl(const Image& frame, const Rect& rect) override;

private:
    mutable std::mutex lock;
    Image picture;
    std::uint64_t presentCount = 0;
    Rect lastRect;
};

} // namespace vantrel
