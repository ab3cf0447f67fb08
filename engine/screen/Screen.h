#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include <vantrel/base/Event.h>
#include <vantrel/base/Thread.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/FrameBreakdown.h>
#include <vantrel/screen/FramePacer.h>
#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/ScreenObserver.h>
#include <vantrel/sprite/FillRectSprite.h>
#include <vantrel/sprite/ImageSprite.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>

namespace vantrel {

class Screen;
class TextSprite;

// A per-iteration task of the render loop; returning true removes it.
using ScreenTask = std::function<bool(Screen&)>;

struct Layer {
    std::shared_ptr<SpriteManager> sprites;
    std::shared_ptr<ScreenDrawer> drawer;
    Rect dirty; // the drawer's composed dirty area as of the last iteration
};

// The frame the workers are drawing. nextBand and remaining are guarded by jobLock; the
// rest is written by the dispatcher while every worker is idle.
struct FrameJob {
    std::array<std::shared_ptr<ScreenDrawer>, 2> drawers;
    std::uint32_t nextBand = 0;
    std::mutex jobLock;
    Rect rect;
    std::uint64_t remaining = 0;
    std::uint8_t level = 0;
    std::shared_ptr<Image> rule;
    std::uint8_t softness = 255;
    std::chrono::steady_clock::time_point dispatchTime;
    FrameBreakdown breakdown; // the workers' sums, guarded by jobLock
};

struct WorkerRecord {
    std::shared_ptr<Thread> thread;
    std::shared_ptr<Event> start;
    std::shared_ptr<Event> done;
};

// Owns the two frame buffers, the two sprite layers, the cross-fade state, the tasks,
// the render thread and the drawing workers, and presents finished frames.
class Screen {
public:
    // workerCount 0: one worker per processor. An empty clock uses the millisecond clock.
    Screen(std::shared_ptr<IPresentTarget> target, std::uint32_t width, std::uint32_t height,
           std::uint32_t workerCount = 0, FramePacer::Clock clock = {});
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // Starts the render loop; a running loop is stopped first (with its workers).
    void start();
    // Asks the render loop to stop and waits for it (and so for its workers).
    void stop();

    template <class... Args>
    std::shared_ptr<ImageSprite> createImageSprite(std::uint8_t layerIndex, Args&&... args)
    {
        return createSprite<ImageSprite>(layerIndex, std::forward<Args>(args)...);
    }
    template <class... Args>
    std::shared_ptr<FillRectSprite> createFillRectSprite(std::uint8_t layerIndex, Args&&... args)
    {
        return createSprite<FillRectSprite>(layerIndex, std::forward<Args>(args)...);
    }
    // Needs engine/sprite/TextSprite.h at the call site.
    template <class... Args>
    std::shared_ptr<TextSprite> createTextSprite(std::uint8_t layerIndex, Args&&... args)
    {
        return createSprite<TextSprite>(layerIndex, std::forward<Args>(args)...);
    }

    // Before start() anyone may add; afterwards only holders of the Screen lock (tasks).
    void addTask(ScreenTask task);
    // Marks the whole of both layers dirty. Callers hold the Screen lock.
    void invalidate();
    // Callers hold the Screen lock.
    void setTransitionRule(std::shared_ptr<Image> rule);
    const std::shared_ptr<Image>& getTransitionRule() const noexcept { return transitionRule; }
    std::uint8_t getRuleSoftness() const noexcept { return ruleSoftness; }

    // Read by tasks under the Screen lock.
    std::uint32_t frameTime() const noexcept { return pacer.frameTime; }
    bool frameDispatched() const noexcept { return pacer.frameDispatched; }

    std::uint32_t getWidth() const noexcept { return width; }
    std::uint32_t getHeight() const noexcept { return height; }
    std::uint32_t getWorkerCount() const noexcept { return workerCount; }
    SpriteManager& getSprites(std::uint8_t layerIndex) { return *layers.at(layerIndex).sprites; }
    ScreenDrawer& getDrawer(std::uint8_t layerIndex) { return *layers.at(layerIndex).drawer; }
    const Layer& getLayer(std::uint8_t layerIndex) const { return layers.at(layerIndex); }

    // Receives frame and iteration timings; set before start().
    void setObserver(std::shared_ptr<IScreenObserver> newObserver) { observer = std::move(newObserver); }

    // True when nothing is left to draw: no composed frame waits, none is being drawn or
    // presented. Takes the Screen lock.
    bool isSettled();

    // The last presented frame. Read it only while no frame is being drawn.
    const Image& getFrontBuffer() const noexcept { return *buffers[1]; }

    // Deterministic stepping for tests and tools, without threads: one loop iteration
    // at `time` whose dispatched frame (if any) is drawn, swapped and presented on the
    // calling thread before the tasks run. Do not mix with start().
    void step(std::uint32_t time);

    // 0 shows layer 0 alone, 255 layer 1 alone; in between layer 1 is blended over layer 0.
    // Changed by tasks under the Screen lock.
    std::uint8_t transitionLevel = 0;

    // The recursive Screen lock, held for each iteration's dispatch, tasks and composition.
    class Lock {
    public:
        explicit Lock(Screen& screen) : screen(screen) { screen.lock.lock(); }
        ~Lock() { screen.lock.unlock(); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        Screen& screen;
    };

private:
    friend class RenderLoop;
    friend class FrameDispatcher;
    friend class FrameWorker;

    template <class SpriteType, class... Args>
    std::shared_ptr<SpriteType> createSprite(std::uint8_t layerIndex, Args&&... args)
    {
        Layer& layer = layers.at(layerIndex);
        auto sprite = std::make_shared<SpriteType>(std::weak_ptr<SpriteManager>(layer.sprites),
                                                   std::weak_ptr<ScreenDrawer>(layer.drawer),
                                                   std::forward<Args>(args)...);
        layer.sprites->add(sprite);
        return sprite;
    }

    std::shared_ptr<IPresentTarget> target;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t workerCount;
    std::array<Layer, 2> layers;
    std::shared_ptr<Image> transitionRule;
    std::uint8_t ruleSoftness = 255;
    std::array<std::unique_ptr<Image>, 2> buffers; // back, front
    std::vector<ScreenTask> tasks;
    std::vector<ScreenTask> pendingTasks;
    Thread renderThread;
    std::recursive_mutex lock;
    FrameJob frameJob;
    std::vector<WorkerRecord> workers;
    Event presentEvent;
    FramePacer pacer;
    std::shared_ptr<IScreenObserver> observer;
};

} // namespace vantrel
