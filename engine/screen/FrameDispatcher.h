#pragma once

namespace vantrel {

class Screen;

// Hands composed frames to the drawing workers; the workers draw them band by band and the
// last one swaps the buffers and presents.
class FrameDispatcher {
public:
    // Adds one idle worker to the Screen and starts its thread.
    static void createWorker(Screen& screen);
    // Asks every worker to stop, then joins them all and drops their records.
    static void stopWorkers(Screen& screen);
    // Under the Screen lock: hands out the composed frame when every worker is idle.
    // With no workers the frame is only prepared; drawOnCallingThread draws it.
    static bool dispatchFrame(Screen& screen);
    // Draws, swaps and presents the dispatched frame on the calling thread.
    static void drawOnCallingThread(Screen& screen);
};

} // namespace vantrel
