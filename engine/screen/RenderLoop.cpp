#include <vantrel/screen/RenderLoop.h>

#include <chrono>
#include <exception>
#include <thread>

#include <vantrel/screen/FrameDispatcher.h>
#include <vantrel/screen/ScreenState.h>

namespace vantrel {

namespace {

void pause() noexcept
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

} // namespace

void RenderLoop::composeLayers(ScreenState& screen)
{
    if (screen.transitionLevel != 0 && screen.transitionLevel != 255) {
        ScreenDrawer::mergePending(*screen.layers[0].drawer, *screen.layers[1].drawer);
    }
    for (Layer& layer : screen.layers) {
        layer.dirty = layer.drawer->compose();
        // A frame composed earlier but not yet taken (the workers were busy) still waits.
        if (layer.dirty.isEmpty() && layer.drawer->hasReadyFrame()) {
            layer.dirty = layer.drawer->getReadyRect();
        }
    }
}

void RenderLoop::runTasks(ScreenState& screen)
{
    if (!screen.pendingTasks.empty()) {
        for (ScreenTask& task : screen.pendingTasks) {
            screen.tasks.push_back(std::move(task));
        }
        screen.pendingTasks.clear();
    }
    std::size_t kept = 0;
    std::size_t i = 0;
    try {
        for (; i < screen.tasks.size(); ++i) {
            if (!screen.tasks[i](screen.screen)) {
                if (kept != i) {
                    screen.tasks[kept] = std::move(screen.tasks[i]);
                }
                ++kept;
            }
        }
    } catch (...) {
        // The task that threw stays where it was; the others keep their order.
        screen.tasks.erase(screen.tasks.begin() + static_cast<std::ptrdiff_t>(kept),
                           screen.tasks.begin() + static_cast<std::ptrdiff_t>(i));
        throw;
    }
    screen.tasks.resize(kept);
}

void RenderLoop::iterate(ScreenState& screen, bool drawSynchronously)
{
    auto start = std::chrono::steady_clock::now();
    {
        StateLock guard(screen.lock);
        try {
            if (FrameDispatcher::dispatchFrame(screen) && drawSynchronously) {
                FrameDispatcher::drawOnCallingThread(screen);
            }
            runTasks(screen);
            composeLayers(screen);
        } catch (const std::exception&) {
            // One failing iteration must not stop the engine; the next one starts afresh.
        }
    }
    screen.pacer.frameDispatched = false;
    if (screen.observer) {
        screen.observer->iterationTimed(static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() -
                                                                 start)
                .count()));
    }
}

void RenderLoop::run(ScreenState& screen, ThreadNotifier& notifier)
{
    {
        // The worker list is read under the lock by other threads (isSettled).
        StateLock guard(screen.lock);
        screen.workers.reserve(screen.workerCount);
        for (std::uint32_t i = 0; i < screen.workerCount; ++i) {
            FrameDispatcher::createWorker(screen);
        }
        screen.presentEvent.set();
        screen.pacer.restart();
        composeLayers(screen);
    }

    FramePacer::Waiter waiter{[&notifier] { notifier.sleep(1); }, pause};
    while (!notifier.isSignalled()) {
        iterate(screen, false);
        try {
            screen.pacer.wait(waiter);
        } catch (const std::exception&) {
            break;
        }
    }

    FrameDispatcher::stopWorkers(screen);
    StateLock guard(screen.lock);
    for (Layer& layer : screen.layers) {
        if (layer.drawer->isRendering()) {
            layer.drawer->finishRender();
        }
    }
}

} // namespace vantrel
