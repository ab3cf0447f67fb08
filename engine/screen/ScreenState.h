#pragma once

// Everything a Screen owns, for the render loop, the dispatcher and the workers, which
// work on it directly. Internal to the engine.

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include <vantrel/base/Event.h>
#include <vantrel/base/Thread.h>
#include <vantrel/image/Geometry.h>
#include <vantrel/image/Image.h>
#include <vantrel/screen/FrameBreakdown.h>
#include <vantrel/screen/FramePacer.h>
#include <vantrel/screen/PresentTarget.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/screen/ScreenObserver.h>
#include <vantrel/sprite/ScreenDrawer.h>
#include <vantrel/sprite/SpriteManager.h>

namespace vantrel {

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

struct ScreenState {
    ScreenState(Screen& screen, std::shared_ptr<IPresentTarget> target, std::uint32_t width,
                std::uint32_t height, std::uint32_t workerCount, FramePacer::Clock clock);

    Screen& screen; // what the tasks are given
    std::shared_ptr<IPresentTarget> target;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t workerCount;
    std::array<Layer, 2> layers;
    std::uint8_t transitionLevel = 0;
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

// The Screen lock without the Screen object.
using StateLock = std::lock_guard<std::recursive_mutex>;

} // namespace vantrel
