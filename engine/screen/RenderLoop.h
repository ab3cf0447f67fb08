#pragma once

namespace vantrel {

struct ScreenState;
class ThreadNotifier;

// The body of a Screen's render thread: 60 iterations per second of dispatch, tasks and
// composition, with the drawing workers it starts and stops.
class RenderLoop {
public:
    static void run(ScreenState& screen, ThreadNotifier& notifier);
    // One iteration's locked work; dispatch draws on the calling thread when
    // `drawSynchronously` (no workers).
    static void iterate(ScreenState& screen, bool drawSynchronously);

private:
    static void runTasks(ScreenState& screen);
    static void composeLayers(ScreenState& screen);
};

} // namespace vantrel
