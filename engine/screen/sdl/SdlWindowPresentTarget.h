#pragma once

#include <SDL.h>

#include <cstdint>
#include <mutex>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/StagedPicture.h>

namespace vantrel {

// Presents frames into an SDL window without touching SDL video off the main thread:
// the drawing workers copy their finished bands into a staging frame; the last one widens
// the pending rectangle and posts one event; the main thread, on that event, copies the
// pending rectangle into the window surface.
class SdlWindowPresentTarget : public IPresentTarget {
public:
    // Needs SDL's event subsystem. The staging frame starts white.
    SdlWindowPresentTarget(std::uint32_t width, std::uint32_t height);

    // The type of the event posted when a rectangle becomes pending; 0 when SDL had no
    // event type left (then the main thread has to poll with flush).
    std::uint32_t getEventType() const noexcept { return eventType; }

    // Main thread: copies the pending rectangle into `surface`, the frame's top-left
    // corner at `origin`, and clears it. Returns the surface rectangle written.
    Rect flush(SDL_Surface* surface, Point origin);
    // Main thread: copies `rect` of the latest frame (frame coordinates) into `surface`.
    Rect copy(SDL_Surface* surface, Point origin, const Rect& rect);

    std::uint32_t getWidth() const noexcept { return staging.getWidth(); }
    std::uint32_t getHeight() const noexcept { return staging.getHeight(); }

protected:
    void presentImpl(const Image& frame, const Rect& rect) override;
    bool takesBandsImpl() const noexcept override { return true; }
    void presentBandImpl(const Image& frame, const Rect& rect) override;
    void publishImpl(const Rect& rect) override;

private:
    std::uint32_t eventType;
    StagedPicture staging;
    std::mutex lock; // guards `pending` and `posted`
    Rect pending;
    bool posted = false;
};

} // namespace vantrel
