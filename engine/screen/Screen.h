#pragma once

/// @file
/// The frame engine's owner object: two frame buffers, two sprite layers and the threads
/// that draw them.

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include <vantrel/image/Image.h>
#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/ScreenObserver.h>
#include <vantrel/sprite/FillRectSprite.h>
#include <vantrel/sprite/ImageSprite.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>

namespace vantrel {

class Screen;
class TextSprite;
struct ScreenState;

/// A per-iteration task of the render loop, run under the Screen lock; returning true
/// removes it.
using ScreenTask = std::function<bool(Screen&)>;

/// Owns the two frame buffers, the two sprite layers (layer 1 fades in over layer 0), the
/// cross-fade state, the tasks, the render thread and the drawing workers, and presents
/// finished frames to its present target.
///
/// Typical use: create sprites on the layers and add tasks, then start(). The render
/// thread then runs 60 iterations per second: each runs the tasks, which change sprites
/// under the Screen lock, and hands the changed parts of the frame to the workers.
class Screen {
public:
    /// Milliseconds of a monotonic clock, for the frame pacing.
    using Clock = std::function<std::uint32_t()>;

    /// A width x height frame presented to `target`. workerCount 0: one worker per
    /// processor. An empty clock uses the system's millisecond clock. No thread runs yet.
    Screen(std::shared_ptr<IPresentTarget> target, std::uint32_t width, std::uint32_t height,
           std::uint32_t workerCount = 0, Clock clock = {});
    /// Stops the render loop and its workers.
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    /// Starts the render loop; a running loop is stopped first (with its workers).
    void start();
    /// Asks the render loop to stop and waits for it (and so for its workers).
    void stop();

    /// Creates an ImageSprite on layer 0 or 1; `args` are those of its constructor after
    /// the manager and drawer.
    template <class... Args>
    std::shared_ptr<ImageSprite> createImageSprite(std::uint8_t layerIndex, Args&&... args)
    {
        return createSprite<ImageSprite>(layerIndex, std::forward<Args>(args)...);
    }
    /// Creates a FillRectSprite on layer 0 or 1; `args` as for createImageSprite.
    template <class... Args>
    std::shared_ptr<FillRectSprite> createFillRectSprite(std::uint8_t layerIndex, Args&&... args)
    {
        return createSprite<FillRectSprite>(layerIndex, std::forward<Args>(args)...);
    }
    /// Creates a TextSprite on layer 0 or 1; needs <vantrel/sprite/TextSprite.h> at the
    /// call site.
    template <class... Args>
    std::shared_ptr<TextSprite> createTextSprite(std::uint8_t layerIndex, Args&&... args)
    {
        return createSprite<TextSprite>(layerIndex, std::forward<Args>(args)...);
    }

    /// Adds a task from the next iteration on. Before start() anyone may add; afterwards
    /// only holders of the Screen lock (tasks).
    void addTask(ScreenTask task);
    /// Marks the whole of both layers dirty. Callers hold the Screen lock.
    void invalidate();

    /// Sets the cross-fade between the layers: 0 shows layer 0 alone, 255 layer 1 alone;
    /// in between layer 1 is blended over layer 0 (or wiped in through the transition
    /// rule). A new level invalidates both layers. Callers hold the Screen lock.
    void setTransitionLevel(std::uint8_t level);
    /// The cross-fade level (see setTransitionLevel); starts at 0.
    std::uint8_t getTransitionLevel() const noexcept;
    /// Wipes layer 1 in through a greyscale rule image (null: a plain cross-fade), with a
    /// soft edge of 64 rule steps. Callers hold the Screen lock.
    void setTransitionRule(std::shared_ptr<Image> rule);
    /// The rule image of the wipe; null for a plain cross-fade.
    const std::shared_ptr<Image>& getTransitionRule() const noexcept;
    /// The width of the wipe's soft edge in rule steps: 255 until a rule was set, then 64.
    std::uint8_t getRuleSoftness() const noexcept;

    /// The time of the current iteration in clock milliseconds; read by tasks.
    std::uint32_t frameTime() const noexcept;
    /// Whether this iteration handed a frame to the workers; read by tasks.
    bool frameDispatched() const noexcept;

    /// The frame's width in pixels.
    std::uint32_t getWidth() const noexcept;
    /// The frame's height in pixels.
    std::uint32_t getHeight() const noexcept;
    /// How many drawing workers the render loop runs.
    std::uint32_t getWorkerCount() const noexcept;
    /// The sprites of layer 0 or 1.
    SpriteManager& getSprites(std::uint8_t layerIndex);
    /// The drawer of layer 0 or 1.
    ScreenDrawer& getDrawer(std::uint8_t layerIndex);

    /// Receives frame and iteration timings; set before start().
    void setObserver(std::shared_ptr<IScreenObserver> observer);

    /// True when nothing is left to draw: no composed frame waits, none is being drawn or
    /// presented. Takes the Screen lock.
    bool isSettled();

    /// The last presented frame. Read it only while no frame is being drawn.
    const Image& getFrontBuffer() const noexcept;

    /// Deterministic stepping for tests and tools, without threads: one loop iteration
    /// at `time` whose dispatched frame (if any) is drawn, swapped and presented on the
    /// calling thread before the tasks run. Do not mix with start().
    void step(std::uint32_t time);

    /// The recursive Screen lock, held for each iteration's dispatch, tasks and
    /// composition. Hold it while changing sprites or the transition from outside a task.
    class Lock {
    public:
        /// Enters the lock of `screen`.
        explicit Lock(Screen& screen);
        /// Leaves it.
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        Screen& screen;
    };

private:
    template <class SpriteType, class... Args>
    std::shared_ptr<SpriteType> createSprite(std::uint8_t layerIndex, Args&&... args)
    {
        auto [sprites, drawer] = layerParts(layerIndex);
        auto sprite = std::make_shared<SpriteType>(std::weak_ptr<SpriteManager>(sprites),
                                                   std::weak_ptr<ScreenDrawer>(drawer),
                                                   std::forward<Args>(args)...);
        sprites->add(sprite);
        return sprite;
    }
    std::pair<std::shared_ptr<SpriteManager>, std::shared_ptr<ScreenDrawer>>
    layerParts(std::uint8_t layerIndex) const;

    std::unique_ptr<ScreenState> state;
};

} // namespace vantrel
