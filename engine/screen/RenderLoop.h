#pragma once

namespace vantrel {

class Screen;
class ThreadNotifier;

// The body of a Screen's render thread: 60 iterations per second of dispatch, tasks and
// composition, with the drawing workers it starts and stops.
class RenderLoop {
public:
    static void run(Screen& screen, ThreadNotifier& notifier);
    // One iteration's locked work; dispatch draws on the calling thread when
    // `drawSynchronously` (no workers).
    static void iterate(Screen& screen, bool drawSynchronously);

private:
    static void runTasks(Screen& screen);
    static void composeLayers(Screen& screen);
};

} // namespace vantrel
