#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/StagedPicture.h>

namespace vantrel {

// Presents frames into a page's 2D canvas. The drawing workers copy their finished bands
// into an RGBA picture (the order a canvas takes, top row first); the page's main thread,
// once per animation frame, puts the rows that changed into the canvas. The main thread
// never waits for a worker: while a frame is half copied it tries again next time.
class CanvasPresentTarget : public IPresentTarget {
public:
    // `canvasId`: the canvas element's id. The picture starts white.
    CanvasPresentTarget(std::uint32_t width, std::uint32_t height, const char* canvasId);

    // Main thread: puts the changed rows into the canvas, then calls `overlay(changed)`
    // with the canvas rectangle just written (empty when nothing was) so that whatever
    // the page shows over the frame is drawn again. Returns false when the picture was
    // busy and nothing could be put.
    template <class Overlay>
    bool flush(Overlay&& overlay)
    {
        Rect changed;
        const bool put = staging.tryRead([&](const Image& picture) {
            changed = takePending();
            putRows(picture, changed);
        });
        if (!put) {
            return false;
        }
        overlay(changed);
        return true;
    }
    // Main thread: puts `rect` of the picture into the canvas again (after an overlay went).
    bool restore(const Rect& rect);

    std::uint32_t getWidth() const noexcept { return staging.getWidth(); }
    std::uint32_t getHeight() const noexcept { return staging.getHeight(); }
    std::uint64_t getPublishedFrames() const noexcept { return published.load(); }

protected:
    void presentImpl(const Image& frame, const Rect& rect) override;
    bool takesBandsImpl() const noexcept override { return true; }
    void presentBandImpl(const Image& frame, const Rect& rect) override;
    void publishImpl(const Rect& rect) override;

private:
    Rect takePending();
    void putRows(const Image& picture, const Rect& rect) const;

    StagedPicture staging;
    std::string canvasSelector;
    std::mutex pendingLock;
    Rect pending;
    std::atomic<std::uint64_t> published{0};
};

} // namespace vantrel
