#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <shared_mutex>

#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>

namespace vantrel {

/// A present target's own copy of the presented picture, which a frame may reach band by
/// band while the workers draw it: a band copied as soon as it is finished is still in
/// the worker's cache, so the copy costs little and no worker copies the whole frame
/// alone at the end. Readers see whole frames only: they wait while a frame is half
/// copied.
class StagedPicture {
public:
    /// Copies `pixels` 4-byte pixels of a frame row into the picture's row, as they are or in
    /// the order its reader wants.
    using RowCopy = void (*)(unsigned char* to, const unsigned char* from, std::uint32_t pixels);

    /// A picture of the given size, every byte set to `fill`, whose rows `copyRow` fills
    /// (by default byte for byte).
    StagedPicture(std::uint32_t width, std::uint32_t height, unsigned char fill, RowCopy copyRow = nullptr);

    /// Any worker, bands of one frame never overlapping: copies `rect` of `frame` in and
    /// marks the frame as half copied.
    void copyBand(const Image& frame, const Rect& rect);
    /// The frame whose bands were copied is whole.
    void finishFrame();
    /// Copies `rect` of `frame` in at once; returns the part that was copied (none for a
    /// frame not of 4-byte pixels).
    Rect copyFrame(const Image& frame, const Rect& rect);

    /// Calls `read(picture)` under the lock once no frame is half copied. A frame left
    /// half copied for longer than a second (its worker died) is read as it is.
    template <class Read>
    auto read(Read&& read) const
    {
        std::unique_lock<std::shared_mutex> guard(lock);
        whole.wait_for(guard, std::chrono::seconds(1), [this] { return !halfCopied.load(); });
        return read(picture);
    }

    /// For a reader that must never wait: calls `read(picture)` under the lock and returns
    /// true, or returns false at once while a frame is half copied or a copy holds the lock.
    template <class Read>
    bool tryRead(Read&& read) const
    {
        std::unique_lock<std::shared_mutex> guard(lock, std::try_to_lock);
        if (!guard.owns_lock() || halfCopied.load()) {
            return false;
        }
        read(picture);
        return true;
    }

    /// Width in pixels.
    std::uint32_t getWidth() const noexcept { return picture.getWidth(); }
    /// Height in pixels.
    std::uint32_t getHeight() const noexcept { return picture.getHeight(); }

private:
    Rect copyRows(const Image& frame, const Rect& rect);

    /// Band copies share the lock (their rows never overlap); readers and whole-frame
    /// copies hold it alone.
    mutable std::shared_mutex lock;
    mutable std::condition_variable_any whole;
    Image picture;
    RowCopy copyRow;
    std::atomic<bool> halfCopied{false};
};

} // namespace vantrel
